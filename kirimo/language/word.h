#pragma once
// One entry of a dictionary or of the particle table: a stem with its reading,
// its written form and its word type, which picks its conjugation endings.
#include <cstdint>
#include <string>
#include <string_view>

// The word types the engine tells apart by code (the three-digit codes of the
// type table; 001 is the noun, 002 to 020 the verbs).
enum TWordTypeCode : int {
  OtherWordType = 0,            // その他
  AdjectiveWordType = 21,       // 形容詞
  AdjectivalNounWordType = 22,  // 形容動詞
};

class TWord {
 public:
  // From a dictionary line: "_" stands for an empty field and the reading is
  // brought to half width (only the width changes: hiragana stays hiragana).
  TWord(std::string_view reading, std::string_view notation, std::string_view typeText);
  // From a particle-table line: the reading is taken as written. The key is
  // not stored; it is always recomputed from the reading.
  static TWord FromParticleLine(std::string_view key, std::string_view reading,
                                std::string_view notation, std::string_view typeText);

  const std::string& Reading() const { return ReadingText; }
  const std::string& Notation() const { return NotationText; }
  std::int16_t WordType() const { return Type; }

  // Key string of the stem.
  std::string Key() const;
  // The word in a conjugation form (0-11): stem plus ending. A form the type
  // lacks gives the stem followed by "_".
  std::string KeyOf(int form) const;
  std::string ReadingOf(int form) const;
  std::string NotationOf(int form) const;
  // Key letters of the stem: the bytes of the reading except the voicing marks.
  int KeyLength() const { return KeyLengthCache; }
  int KeyLengthOf(int form) const;

 private:
  struct TStoredReading {};
  TWord(TStoredReading, std::string reading, std::string_view notation, std::string_view typeText);

  std::string ReadingText;
  std::string NotationText;
  std::int16_t Type;
  // Counted once: phrase lists ask for it on every candidate at every key.
  std::int16_t KeyLengthCache;
};

// A type text as a dictionary or table gives it: a decimal number truncated
// toward zero; anything else, or a value outside 16 bits, is type 0.
std::int16_t ParseWordType(std::string_view text);
