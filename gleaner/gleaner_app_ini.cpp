#include "gleaner/gleaner_app_ini.h"

#include <exception>
#include <optional>

#include "common/ascii_case.h"
#include "common/dictionary_file.h"
#include "common/dictionary_line.h"
#include "common/dictionary_settings.h"
#include "common/file_path.h"
#include "common/profile_file.h"

namespace {

// The value of the first "name=value" line with this name (ignoring case).
std::optional<std::string> ReadNamedValue(std::string_view text, std::string_view name) {
  std::optional<std::string> value;
  ForEachLine(text, [&](int, std::string_view line) {
    if (value) return;
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return;
    if (EqualsIgnoringCase(TrimBlanks(line.substr(0, equals)), name))
      value = std::string(TrimBlanks(line.substr(equals + 1)));
  });
  return value;
}

}  // namespace

TGleanerAppIni::TGleanerAppIni(std::string_view programPath)
    : ProgramFolder(FolderOf(programPath)), PointerPath(ReplaceExtension(programPath, ".ini")) {
  try {
    Read();
  } catch (const std::exception&) {
    // What was read stays; Problem names the step that failed.
  }
}

void TGleanerAppIni::Read() {
  if (!FileExists(PointerPath)) return;
  std::optional<std::string> dicIni = ReadNamedValue(ReadWholeFile(PointerPath), "DIC_INI");
  Problem = TBaseDicProblem::NoDicIniLine;
  if (!dicIni || dicIni->empty()) return;
  SettingsPath = ExpandPath(ProgramFolder, FromStoredPath(*dicIni));
  Problem = TBaseDicProblem::NoSettingsFile;
  ReadDictionaries();
}

void TGleanerAppIni::ReadDictionaries() {
  TProfileFile file(SettingsPath);
  if (!file.Existed()) return;
  // Paths are read as Kirimo reads them; a missing name stays empty.
  const TDictionarySections sections =
      ReadDictionarySections(file, ProgramFolder, TMissingDicName::Empty);
  for (int index = 0; index < DicCount; ++index) {
    const TDicSettings& section =
        index == BaseDic ? sections.BaseDic : sections.ExtDics[static_cast<std::size_t>(index - 1)];
    TGleanerDicFiles& dic = Dics[static_cast<std::size_t>(index)];
    if (index == BaseDic) BaseDicFileSetting = section.DicFile;
    if (section.DicFile.empty() || !FileExists(section.DicFile)) continue;
    dic.DicFile = section.DicFile;
    dic.DicName = section.DicName;
    if (!dic.DicName.empty()) dic.UsrFile = UserDictionaryPath(dic.DicFile);
  }
  const TGleanerDicFiles& base = Dics[BaseDic];
  if (BaseDicFileSetting.empty()) {
    Problem = TBaseDicProblem::NoBaseDicFile;
  } else if (base.DicFile.empty()) {
    Problem = TBaseDicProblem::BaseDicMissing;
  } else if (base.UsrFile.empty()) {
    Problem = TBaseDicProblem::NoBaseDicName;
  } else {
    Problem = TBaseDicProblem::None;
  }
}

std::string TGleanerAppIni::BaseProblemMessage() const {
  const std::string head = "基本辞書が見つからないため終了します。\r\n\"";
  switch (Problem) {
    case TBaseDicProblem::None:
      return {};
    case TBaseDicProblem::NoPointerFile:
      return head + PointerPath + "\"ファイルが見つかりません。";
    case TBaseDicProblem::NoDicIniLine:
      return head + PointerPath + "\"ファイルにDIC_INIの行がありません。";
    case TBaseDicProblem::NoSettingsFile:
      return head + SettingsPath + "\"ファイルが見つかりません（\"" + PointerPath +
             "\"のDIC_INIの行が指すファイルです）。";
    case TBaseDicProblem::NoBaseDicFile:
      return head + SettingsPath + "\"ファイルの[BASE_DIC]にDicFileがありません。";
    case TBaseDicProblem::BaseDicMissing:
      return head + BaseDicFileSetting + "\"ファイルが見つかりません（\"" + SettingsPath +
             "\"の[BASE_DIC]のDicFileです）。";
    case TBaseDicProblem::NoBaseDicName:
      return head + SettingsPath + "\"ファイルの[BASE_DIC]にDicNameがありません。";
  }
  return {};
}
