#include "kirimo/shell/program_messages.h"

namespace {

std::string Quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

std::string PlaceBesideText(std::string_view programName) {
  return Quoted(programName) + "ファイルと同じフォルダに配置してください。";
}

}  // namespace

std::string StartupProblem(bool iniExists, bool dicFolderExists, std::string_view iniName,
                           std::string_view programName) {
  if (!iniExists)
    return Quoted(iniName) + "ファイルが見つかりません。\r\n" + PlaceBesideText(programName);
  if (!dicFolderExists)
    return Quoted("dic") + "フォルダが見つかりません。\r\n" + PlaceBesideText(programName);
  return {};
}

std::string UnexpectedErrorText(std::string_view errorMessage) {
  return "予期せぬエラーが発生しました！\r\n＞ " + std::string(errorMessage) +
         "\r\nアプリケーションを終了してください";
}
