#include "kirimo/dictionary_dialogs/win32/ext_dic_form.h"

#include <commctrl.h>
#include <commdlg.h>

#include <string>

#include "common/win32/fonts.h"
#include "common/win32/wide_text.h"
#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/dictionary_dialogs/win32/control_text.h"

namespace {

constexpr int GroupX = 8, GroupWidth = 323, GroupTop = 6, GroupHeight = 80, GroupPitch = 84;
constexpr int LabelX = 18, FieldX = 86, FieldRight = 320, ButtonWidth = 24;
constexpr const char* GroupCaptions[ExtDicGroupCount] = {"拡張辞書 １", "拡張辞書 ２",
                                                         "拡張辞書 ３"};
constexpr const char* KeyTypeItems[] = {"かな", "英数"};

}  // namespace

TModalWindow::TLayout TExtDicForm::Layout() const {
  return {L"TExtDicForm", "拡張辞書の設定", 339, 303};
}

void TExtDicForm::CreateControls() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  FormFont.Reset(CreateJapaneseFont("ＭＳ Ｐゴシック", -Scale(12)));
  for (int group = 0; group < ExtDicGroupCount; ++group) CreateGroup(group);
  HFONT font = static_cast<HFONT>(FormFont.Get());
  int buttonsY = GroupTop + ExtDicGroupCount * GroupPitch + 8;
  AddControl(WC_BUTTONW, L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 150, buttonsY, 80, 25, IDOK, font);
  AddControl(WC_BUTTONW, ToWide("キャンセル"), WS_TABSTOP | BS_PUSHBUTTON, 240, buttonsY, 80, 25,
             IDCANCEL, font);
  FormShow();
}

void TExtDicForm::CreateGroup(int group) {
  HFONT font = static_cast<HFONT>(FormFont.Get());
  int top = GroupTop + group * GroupPitch;
  AddControl(WC_BUTTONW, ToWide(GroupCaptions[group]), BS_GROUPBOX, GroupX, top, GroupWidth,
             GroupHeight, -1, font);
  const struct {
    const char* Text;
    int Y;
  } labels[] = {{"辞書名", top + 20}, {"ファイル", top + 40}, {"キータイプ", top + 60}};
  for (const auto& label : labels)
    AddControl(WC_STATICW, ToWide(label.Text), SS_LEFT, LabelX, label.Y, FieldX - LabelX - 4, 15,
               -1, font);
  AddControl(WC_EDITW, L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, FieldX, top + 17,
             FieldRight - FieldX, 19, EditDicNameId(group), font);
  AddControl(WC_EDITW, L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, FieldX, top + 38,
             FieldRight - FieldX - ButtonWidth - 2, 19, EditDicFileId(group), font);
  AddControl(WC_BUTTONW, L"...", WS_TABSTOP | BS_PUSHBUTTON, FieldRight - ButtonWidth, top + 38,
             ButtonWidth, 19, ButtonDicFileId(group), font);
  HWND keyType = AddControl(WC_COMBOBOXW, L"", WS_TABSTOP | CBS_DROPDOWNLIST, FieldX, top + 58, 80,
                            80, ComboBoxKeyTypeId(group), font);
  SetComboItems(keyType, {KeyTypeItems[0], KeyTypeItems[1]});
}

void TExtDicForm::FormShow() {
  Shown = Logic.Load();
  for (int group = 0; group < ExtDicGroupCount; ++group) {
    SetControlText(Control(EditDicNameId(group)), Shown[group].Name);
    SetControlText(Control(EditDicFileId(group)), Shown[group].File);
    // A number that is no item selects none.
    const int keyType = Shown[group].KeyType;
    SendMessageW(Control(ComboBoxKeyTypeId(group)), CB_SETCURSEL,
                 static_cast<WPARAM>(keyType == 0 || keyType == 1 ? keyType : -1), 0);
  }
  FocusControl(Control(EditDicNameId(0)));
}

void TExtDicForm::OnCommand(int id, int notification) {
  if (id == IDOK) {
    ButtonOKClick();
    return;
  }
  for (int group = 0; group < ExtDicGroupCount; ++group)
    if (id == ButtonDicFileId(group) && notification == BN_CLICKED) {
      ButtonDicFileClick(group);
      return;
    }
  TModalWindow::OnCommand(id, notification);
}

void TExtDicForm::ButtonDicFileClick(int group) {
  std::wstring folder = ToWide(ProgramSettings.ProgramFolder + "dic\\");
  std::wstring filter = ToWide("辞書ファイル (*.dic)") + L'\0' + L"*.dic" + L'\0' +
                        ToWide("すべてのファイル (*.*)") + L'\0' + L"*.*" + L'\0';
  wchar_t path[MAX_PATH] = L"";
  OPENFILENAMEW chooser{};
  chooser.lStructSize = sizeof(chooser);
  chooser.hwndOwner = Handle();
  chooser.lpstrFilter = filter.c_str();
  chooser.lpstrFile = path;
  chooser.nMaxFile = MAX_PATH;
  chooser.lpstrInitialDir = folder.c_str();
  // The program's current folder stays where it is: paths in the settings are relative to it.
  chooser.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (GetOpenFileNameW(&chooser)) SetWindowTextW(Control(EditDicFileId(group)), path);
}

void TExtDicForm::ButtonOKClick() {
  TExtDicGroups groups = ReadGroups();
  TExtDicFailure failure;
  if (!Logic.Validate(groups, *this, failure)) {
    FocusControl(Control(failure.Field == TExtDicField::Name ? EditDicNameId(failure.Group)
                                                             : EditDicFileId(failure.Group)));
    return;
  }
  bool stored = false;
  {
    TWaitCursor wait;
    stored = Logic.Store(groups, Consumers, *this);
  }
  if (stored) EndModal(IDOK);
}

TExtDicGroups TExtDicForm::ReadGroups() const {
  TExtDicGroups groups;
  for (int group = 0; group < ExtDicGroupCount; ++group) {
    groups[group].Name = ControlText(Control(EditDicNameId(group)));
    groups[group].File = ControlText(Control(EditDicFileId(group)));
    LRESULT keyType = SendMessageW(Control(ComboBoxKeyTypeId(group)), CB_GETCURSEL, 0, 0);
    groups[group].KeyType =
        keyType == 0 || keyType == 1 ? static_cast<int>(keyType) : Shown[group].KeyType;
  }
  return groups;
}

void TExtDicForm::ShowError(std::string_view message) {
  ShowMessageBox(Handle(), message, "Kirimo", MB_OK | MB_ICONERROR);
}

bool TExtDicForm::AskYesNo(std::string_view question) {
  return ShowMessageBox(Handle(), question, "Kirimo", MB_YESNO | MB_ICONWARNING) == IDYES;
}
