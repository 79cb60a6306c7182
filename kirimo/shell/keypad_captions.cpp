#include "kirimo/shell/keypad_captions.h"

#include <cstddef>

#include "common/cp932.h"

TKeypadCaptions::TKeypadCaptions()
    : KeyCaptions{"@/あ",    "ABC/か", "DEF/さ",  "GHI/た", "JKL/な", "MNO/は",
                  "PQRS/ま", "TUV/や", "WXYZ/ら", "*",      "０/わ",  "#"} {
  GridCaptions[LayoutCell] = "A";
}

void TKeypadCaptions::SetKeyLabels(const TStringList& labels) {
  for (std::size_t i = 0; i < KeyCaptions.size(); ++i) {
    KeyCaptions[i] = i < labels.size() ? labels[i] : std::string();
  }
}

void TKeypadCaptions::SetVowelLabels(const std::optional<TStringList>& labels) {
  VowelCaptions.fill("");
  if (!labels) return;
  for (std::size_t i = 0; i < VowelCaptions.size() && i < labels->size(); ++i) {
    VowelCaptions[i] = (*labels)[i];
  }
}

void TKeypadCaptions::SetGridLetters(std::string_view letters) {
  std::size_t cell = 0;
  ForEachChar(letters, [&](std::string_view letter) {
    if (cell >= GridCaptions.size()) return;
    GridCaptions[cell++] = letter == "&" ? "&&" : std::string(letter);
  });
}

std::string FixedCaption(TKeypadPart part, std::string_view dictionaryName) {
  switch (part) {
    case TKeypadPart::Clear:
      return "クリア";
    case TKeypadPart::Dictionary:
      return dictionaryName.empty() ? "辞書切替" : std::string(dictionaryName);
    case TKeypadPart::Hide:
      return "隠す";
    case TKeypadPart::ListUp:
      return "▲";
    case TKeypadPart::ListDown:
      return "▼";
    case TKeypadPart::ListLeft:
      return "<";
    case TKeypadPart::ListRight:
      return ">";
    default:
      return {};
  }
}

std::string ShownCaption(std::string_view caption) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && ++i == caption.size()) break;
    shown += caption[i];
  }
  return shown;
}
