#include "kirimo/cartridge_base/app_ini.h"

#include "common/ascii_case.h"
#include "common/comma_list.h"
#include "common/file_path.h"
#include "common/profile_file.h"

namespace {

constexpr std::string_view SystemSection = "SYSTEM";

struct TStyleName {
  std::string_view Name;
  bool TFontStyles::*Flag;
};
// In the order they are written.
constexpr TStyleName StyleNames[] = {{"fsBold", &TFontStyles::Bold},
                                     {"fsItalic", &TFontStyles::Italic},
                                     {"fsUnderline", &TFontStyles::Underline},
                                     {"fsStrikeOut", &TFontStyles::StrikeOut}};

template <typename T>
void SetMarking(T& field, T value, bool& modified) {
  if (field == value) return;
  field = value;
  modified = true;
}

}  // namespace

TFontStyles ParseFontStyles(std::string_view text) {
  TFontStyles styles;
  for (const std::string& item : SplitCommaList(text)) {
    for (const TStyleName& style : StyleNames) {
      if (EqualsIgnoringCase(item, style.Name)) styles.*style.Flag = true;
    }
  }
  return styles;
}

std::string FontStyleText(const TFontStyles& styles) {
  std::string text;
  for (const TStyleName& style : StyleNames) {
    if (styles.*style.Flag) text += std::string(style.Name) + ",";
  }
  return text;
}

TAppIni::TAppIni(std::string_view programPath, int doubleClickTime)
    : ProgramFolder(FolderOf(programPath)),
      IniPath(ReplaceExtension(programPath, ".ini")),
      DicFolder(ProgramFolder + "dic"),
      AcumulateTime(doubleClickTime) {
  Read();
}

void TAppIni::Read() {
  TProfileFile file(IniPath);
  FileExisted = file.Existed();
  auto path = [&](std::string_view section, std::string_view key, std::string_view fallback) {
    return ExpandPath(ProgramFolder, FromStoredPath(file.ReadString(section, key, fallback)));
  };

  Top = file.ReadInteger(SystemSection, "Top", Top);
  Left = file.ReadInteger(SystemSection, "Left", Left);
  Width = file.ReadInteger(SystemSection, "Width", Width);
  Height = file.ReadInteger(SystemSection, "Height", Height);
  KeyHeight = file.ReadInteger(SystemSection, "KeyHeight", KeyHeight);
  SendMode = file.ReadInteger(SystemSection, "SendMode", SendMode);
  ScrollTime = file.ReadInteger(SystemSection, "ScrollTime", ScrollTime);
  ListFont.Name = file.ReadString(SystemSection, "ListFontName", ListFont.Name);
  ListFont.Size = file.ReadInteger(SystemSection, "ListFontSize", ListFont.Size);
  ListFont.Styles = ParseFontStyles(file.ReadString(SystemSection, "ListFontStyle", ""));
  ListFont.Color = file.ReadInteger(SystemSection, "ListFontColor", ListFont.Color);
  int charset = file.ReadInteger(SystemSection, "ListFontCharset", ListFont.Charset);
  if (charset >= 0 && charset <= 255) ListFont.Charset = charset;
  AcumulateTime = file.ReadInteger(SystemSection, "AcumulateTime", AcumulateTime);
  CMVisible = file.ReadBool(SystemSection, "CMVisible", CMVisible);
  CMFile = path(SystemSection, "CMFile", "");
  Use50Key = file.ReadBool(SystemSection, "Use50Key", Use50Key);
  DwellTime = ValidDwellTime(file.ReadInteger(SystemSection, "DwellTime", DwellTime));
  if (DwellTime > 0) DwellTimeWhenOn = DwellTime;
  int tolerance = file.ReadInteger(SystemSection, "DwellTolerance", DwellTolerance);
  if (tolerance >= 0 && tolerance <= MaxDwellTolerance) DwellTolerance = tolerance;

  std::size_t button = 0;
  for (const TProfileEntry& entry : file.ReadSection("SUB_BUTTON_VK")) {
    if (!StartsWithIgnoringCase(entry.Key, "VK_")) continue;
    SubButtons[button++] = {entry.Key, entry.Value};
    if (button == SubButtons.size()) break;
  }

  TDictionarySections dictionaries = ReadDictionarySections(file, ProgramFolder);
  BaseDic = dictionaries.BaseDic;
  ExtDics = dictionaries.ExtDics;

  NmDicName = file.ReadString("NM_DIC", "DicName", NmDicName);
  NmSymbolName = file.ReadString("NM_DIC", "SymbolName", NmSymbolName);
  VkDicName = file.ReadString("VK_DIC", "DicName", VkDicName);
  VkDicFile = path("VK_DIC", "DicFile", "");
}

void TAppIni::SetTop(int value) { SetMarking(Top, value, SettingsModified); }
void TAppIni::SetLeft(int value) { SetMarking(Left, value, SettingsModified); }
void TAppIni::SetWidth(int value) { SetMarking(Width, value, SettingsModified); }
void TAppIni::SetHeight(int value) { SetMarking(Height, value, SettingsModified); }
void TAppIni::SetKeyHeight(int value) { SetMarking(KeyHeight, value, SettingsModified); }
void TAppIni::SetCMVisible(bool value) { SetMarking(CMVisible, value, SettingsModified); }
void TAppIni::SetUse50Key(bool value) { SetMarking(Use50Key, value, SettingsModified); }

void TAppIni::SwitchDwell(bool on) {
  if (DwellTime > 0) DwellTimeWhenOn = DwellTime;
  SetMarking(DwellTime, on ? DwellTimeWhenOn : 0, SettingsModified);
}

bool TAppIni::SaveAll() {
  // Read the file afresh: what others wrote into it since the start stays.
  TProfileFile file(IniPath);
  auto relative = [&](const std::string& path) {
    return ToStoredPath(RelativeToFolder(ProgramFolder, path));
  };
  file.WriteInteger(SystemSection, "Top", Top);
  file.WriteInteger(SystemSection, "Left", Left);
  file.WriteInteger(SystemSection, "Width", Width);
  file.WriteInteger(SystemSection, "Height", Height);
  file.WriteInteger(SystemSection, "KeyHeight", KeyHeight);
  file.WriteInteger(SystemSection, "SendMode", SendMode);
  file.WriteInteger(SystemSection, "ScrollTime", ScrollTime);
  file.WriteString(SystemSection, "ListFontName", ListFont.Name);
  file.WriteInteger(SystemSection, "ListFontSize", ListFont.Size);
  file.WriteString(SystemSection, "ListFontStyle", FontStyleText(ListFont.Styles));
  file.WriteInteger(SystemSection, "ListFontColor", ListFont.Color);
  file.WriteInteger(SystemSection, "ListFontCharset", ListFont.Charset);
  file.WriteInteger(SystemSection, "AcumulateTime", AcumulateTime);
  file.WriteBool(SystemSection, "CMVisible", CMVisible);
  file.WriteString(SystemSection, "CMFile", relative(CMFile));
  file.WriteBool(SystemSection, "Use50Key", Use50Key);
  file.WriteInteger(SystemSection, "DwellTime", DwellTime);
  file.WriteInteger(SystemSection, "DwellTolerance", DwellTolerance);
  for (int i = 0; i < ExtDicCount; ++i) {
    file.WriteString(TDictionarySections::ExtSections[i], "DicName", ExtDics[i].DicName);
    file.WriteString(TDictionarySections::ExtSections[i], "DicFile", relative(ExtDics[i].DicFile));
    file.WriteInteger(TDictionarySections::ExtSections[i], "StartUpKey", ExtDics[i].StartUpKey);
  }
  return file.Save();
}

void TAppIni::SaveIfModified() {
  if (!SettingsModified) return;
  SaveAll();
  SettingsModified = false;
}

void TAppIni::SaveOnExit() {
  if (FileExisted) SaveAll();
}

std::string TAppIni::KeyCommandName(std::string_view caption) const {
  if (caption.empty()) return {};
  for (const TSubButton& button : SubButtons) {
    if (EqualsIgnoringCase(button.Caption, caption)) return button.KeyName;
  }
  return {};
}

std::string TAppIni::SubButtonCaptions() const {
  std::string captions = SubButtons[0].Caption;
  for (std::size_t i = 1; i < SubButtons.size(); ++i) captions += "," + SubButtons[i].Caption;
  return captions;
}
