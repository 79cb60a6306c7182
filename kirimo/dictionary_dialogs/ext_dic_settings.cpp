#include "kirimo/dictionary_dialogs/ext_dic_settings.h"

#include <stdexcept>

#include "common/dictionary_file.h"
#include "common/dictionary_line.h"
#include "common/file_path.h"
#include "kirimo/cartridge_base/app_ini.h"

static_assert(ExtDicGroupCount == TAppIni::ExtDicCount);

namespace {

// A failure's message: what failed, then that the settings stay as they were.
std::string Unchanged(std::string_view failure) {
  std::string message(failure);
  return message.append("\r\n拡張辞書の設定は変わっていません。");
}

}  // namespace

TExtDicGroups TExtDicSettings::Load() const {
  TExtDicGroups groups;
  for (int i = 0; i < ExtDicGroupCount; ++i) {
    const TDicSettings& dic = Settings.ExtDics[i];
    groups[i] = {dic.DicName, dic.DicFile, dic.StartUpKey};
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
      prompts.ShowError(DataErrorMessage);
      failure = {i, named ? TExtDicField::File : TExtDicField::Name};
      return false;
    }
  }
  for (int i = ExtDicGroupCount - 1; i >= 0; --i) {
    if (TrimBlanks(groups[i].Name).empty()) continue;
    for (int other = 0; other < ExtDicGroupCount; ++other) {
      if (other != i && groups[other].Name == groups[i].Name) {
        failure = {i, TExtDicField::Name};
        return false;
      }
    }
  }
  for (int i = 0; i < ExtDicGroupCount; ++i) {
    std::string_view file = TrimBlanks(groups[i].File);
    if (file.empty() || FileExists(FullPath(file))) continue;
    bool created = false;
    if (prompts.AskYesNo(MissingFileQuestion(file))) {
      try {
        CreateFileIfMissing(FullPath(file));
        created = true;
      } catch (const std::runtime_error& error) {
        prompts.ShowError(error.what());
      }
    }
    if (!created) {
      failure = {i, TExtDicField::File};
      return false;
    }
  }
  return true;
}

bool TExtDicSettings::Store(const TExtDicGroups& groups, TExtDicConsumers& consumers,
                            TExtDicPrompts& prompts) {
  const auto previous = Settings.ExtDics;
  for (int i = 0; i < ExtDicGroupCount; ++i) {
    TDicSettings& dic = Settings.ExtDics[i];
    dic.DicName = std::string(TrimBlanks(groups[i].Name));
    dic.DicFile = TrimBlanks(groups[i].File).empty() ? std::string() : FullPath(groups[i].File);
    dic.StartUpKey = groups[i].KeyType;
  }
  // Every dictionary is opened before anything is written or freed.
  std::unique_ptr<TPreparedDictionaries> prepared;
  try {
    prepared = consumers.Prepare();
  } catch (const std::runtime_error& error) {
    Settings.ExtDics = previous;
    prompts.ShowError(Unchanged(error.what()));
    return false;
  }
  if (!Settings.SaveAll()) {
    Settings.ExtDics = previous;
    std::string error = "\"";
    prompts.ShowError(Unchanged(error.append(Settings.IniPath).append("\"に書き込めません。")));
    return false;
  }
  prepared->Apply();
  return true;
}
