#pragma once
// Which dictionaries Kirimo uses, found once at start: the pointer file beside
// the program ("DIC_INI=Kirimo.ini") names Kirimo's settings file, whose
// dictionary sections give each dictionary file; each has its user file
// beside it with the extension ".usr".
#include <array>
#include <string>
#include <string_view>

// One dictionary of Kirimo's settings. Present when DicFile is not empty.
struct TGleanerDicFiles {
  std::string DicName;
  std::string DicFile;  // full path
  std::string UsrFile;  // full path; empty when the dictionary has no name
};

// Why no base dictionary could be found, in the order they are checked.
enum class TBaseDicProblem {
  None,
  NoPointerFile,   // the pointer file cannot be read
  NoDicIniLine,    // it has no DIC_INI line
  NoSettingsFile,  // the file it names cannot be read
  NoBaseDicFile,   // [BASE_DIC] has no DicFile
  BaseDicMissing,  // the DicFile it names does not exist
  NoBaseDicName,   // [BASE_DIC] has no DicName, so its user file is unknown
};

class TGleanerAppIni {
 public:
  static constexpr int DicCount = 4;  // base, then extensions 1 to 3
  static constexpr int BaseDic = 0;

  // programPath: the running program's full path; the pointer file is that
  // path with the extension ".ini". Nothing is ever written. A file that
  // cannot be read leaves what was read before it and the rest empty.
  explicit TGleanerAppIni(std::string_view programPath);

  const TGleanerDicFiles& Dic(int index) const { return Dics.at(static_cast<std::size_t>(index)); }
  bool IsPresent(int index) const { return !Dic(index).DicFile.empty(); }

  const std::string& SettingsFile() const { return SettingsPath; }
  TBaseDicProblem BaseProblem() const { return Problem; }
  // One message saying what is missing and where it was looked for; empty
  // when the base dictionary and its user file are known.
  std::string BaseProblemMessage() const;

 private:
  void Read();
  void ReadDictionaries();

  std::string ProgramFolder;
  std::string PointerPath;
  std::string SettingsPath;        // empty until the pointer file named it
  std::string BaseDicFileSetting;  // the base DicFile of the settings, expanded
  TBaseDicProblem Problem = TBaseDicProblem::NoPointerFile;
  std::array<TGleanerDicFiles, DicCount> Dics;
};
