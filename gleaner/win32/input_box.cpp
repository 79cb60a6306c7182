#include "gleaner/win32/input_box.h"

#include <commctrl.h>

#include <utility>

#include "common/win32/wide_text.h"

TInputBox::TInputBox(std::string caption, std::string prompt, std::string text)
    : Caption(std::move(caption)), Prompt(std::move(prompt)), Text(std::move(text)) {}

std::optional<std::string> TInputBox::Ask(HWND owner) {
  if (ShowModal(owner) != IDOK) return std::nullopt;
  return Text;
}

TModalWindow::TLayout TInputBox::Layout() const { return {L"TInputBox", Caption, 360, 112}; }

void TInputBox::CreateControls() {
  AddControl(WC_STATICW, ToWide(Prompt), SS_LEFT | SS_NOPREFIX, 12, 12, 336, 16, PromptId);
  Edit = AddControl(WC_EDITW, ToWide(Text), WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 12, 34, 336,
                    22, EditId);
  AddControl(WC_BUTTONW, L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 188, 74, 75, 25, IDOK);
  AddControl(WC_BUTTONW, ToWide("キャンセル"), WS_TABSTOP | BS_PUSHBUTTON, 273, 74, 75, 25,
             IDCANCEL);
  SendMessageW(Edit, EM_SETSEL, 0, -1);
  FocusControl(Edit);
}

void TInputBox::OnCommand(int id, int notification) {
  if (id == IDOK) {
    std::wstring typed(static_cast<std::size_t>(GetWindowTextLengthW(Edit)) + 1, L'\0');
    typed.resize(static_cast<std::size_t>(
        GetWindowTextW(Edit, typed.data(), static_cast<int>(typed.size()))));
    Text = FromWide(typed);
  }
  TModalWindow::OnCommand(id, notification);
}
