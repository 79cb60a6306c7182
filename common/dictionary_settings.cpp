#include "common/dictionary_settings.h"

#include "common/file_path.h"
#include "common/profile_file.h"

namespace {

TDicSettings ReadSection(const TProfileFile& file, std::string_view programFolder,
                         std::string_view section, std::string_view name,
                         std::string_view history) {
  auto path = [&](std::string_view key, std::string_view fallback) {
    return ExpandPath(programFolder, FromStoredPath(file.ReadString(section, key, fallback)));
  };
  TDicSettings dic;
  dic.DicName = file.ReadString(section, "DicName", name);
  dic.DicFile = path("DicFile", "");
  dic.HistoryFile = path("HistoryFile", history);
  dic.HistoryCount = file.ReadInteger(section, "HistoryCount", dic.HistoryCount);
  dic.StartUpKey = file.ReadInteger(section, "StartUpKey", dic.StartUpKey);
  dic.SymbolName = file.ReadString(section, "SymbolName", "");
  return dic;
}

}  // namespace

TDictionarySections ReadDictionarySections(const TProfileFile& file, std::string_view programFolder,
                                           TMissingDicName missingName) {
  const bool named = missingName == TMissingDicName::Default;
  TDictionarySections sections;
  sections.BaseDic =
      ReadSection(file, programFolder, "BASE_DIC", named ? "基本" : "", "dic\\BaseHistory.txt");
  const std::string_view names[] = {named ? "Ext1" : "", named ? "Ext2" : "", named ? "Ext3" : ""};
  const std::string_view histories[] = {"dic\\EXT1History.txt", "dic\\EXT2History.txt",
                                        "dic\\EXT3History.txt"};
  for (int i = 0; i < TDictionarySections::ExtDicCount; ++i)
    sections.ExtDics[i] = ReadSection(file, programFolder, TDictionarySections::ExtSections[i],
                                      names[i], histories[i]);
  return sections;
}
