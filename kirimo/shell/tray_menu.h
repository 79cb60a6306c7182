#pragma once
// The tray icon's menu, top to bottom, and what the icon's mouse buttons do:
// a button acts on release only when it went down on the icon too.
#include <array>
#include <string_view>

enum class TTrayCommand {
  Exit,
  About,
  ExtDic,
  AddJPWord,
  Gleaner,
  Use50Key,
  CM,
  Font,
  Speed,
  Show,
  Hide,
  Separator,
};

struct TTrayMenuItem {
  std::string_view Name;
  std::string_view Caption;
  TTrayCommand Command;
};

inline constexpr std::array<TTrayMenuItem, 15> TrayMenuItems = {{
    {"MenuExit", "終了", TTrayCommand::Exit},
    {"N1", "-", TTrayCommand::Separator},
    {"MenuAbout", "バージョン情報", TTrayCommand::About},
    {"N2", "-", TTrayCommand::Separator},
    {"MenuExtDic", "拡張辞書の設定", TTrayCommand::ExtDic},
    {"MenuAddJPWord", "単語登録", TTrayCommand::AddJPWord},
    {"MenuGleaner", "テキストから新語抽出", TTrayCommand::Gleaner},
    {"N4", "-", TTrayCommand::Separator},
    {"MenuUse50Key", "５０音ボタンの使用", TTrayCommand::Use50Key},
    {"MenuCM", "CMパネルの表示", TTrayCommand::CM},
    {"MenuFont", "フォント設定", TTrayCommand::Font},
    {"MenuSpeed", "ｽｸﾛｰﾙｽﾋﾟｰﾄﾞの設定", TTrayCommand::Speed},
    {"N3", "-", TTrayCommand::Separator},
    {"MenuShow", "表示", TTrayCommand::Show},
    {"MenuHide", "隠す", TTrayCommand::Hide},
}};

// Commands that open a modal dialog or wait for another program.
constexpr bool IsModalCommand(TTrayCommand command) {
  return command == TTrayCommand::About || command == TTrayCommand::ExtDic ||
         command == TTrayCommand::AddJPWord || command == TTrayCommand::Gleaner ||
         command == TTrayCommand::Font || command == TTrayCommand::Speed;
}

enum class TTrayMouse { LeftDown, LeftUp, RightDown, RightUp, Other };
enum class TTrayAction { None, ShowKeypad, PopupMenu };

class TTrayClicks {
 public:
  // ready: the keypad exists and the start-up build is over; clicks before
  // that do nothing. dialogOpen: a modal command is running.
  TTrayAction OnMouse(TTrayMouse event, bool ready, bool dialogOpen);

 private:
  bool LeftArmed = false;
  bool RightArmed = false;
};
