#include "gleaner/gleaner_messages.h"

std::string GleanerErrorText(std::string_view error) {
  std::string text = "予期せぬエラーが発生！\r\n＞ ";
  return text.append(error).append("\r\nアプリケーションを終了します。");
}

std::string SaveFailureText(std::string_view error) {
  std::string text = "辞書へ登録できませんでした。\r\n＞ ";
  return text.append(error).append("\r\n抽出した名詞と読みはそのままです。");
}
