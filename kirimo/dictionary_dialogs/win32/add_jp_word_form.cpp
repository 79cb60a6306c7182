#include "kirimo/dictionary_dialogs/win32/add_jp_word_form.h"

#include <commctrl.h>
#include <imm.h>

#include "common/win32/fonts.h"
#include "common/win32/wide_text.h"
#include "kirimo/dictionary_dialogs/win32/control_text.h"

namespace {

constexpr int LabelX = 12, LabelWidth = 36, FieldX = 52, FieldWidth = 188;
constexpr int RowHeight = 24;

// The reading of what the input method last committed into the control.
std::string LastCommittedReading(HWND control) {
  HIMC context = ImmGetContext(control);
  if (context == nullptr) return {};
  std::wstring reading;
  LONG bytes = ImmGetCompositionStringW(context, GCS_RESULTREADSTR, nullptr, 0);
  if (bytes > 0) {
    reading.resize(static_cast<std::size_t>(bytes) / sizeof(wchar_t));
    bytes = ImmGetCompositionStringW(context, GCS_RESULTREADSTR, reading.data(),
                                     static_cast<DWORD>(bytes));
    reading.resize(bytes > 0 ? static_cast<std::size_t>(bytes) / sizeof(wchar_t) : 0);
  }
  ImmReleaseContext(control, context);
  return FromWide(reading);
}

}  // namespace

TModalWindow::TLayout TAddJPWordForm::Layout() const {
  return {L"TAddJPWordForm", "単語登録", 252, 332};
}

void TAddJPWordForm::CreateControls() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  FormFont.Reset(CreateJapaneseFont("ＭＳ Ｐゴシック", -Scale(16)));
  HFONT font = static_cast<HFONT>(FormFont.Get());
  const struct {
    const char* Label;
    int Y;
  } labels[] = {{"辞書", 14}, {"語幹", 46}, {"読み", 78}, {"品詞", 110}, {"活用", 142}};
  for (const auto& label : labels)
    AddControl(WC_STATICW, ToWide(label.Label), SS_LEFT, LabelX, label.Y, LabelWidth, 20, -1, font);
  // A combo box's height includes its opened list.
  AddControl(WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, FieldX, 12, FieldWidth,
             160, ComboBoxDicId, font);
  AddControl(WC_EDITW, L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, FieldX, 44, FieldWidth,
             RowHeight, EditWordId, font);
  AddControl(WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, FieldX,
             76, FieldWidth, 160, ComboBoxReadId, font);
  AddControl(WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, FieldX, 108, FieldWidth,
             240, ComboBoxTypeId, font);
  AddControl(WC_LISTBOXW, L"", WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, FieldX,
             140, FieldWidth, 144, ListBoxPatternId, font);
  AddControl(WC_BUTTONW, ToWide("クリア"), WS_TABSTOP | BS_PUSHBUTTON, FieldX, 296, 88, 26,
             ButtonClearId, font);
  AddControl(WC_BUTTONW, ToWide("辞書に登録"), WS_TABSTOP | BS_DEFPUSHBUTTON, FieldX + 100, 296, 88,
             26, ButtonRegistrationId, font);
  // FormCreate: the class table as it stands.
  SetComboItems(Control(ComboBoxTypeId), TWordRegistration::TypeItems());
  FormShow();
}

void TAddJPWordForm::FormShow() {
  HWND dictionaries = Control(ComboBoxDicId);
  SetComboItems(dictionaries, Registration.DictionaryNames());
  SendMessageW(dictionaries, CB_SETCURSEL, 0, 0);
  ButtonClearClick();
}

void TAddJPWordForm::OnCommand(int id, int notification) {
  switch (id) {
    case ButtonClearId:
      if (notification == BN_CLICKED) ButtonClearClick();
      return;
    case ButtonRegistrationId:
    case IDOK:  // Enter
      if (notification == BN_CLICKED) ButtonRegistrationClick();
      return;
    case EditWordId:
      if (notification == EN_CHANGE && !Writing) EditWordChange();
      if (notification == EN_KILLFOCUS) ComboBoxTypeChange();
      return;
    case ComboBoxReadId:
      if (notification == CBN_SETFOCUS) ComboBoxReadEnter();
      return;
    case ComboBoxTypeId:
      if (notification == CBN_SELCHANGE) ComboBoxTypeChange();
      return;
    default:
      TModalWindow::OnCommand(id, notification);
  }
}

void TAddJPWordForm::ButtonClearClick() {
  TRegistrationFields before = ReadFields();
  TRegistrationFields after = before;
  TWordRegistration::Clear(after);
  WriteFields(before, after);
  SetControlText(Control(ComboBoxReadId), "");
  SendMessageW(Control(ComboBoxReadId), CB_RESETCONTENT, 0, 0);
  SetListItems(Control(ListBoxPatternId), {});
  FocusControl(Control(EditWordId));
}

void TAddJPWordForm::EditWordChange() {
  SetControlText(Control(ComboBoxReadId), LastCommittedReading(Control(EditWordId)));
}

void TAddJPWordForm::ComboBoxReadEnter() {
  TRegistrationFields before = ReadFields();
  TRegistrationFields after = before;
  {
    TWaitCursor wait;
    Registration.ProposeReadings(after);
  }
  WriteFields(before, after);
}

void TAddJPWordForm::ComboBoxTypeChange() {
  TRegistrationFields fields = ReadFields();
  SetListItems(Control(ListBoxPatternId),
               TWordRegistration::FormList(fields.Word, fields.TypeIndex));
}

void TAddJPWordForm::ButtonRegistrationClick() {
  TRegistrationFields before = ReadFields();
  TRegistrationFields after = before;
  TRegistrationOutcome outcome = Registration.Register(after);
  WriteFields(before, after);
  if (!outcome.Message.empty())
    ShowMessageBox(Handle(), outcome.Message, "Kirimo", MB_OK | MB_ICONINFORMATION);
  if (outcome.FocusWord) FocusControl(Control(EditWordId));
}

TRegistrationFields TAddJPWordForm::ReadFields() const {
  TRegistrationFields fields;
  fields.DicName = ControlText(Control(ComboBoxDicId));
  fields.Word = ControlText(Control(EditWordId));
  HWND read = Control(ComboBoxReadId);
  fields.Reading = ControlText(read);
  LRESULT count = SendMessageW(read, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    LRESULT length = SendMessageW(read, CB_GETLBTEXTLEN, i, 0);
    std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(read, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<std::size_t>(length));
    fields.ReadingList.push_back(FromWide(item));
  }
  fields.TypeIndex = static_cast<int>(SendMessageW(Control(ComboBoxTypeId), CB_GETCURSEL, 0, 0));
  return fields;
}

void TAddJPWordForm::WriteFields(const TRegistrationFields& before,
                                 const TRegistrationFields& after) {
  Writing = true;
  if (after.Word != before.Word) SetControlText(Control(EditWordId), after.Word);
  HWND read = Control(ComboBoxReadId);
  if (after.ReadingList != before.ReadingList) SetComboItems(read, after.ReadingList);
  // Replacing the list empties the text: write it whenever the list changed.
  if (after.Reading != before.Reading || after.ReadingList != before.ReadingList)
    SetControlText(read, after.Reading);
  if (after.TypeIndex != before.TypeIndex)
    SendMessageW(Control(ComboBoxTypeId), CB_SETCURSEL, static_cast<WPARAM>(after.TypeIndex), 0);
  Writing = false;
}
