#pragma once
// The word dictionaries named in Kirimo's settings: [BASE_DIC] and
// [EXT1_DIC] .. [EXT3_DIC]. Kirimo reads them with the rest of its settings;
// Gleaner reads only these.
#include <array>
#include <string>
#include <string_view>

class TProfileFile;

struct TDicSettings {
  std::string DicName;
  std::string DicFile;      // expanded; empty for none
  std::string HistoryFile;  // expanded
  int HistoryCount = 100;
  int StartUpKey = 0;
  std::string SymbolName;  // section of its symbol list
};

struct TDictionarySections {
  static constexpr int ExtDicCount = 3;
  static constexpr std::string_view ExtSections[ExtDicCount] = {"EXT1_DIC", "EXT2_DIC", "EXT3_DIC"};

  TDicSettings BaseDic;
  std::array<TDicSettings, ExtDicCount> ExtDics;
};

// What a section without DicName is called: Kirimo gives "基本", "Ext1" to
// "Ext3"; Gleaner reads it as empty, and such a dictionary is not offered.
enum class TMissingDicName { Default, Empty };

// Paths the file gives relatively are expanded against programFolder (with
// its trailing separator). Missing keys take their defaults.
TDictionarySections ReadDictionarySections(const TProfileFile& file, std::string_view programFolder,
                                           TMissingDicName missingName = TMissingDicName::Default);
