#include "kirimo/shell/win32/input_num_form.h"

#include <commctrl.h>

#include <string>

#include "common/win32/fonts.h"
#include "common/win32/wide_text.h"

TModalWindow::TLayout TInputNumForm::Layout() const {
  return {L"TInputNumForm", "スクロールスピード設定", 223, 126};
}

void TInputNumForm::CreateControls() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  AddControl(L"STATIC", ToWide("1～1000 の間で数を指定してください。"), SS_LEFT, 12, 10, 200, 16,
             -1);
  AddControl(L"STATIC", ToWide("（数が小さい方が速くなります）"), SS_LEFT, 12, 28, 200, 16, -1);
  EditFont.Reset(CreateJapaneseFont("ＭＳ Ｐゴシック", -Scale(16)));
  HWND edit =
      AddControl(WC_EDITW, std::to_wstring(Value), WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_RIGHT,
                 60, 50, 90, 24, EditIntervalId, static_cast<HFONT>(EditFont.Get()));
  UpDown = AddControl(UPDOWN_CLASSW, L"",
                      UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0, 0,
                      0, UpDownIntervalId);
  SendMessageW(UpDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  SendMessageW(UpDown, UDM_SETRANGE32, Minimum, Maximum);
  SendMessageW(UpDown, UDM_SETPOS32, 0, Value);  // the control keeps it within the range
  AddControl(WC_BUTTONW, L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 30, 88, 75, 25, IDOK);
  AddControl(WC_BUTTONW, ToWide("キャンセル"), WS_TABSTOP | BS_PUSHBUTTON, 118, 88, 75, 25,
             IDCANCEL);
  FocusControl(edit);
}

void TInputNumForm::OnCommand(int id, int notification) {
  if (id == IDOK) {
    BOOL failed = FALSE;
    LRESULT position = SendMessageW(UpDown, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed));
    // A typed number outside the range: the position the control holds stands.
    Value = static_cast<int>(position);
    if (Value < Minimum) Value = Minimum;
    if (Value > Maximum) Value = Maximum;
  }
  TModalWindow::OnCommand(id, notification);
}
