#pragma once
// The program's settings: read once from "<program>.ini" beside the program,
// held in plain fields for everyone, and partly written back.
//
// Paths are CP932 in this platform's form. Those the file names relatively are
// expanded against the program's folder; CMFile and the extension DicFiles are
// written back relative to it.
#include <array>
#include <string>
#include <string_view>

#include "common/dictionary_settings.h"
#include "kirimo/cartridge_base/double_click_time.h"

struct TFontStyles {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;

  bool operator==(const TFontStyles&) const = default;
};

// "fsItalic,fsBold" (any case, any order) -> bold and italic.
TFontStyles ParseFontStyles(std::string_view text);
// "fsBold,fsItalic," and so on, each present style with its comma; "" for none.
std::string FontStyleText(const TFontStyles& styles);

struct TListFont {
  std::string Name = "ＭＳ ゴシック";
  int Size = 12;  // points
  TFontStyles Styles;
  int Color = -16777208;  // the system window-text colour (0xFF000008)
  int Charset = 128;      // Shift-JIS

  bool operator==(const TListFont&) const = default;
};

// A vowel-button sub-button from [SUB_BUTTON_VK]: "VK_RETURN=改行".
struct TSubButton {
  std::string KeyName;  // empty for padding
  std::string Caption = " ";
};

// Dwell: resting the pointer this long on a control presses it. Times outside
// the range switch it off, as 0 does.
constexpr int MinDwellTime = 300;
constexpr int MaxDwellTime = 5000;
// What switching dwell on gives when no time was set before.
constexpr int DefaultDwellTime = 1000;
// How far (pixels at 96 DPI) a trembling pointer may stray and still rest.
constexpr int DefaultDwellTolerance = 6;
constexpr int MaxDwellTolerance = 40;
// milliseconds when within the range, else 0 (off).
constexpr int ValidDwellTime(int milliseconds) {
  return milliseconds >= MinDwellTime && milliseconds <= MaxDwellTime ? milliseconds : 0;
}

class TAppIni {
 public:
  static constexpr int SubButtonCount = 5;
  static constexpr int ExtDicCount = TDictionarySections::ExtDicCount;

  // programPath: the full path of the running program; the settings file is
  // that path with the extension ".ini". Reads every key; each missing or bad
  // value takes its default.
  explicit TAppIni(std::string_view programPath, int doubleClickTime = SystemDoubleClickTime());
  TAppIni(const TAppIni&) = delete;
  TAppIni& operator=(const TAppIni&) = delete;

  // Setters that mark the settings modified only when the value changes.
  void SetTop(int value);
  void SetLeft(int value);
  void SetWidth(int value);
  void SetHeight(int value);
  void SetKeyHeight(int value);
  void SetCMVisible(bool value);
  void SetUse50Key(bool value);
  // On: the time used last (or DefaultDwellTime); off: DwellTime 0.
  void SwitchDwell(bool on);

  // Writes the [SYSTEM] keys and DicName, DicFile, StartUpKey of the extension
  // dictionaries into the file; everything else in it stays. False when the
  // file could not be written (callers stay silent).
  bool SaveAll();
  // SaveAll when modified, then clears the mark.
  void SaveIfModified();
  // The program calls this when it frees the settings at exit: SaveAll when
  // the file existed at the start.
  void SaveOnExit();

  // The key name of the sub-button whose caption equals caption (ignoring
  // case); empty for an empty caption or no match.
  std::string KeyCommandName(std::string_view caption) const;
  // The five captions joined with commas.
  std::string SubButtonCaptions() const;

  // Where things are.
  std::string ProgramFolder;  // with its trailing separator
  std::string IniPath;
  std::string DicFolder;  // ProgramFolder + "dic"
  bool FileExisted = false;

  // [SYSTEM]
  int Top = 0;
  int Left = 0;
  int Width = 200;
  int Height = 640;
  int KeyHeight = 150;
  int SendMode = 1;
  int ScrollTime = 100;
  TListFont ListFont;
  int AcumulateTime = 500;
  bool CMVisible = false;
  std::string CMFile;  // expanded
  bool Use50Key = false;
  int DwellTime = 0;  // milliseconds, 0 for off
  int DwellTolerance = DefaultDwellTolerance;

  std::array<TSubButton, SubButtonCount> SubButtons;

  TDicSettings BaseDic;
  std::array<TDicSettings, ExtDicCount> ExtDics;

  // [NM_DIC]: the alphanumeric cartridge exists only when NmDicName is not empty.
  std::string NmDicName = "NM";
  std::string NmSymbolName;

  // [VK_DIC]
  std::string VkDicName = "VK";
  std::string VkDicFile;  // expanded

  bool SettingsModified = false;

 private:
  void Read();

  int DwellTimeWhenOn = DefaultDwellTime;
};
