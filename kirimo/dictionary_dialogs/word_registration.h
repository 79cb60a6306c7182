#pragma once
// The word registration dialog without its window: the word class list, the
// forms shown for checking, and storing the entry line in a user dictionary.
#include <string>
#include <string_view>

#include "common/string_list.h"

class TDictionaryFinder;
class TReadingSource;

// What the dialog's fields hold; the handlers read and write it.
struct TRegistrationFields {
  std::string DicName;      // the chosen dictionary
  std::string Word;         // the word, or the stem of an inflecting word
  std::string Reading;      // the reading as typed or chosen
  TStringList ReadingList;  // the readings offered for it
  int TypeIndex = -1;       // the chosen line of the class list, -1 for none
};

// The messages the dialog shows.
inline constexpr std::string_view InvalidInputMessage = "入力データが正しくありません。";
inline constexpr std::string_view DuplicateMessage = "既に登録されています。";
inline constexpr std::string_view RegisteredMessage = "登録されました。";

struct TRegistrationOutcome {
  std::string Message;     // empty when nothing is to be shown
  bool FocusWord = false;  // the word field takes the focus
};

class TWordRegistration {
 public:
  // The finder and the reading source outlive this object.
  TWordRegistration(const TDictionaryFinder& finder, TReadingSource& readings);

  // The class list: the lines "code=name" of the word type table.
  static const TStringList& TypeItems();
  // The forms of the word in the chosen class, for checking; empty for none chosen.
  static TStringList FormList(std::string_view word, int typeIndex);

  // The dictionaries to choose from.
  TStringList DictionaryNames() const;
  // Empties every field but the dictionary.
  static void Clear(TRegistrationFields& fields);
  // Offers the readings of the trimmed word; takes the first when none is typed.
  // A word longer than MaxProposedCharacters is offered none: no word is that
  // long, and reading it would hold the dialog.
  void ProposeReadings(TRegistrationFields& fields) const;
  static constexpr std::size_t MaxProposedCharacters = 100;
  // Registers the word as the fields say, writing back what the dialog shows.
  TRegistrationOutcome Register(TRegistrationFields& fields) const;

 private:
  TRegistrationOutcome RegisterJapanese(TRegistrationFields& fields) const;
  TRegistrationOutcome RegisterSingleByte(TRegistrationFields& fields) const;
  // Stores the entry unless the dictionary or its user dictionary holds it.
  TRegistrationOutcome Store(std::string_view dicName, std::string_view reading,
                             std::string_view word, std::string_view code) const;

  const TDictionaryFinder& Finder;
  TReadingSource& Readings;
};
