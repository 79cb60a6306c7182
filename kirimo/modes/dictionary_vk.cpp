#include "kirimo/modes/dictionary_vk.h"

#include <array>
#include <string>

#include "common/ascii_case.h"
#include "common/virtual_key.h"
#include "common/dictionary_file.h"
#include "common/blank_text.h"
#include "common/dictionary_line.h"

namespace {

// Code to name. Where one code has two names, the first of the pair is kept:
// 21 is VK_KANA (not VK_HANGUL) and 25 VK_HANJA (not VK_KANJI).
class TKeyNameTable {
 public:
  TKeyNameTable() {
    static constexpr std::pair<int, const char*> named[] = {
        {1, "VK_LBUTTON"},    {2, "VK_RBUTTON"},     {3, "VK_CANCEL"},    {4, "VK_MBUTTON"},
        {8, "VK_BACK"},       {9, "VK_TAB"},         {12, "VK_CLEAR"},    {13, "VK_RETURN"},
        {16, "VK_SHIFT"},     {17, "VK_CONTROL"},    {18, "VK_MENU"},     {19, "VK_PAUSE"},
        {20, "VK_CAPITAL"},   {21, "VK_KANA"},       {23, "VK_JUNJA"},    {24, "VK_FINAL"},
        {25, "VK_HANJA"},     {27, "VK_ESCAPE"},     {28, "VK_CONVERT"},  {29, "VK_NONCONVERT"},
        {30, "VK_ACCEPT"},    {31, "VK_MODECHANGE"}, {32, "VK_SPACE"},    {33, "VK_PRIOR"},
        {34, "VK_NEXT"},      {35, "VK_END"},        {36, "VK_HOME"},     {37, "VK_LEFT"},
        {38, "VK_UP"},        {39, "VK_RIGHT"},      {40, "VK_DOWN"},     {41, "VK_SELECT"},
        {42, "VK_PRINT"},     {43, "VK_EXECUTE"},    {44, "VK_SNAPSHOT"}, {45, "VK_INSERT"},
        {46, "VK_DELETE"},    {47, "VK_HELP"},       {91, "VK_LWIN"},     {92, "VK_RWIN"},
        {93, "VK_APPS"},      {106, "VK_MULTIPLY"},  {107, "VK_ADD"},     {108, "VK_SEPARATOR"},
        {109, "VK_SUBTRACT"}, {110, "VK_DECIMAL"},   {111, "VK_DIVIDE"},  {144, "VK_NUMLOCK"},
        {145, "VK_SCROLL"},   {160, "VK_LSHIFT"},    {161, "VK_RSHIFT"},  {162, "VK_LCONTROL"},
        {163, "VK_RCONTROL"}, {164, "VK_LMENU"},     {165, "VK_RMENU"},   {229, "VK_PROCESSKEY"},
        {246, "VK_ATTN"},     {247, "VK_CRSEL"},     {248, "VK_EXSEL"},   {249, "VK_EREOF"},
        {250, "VK_PLAY"},     {251, "VK_ZOOM"},      {252, "VK_NONAME"},  {253, "VK_PA1"},
        {254, "VK_OEM_CLEAR"}};
    for (auto [code, name] : named) Names[code] = name;
    for (int i = 0; i < 10; ++i) Names['0' + i] = std::string(1, static_cast<char>('0' + i));
    for (int i = 0; i < 26; ++i) Names['A' + i] = std::string(1, static_cast<char>('A' + i));
    for (int i = 0; i < 10; ++i) Names[96 + i] = std::string("VK_NUMPAD").append(std::to_string(i));
    for (int i = 1; i <= 24; ++i) Names[111 + i] = std::string("VK_F").append(std::to_string(i));
  }
  std::string_view NameOf(std::uint8_t code) const { return Names[code]; }

 private:
  std::array<std::string, 256> Names;
};

// Index of the first item equal to text, letter case ignored; -1 when none.
int IndexIgnoringCase(const TStringList& list, std::string_view text) {
  for (std::size_t i = 0; i < list.size(); ++i)
    if (EqualsIgnoringCase(list[i], text)) return static_cast<int>(i);
  return -1;
}

}  // namespace

TDictionaryVK::TDictionaryVK(std::string name, std::string fileName)
    : TDictionary(std::move(name), std::move(fileName)) {
  CreateFileIfMissing(GetFileName());
  ForEachLine(ReadWholeFile(GetFileName()), [this](int, std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return;  // not an entry
    std::string_view label = TrimBlanks(line.substr(equals + 1));
    if (label.empty()) return;
    KeyNames.emplace_back(TrimBlanks(line.substr(0, equals)));
    KeyLabels.emplace_back(label);
  });
}

std::string_view TDictionaryVK::KeyNameForCode(std::uint8_t code) {
  static const TKeyNameTable table;
  return table.NameOf(code);
}

std::uint8_t TDictionaryVK::LabelToCode(std::string_view label) const {
  const int index = IndexIgnoringCase(KeyLabels, label);
  return index < 0 ? 0 : VirtualKeyCode(KeyNames[index]);
}

std::string TDictionaryVK::CodeToLabel(std::uint8_t code) const {
  const std::string_view name = KeyNameForCode(code);
  if (name.empty()) return {};
  const int index = IndexIgnoringCase(KeyNames, name);
  return index < 0 ? std::string() : KeyLabels[index];
}
