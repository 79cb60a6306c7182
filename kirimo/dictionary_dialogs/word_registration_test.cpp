#include "kirimo/dictionary_dialogs/word_registration.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "kirimo/dictionary_dialogs/dictionary_finder.h"
#include "kirimo/language/dictionary.h"
#include "readings/ime_readings.h"

namespace {

// Holds entry lines as given; a line added is held at once, as a user dictionary does.
class TLineDictionary : public TDictionary {
 public:
  using TDictionary::TDictionary;
  int AddEntry(std::string_view line) override {
    Lines.emplace_back(line);
    return static_cast<int>(Lines.size()) - 1;
  }
  bool ContainsEntry(std::string_view line) const override {
    return std::find(Lines.begin(), Lines.end(), line) != Lines.end();
  }
  TStringList Lines;
};

class TFakeFinder : public TDictionaryFinder {
 public:
  TFakeFinder() {
    Add("基本");
    Add("固有名詞");
  }
  void Add(const std::string& name) {
    Mains[name] = std::make_unique<TLineDictionary>(name, name + ".dic");
    Users[name] = std::make_unique<TLineDictionary>(name + "Usr", name + ".usr");
  }
  TDictionary* FindByName(std::string_view name) const override { return Find(Mains, name); }
  TDictionary* FindUserByName(std::string_view name) const override { return Find(Users, name); }
  TStringList RegistrableNames() const override { return {"基本", "固有名詞"}; }
  TLineDictionary& Main(const std::string& name) { return *Mains.at(name); }
  TLineDictionary& User(const std::string& name) { return *Users.at(name); }

 private:
  using TMap = std::map<std::string, std::unique_ptr<TLineDictionary>, std::less<>>;
  static TDictionary* Find(const TMap& map, std::string_view name) {
    auto found = map.find(name);
    return found == map.end() ? nullptr : found->second.get();
  }
  TMap Mains;
  TMap Users;
};

class TFixedReadings : public TReadingSource {
 public:
  TStringList ReverseConversion(std::string_view word) override {
    ++Asked;
    if (word == "漢字") return {"かんじ", " カンジ "};
    return word.starts_with("漢") ? TStringList{"ｶﾝ"} : TStringList{};
  }
  int Asked = 0;
};

int TypeIndexOf(std::string_view code) {
  const TStringList& items = TWordRegistration::TypeItems();
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].rfind(code, 0) == 0) return static_cast<int>(i);
  return -1;
}

class WordRegistration : public ::testing::Test {
 protected:
  TRegistrationFields Fields(std::string word, std::string reading, int typeIndex) {
    return {"基本", std::move(word), std::move(reading), {}, typeIndex};
  }
  TFakeFinder Finder;
  TFixedReadings Readings;
  TWordRegistration Registration{Finder, Readings};
};

}  // namespace

TEST_F(WordRegistration, TheClassListIsTheWordTypeTable) {
  const TStringList& items = TWordRegistration::TypeItems();
  ASSERT_EQ(items.size(), 23u);
  EXPECT_EQ(items[1], "001=名詞");
  EXPECT_EQ(Registration.DictionaryNames(), (TStringList{"基本", "固有名詞"}));
}

TEST_F(WordRegistration, FormListShowsTheWordOrItsFormsByClass) {
  EXPECT_TRUE(TWordRegistration::FormList("書", -1).empty());
  EXPECT_EQ(TWordRegistration::FormList(" 漢字 ", TypeIndexOf("001")), (TStringList{" 漢字 "}));
  EXPECT_EQ(TWordRegistration::FormList("何", TypeIndexOf("000")), (TStringList{"何"}));
  TStringList forms = TWordRegistration::FormList("書", TypeIndexOf("009"));  // カ五段イ音便
  ASSERT_EQ(forms.size(), 12u);
  EXPECT_EQ(forms[0], "語幹=書");
  EXPECT_EQ(forms[1], "推量=書こう");
  EXPECT_EQ(forms[8], "終止=書く");
  // Forms the class lacks show their name and nothing after "=".
  TStringList come = TWordRegistration::FormList("来", TypeIndexOf("002"));
  EXPECT_EQ(come[0], "語幹=");
  EXPECT_EQ(come[8], "終止=来くる");
}

TEST_F(WordRegistration, AJapaneseWordIsStoredWithItsHalfWidthReading) {
  TRegistrationFields fields = Fields(" 漢字 ", " かんじ ", TypeIndexOf("001"));
  TRegistrationOutcome outcome = Registration.Register(fields);
  EXPECT_EQ(outcome.Message, RegisteredMessage);
  EXPECT_EQ(fields.Word, "漢字");
  EXPECT_EQ(fields.Reading, "ｶﾝｼﾞ");
  EXPECT_EQ(Finder.User("基本").Lines, (TStringList{"ｶﾝｼﾞ,漢字,001"}));
  EXPECT_TRUE(Finder.Main("基本").Lines.empty());
  EXPECT_FALSE(outcome.FocusWord);
}

TEST_F(WordRegistration, TwiceIsADuplicateButAnotherClassIsANewEntry) {
  TRegistrationFields fields = Fields("漢字", "ｶﾝｼﾞ", TypeIndexOf("001"));
  EXPECT_EQ(Registration.Register(fields).Message, RegisteredMessage);
  EXPECT_EQ(Registration.Register(fields).Message, DuplicateMessage);
  fields.TypeIndex = TypeIndexOf("022");
  EXPECT_EQ(Registration.Register(fields).Message, RegisteredMessage);
  EXPECT_EQ(Finder.User("基本").Lines, (TStringList{"ｶﾝｼﾞ,漢字,001", "ｶﾝｼﾞ,漢字,022"}));
  // Held by the main dictionary is a duplicate too.
  Finder.Main("固有名詞").Lines = {"ｶﾝｼﾞ,漢字,001"};
  fields = Fields("漢字", "ｶﾝｼﾞ", TypeIndexOf("001"));
  fields.DicName = "固有名詞";
  EXPECT_EQ(Registration.Register(fields).Message, DuplicateMessage);
  EXPECT_TRUE(Finder.User("固有名詞").Lines.empty());
}

TEST_F(WordRegistration, IncompleteOrUnreadableJapaneseInputIsRefused) {
  for (TRegistrationFields fields :
       {Fields("漢字", "", TypeIndexOf("001")), Fields("漢字", "ｶﾝｼﾞ", -1),
        Fields("漢字", "かん字", TypeIndexOf("001")), Fields("漢字", "ｶﾝｼﾞ", 99)}) {
    EXPECT_EQ(Registration.Register(fields).Message, InvalidInputMessage) << fields.Reading;
  }
  TRegistrationFields kanji = Fields("漢字", "かん字", TypeIndexOf("001"));
  Registration.Register(kanji);
  EXPECT_EQ(kanji.Reading, "ｶﾝ字");  // the field shows the converted text
  EXPECT_TRUE(Finder.User("基本").Lines.empty());
}

TEST_F(WordRegistration, ASingleByteWordIsItsOwnReading) {
  TRegistrationFields fields = Fields("PC", "ignored", -1);
  fields.ReadingList = {"x"};
  TRegistrationOutcome outcome = Registration.Register(fields);
  EXPECT_EQ(outcome.Message, RegisteredMessage);
  EXPECT_TRUE(outcome.FocusWord);
  EXPECT_EQ(Finder.User("基本").Lines, (TStringList{"PC,PC,001"}));
  EXPECT_EQ(fields.Reading, "PC");
  EXPECT_TRUE(fields.ReadingList.empty());
  EXPECT_EQ(fields.TypeIndex, 1);
  // A chosen class is kept; blanks inside the word are quoted so the line reads back whole.
  fields = Fields(" a b ", "", TypeIndexOf("000"));
  EXPECT_EQ(Registration.Register(fields).Message, RegisteredMessage);
  EXPECT_EQ(Finder.User("基本").Lines.back(), "\"a b\",\"a b\",000");
  EXPECT_EQ(fields.TypeIndex, TypeIndexOf("000"));
  // No word: refused rather than storing a line that loads as nothing.
  fields = Fields("  ", "", -1);
  EXPECT_EQ(Registration.Register(fields).Message, InvalidInputMessage);
  EXPECT_EQ(Finder.User("基本").Lines.size(), 2u);
}

TEST_F(WordRegistration, NothingIsStoredWithoutAUserDictionary) {
  TRegistrationFields fields = Fields("漢字", "ｶﾝｼﾞ", TypeIndexOf("001"));
  fields.DicName = "無い";
  EXPECT_EQ(Registration.Register(fields).Message, "");
}

TEST_F(WordRegistration, ReadingsAreOfferedAndTheFirstTakenWhenNoneIsTyped) {
  TRegistrationFields fields = Fields(" 漢字 ", " ", -1);
  Registration.ProposeReadings(fields);
  EXPECT_EQ(fields.ReadingList, (TStringList{"ｶﾝｼﾞ"}));
  EXPECT_EQ(fields.Reading, "ｶﾝｼﾞ");
  fields.Reading = "ｶﾝ";
  Registration.ProposeReadings(fields);
  EXPECT_EQ(fields.Reading, "ｶﾝ");
  fields = Fields("  ", "", -1);
  fields.ReadingList = {"old"};
  Registration.ProposeReadings(fields);  // no word: nothing asked, nothing changed
  EXPECT_EQ(fields.ReadingList, (TStringList{"old"}));
  EXPECT_EQ(Readings.Asked, 2);
  TWordRegistration::Clear(fields);
  EXPECT_EQ(fields.DicName, "基本");
  EXPECT_TRUE(fields.ReadingList.empty());
  EXPECT_EQ(fields.TypeIndex, -1);
}

TEST_F(WordRegistration, AWordLongerThanAnyIsOfferedNoReadingsAndNothingIsAsked) {
  std::string longest;
  for (std::size_t i = 0; i < TWordRegistration::MaxProposedCharacters; ++i) longest += "漢";
  TRegistrationFields fields = Fields(longest, "", -1);
  Registration.ProposeReadings(fields);
  EXPECT_EQ(fields.ReadingList, (TStringList{"ｶﾝ"}));
  // The most the word field holds: the dialog answers at once.
  std::string full;
  while (full.size() < 2 * 32767) full += "漢";
  fields = Fields(full, "", -1);
  fields.ReadingList = {"ｶﾝ"};
  Registration.ProposeReadings(fields);
  EXPECT_TRUE(fields.ReadingList.empty());
  EXPECT_TRUE(fields.Reading.empty());
  EXPECT_EQ(Readings.Asked, 1);
}
