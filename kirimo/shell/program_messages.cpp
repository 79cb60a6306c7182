#include "kirimo/shell/program_messages.h"

#include "kirimo/engine/dictionary_manager.h"

namespace {

std::string MissingText(std::string_view name, std::string_view what,
                        std::string_view programName) {
  return '"' + std::string(name) + '"' + std::string(what) + "\r\n\"" + std::string(programName) +
         "\"ファイルと同じフォルダに配置してください。";
}

}  // namespace

std::string StartupProblem(bool iniExists, bool dicFolderExists, std::string_view iniName,
                           std::string_view programName) {
  if (!iniExists) return MissingText(iniName, "ファイルが見つかりません。", programName);
  if (!dicFolderExists) return MissingText("dic", "フォルダが見つかりません。", programName);
  return {};
}

std::string UnexpectedErrorText(std::string_view errorMessage) {
  return "予期せぬエラーが発生しました！\r\n＞ " + std::string(errorMessage) +
         "\r\nアプリケーションを終了してください";
}

std::string DictionaryFailureText(const std::vector<TDictionaryOpenError>& failures) {
  if (failures.empty()) return {};
  std::string text = "次の辞書は開けないため、使わずに起動しました。";
  for (const TDictionaryOpenError& failure : failures) {
    text += "\r\n";
    text += failure.what();
  }
  text += "\r\n拡張辞書はトレイメニューの「拡張辞書の設定」で直せます。";
  return text;
}
