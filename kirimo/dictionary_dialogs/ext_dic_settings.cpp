#include "kirimo/dictionary_dialogs/ext_dic_settings.h"

#include "common/dictionary_file.h"
#include "common/dictionary_line.h"
#include "common/file_path.h"
#include "kirimo/cartridge_base/app_ini.h"

static_assert(ExtDicGroupCount == TAppIni::ExtDicCount);

TExtDicGroups TExtDicSettings::Load() const {
  TExtDicGroups groups;
  for (int i = 0; i < ExtDicGroupCount; ++i) {
    const TDicSettings& dic = Settings.ExtDics[i];
    // The list has two items: any other stored number shows as the first.
    groups[i] = {dic.DicName, dic.DicFile, dic.StartUpKey == 1 ? 1 : 0};
  }
  return groups;
}

std::string TExtDicSettings::MissingFileQuestion(std::string_view file) {
  return "\"" + std::string(file) + "\"が存在しません。\r\n新規に作成しますか？";
}

std::string TExtDicSettings::FullPath(std::string_view file) const {
  return ExpandPath(Settings.ProgramFolder, TrimBlanks(file));
}

bool TExtDicSettings::Validate(const TExtDicGroups& groups, TExtDicPrompts& prompts,
                               TExtDicFailure& failure) const {
  for (int i = 0; i < ExtDicGroupCount; ++i) {
    bool named = !TrimBlanks(groups[i].Name).empty();
    bool filed = !TrimBlanks(groups[i].File).empty();
    if (named != filed) {
      prompts.ShowDataError();
      failure = {i, named ? TExtDicField::File : TExtDicField::Name};
      return false;
    }
  }
  // Names are compared as they will be stored (trimmed): "A" and "A " would
  // otherwise become two dictionaries of one name, and only the first be found.
  for (int i = ExtDicGroupCount - 1; i >= 0; --i) {
    std::string_view name = TrimBlanks(groups[i].Name);
    if (name.empty()) continue;
    for (int other = 0; other < ExtDicGroupCount; ++other) {
      if (other != i && TrimBlanks(groups[other].Name) == name) {
        failure = {i, TExtDicField::Name};
        return false;
      }
    }
  }
  for (int i = 0; i < ExtDicGroupCount; ++i) {
    std::string_view file = TrimBlanks(groups[i].File);
    if (file.empty() || FileExists(FullPath(file))) continue;
    if (!prompts.AskYesNo(MissingFileQuestion(file))) {
      failure = {i, TExtDicField::File};
      return false;
    }
    CreateFileIfMissing(FullPath(file));
  }
  return true;
}

void TExtDicSettings::Store(const TExtDicGroups& groups, TExtDicConsumers& consumers) {
  for (int i = 0; i < ExtDicGroupCount; ++i) {
    TDicSettings& dic = Settings.ExtDics[i];
    dic.DicName = std::string(TrimBlanks(groups[i].Name));
    dic.DicFile = TrimBlanks(groups[i].File).empty() ? std::string() : FullPath(groups[i].File);
    dic.StartUpKey = groups[i].KeyType;
  }
  Settings.SaveAll();
  consumers.ApplySettings();
  consumers.RebuildCartridges();
}
