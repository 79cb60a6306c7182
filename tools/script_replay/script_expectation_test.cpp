#include "tools/script_replay/script_expectation.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TScriptExpectation Parsed(std::string_view line) {
  std::optional<TScriptExpectation> expectation = ParseExpectation(line);
  EXPECT_TRUE(expectation) << line;
  return expectation.value_or(TScriptExpectation{});
}

std::optional<std::string> Check(std::string_view line, const TScriptFacts& facts) {
  return Unmet(Parsed(line), facts);
}

const TScriptFacts Keypad = {{"keys", "ﾊﾅ"},         {"item", "花"},  {"item", "鼻"},
                             {"out", "text \"花\""}, {"pressed", ""}, {"status", "a  b"}};

}  // namespace

TEST(ScriptExpectation, OnlyALineWhoseFirstWordIsExpect) {
  for (std::string_view line : {"", "key か", "# expect keys ﾊ", "expected keys", "expects"}) {
    EXPECT_FALSE(ParseExpectation(line)) << line;
  }
  TScriptExpectation keys = Parsed(" \texpect  keys \t ﾊﾅ  ");
  EXPECT_FALSE(keys.Absent);
  EXPECT_EQ(keys.Name, "keys");
  EXPECT_EQ(keys.Value, "ﾊﾅ");
  EXPECT_EQ(Parsed("expect out text \"a  b\"").Value, "text \"a  b\"");
  TScriptExpectation none = Parsed("expect no out");
  EXPECT_TRUE(none.Absent);
  EXPECT_EQ(none.Name, "out");
  EXPECT_FALSE(none.Value);
  EXPECT_EQ(Parsed("expect no item 傘").Value, "傘");
  EXPECT_FALSE(Parsed("expect pressed").Value);
}

TEST(ScriptExpectation, ALineThatNamesNothingIsAnError) {
  EXPECT_THROW(ParseExpectation("expect"), std::invalid_argument);
  EXPECT_THROW(ParseExpectation("expect  no "), std::invalid_argument);
}

TEST(ScriptExpectation, AValueMustBeOneOfTheNameToTheByte) {
  EXPECT_FALSE(Check("expect keys ﾊﾅ", Keypad));
  EXPECT_FALSE(Check("expect item 鼻", Keypad));
  EXPECT_FALSE(Check("expect out text \"花\"", Keypad));
  EXPECT_FALSE(Check("expect status a  b", Keypad));
  EXPECT_EQ(Check("expect keys ﾊ", Keypad), "keys reads ﾊﾅ");
  EXPECT_EQ(Check("expect item 話", Keypad), "item reads 花 | 鼻");
  EXPECT_EQ(Check("expect status a b", Keypad), "status reads a  b");
  EXPECT_EQ(Check("expect cartridge 基本", Keypad), "the state shows no cartridge");
}

TEST(ScriptExpectation, ANameWithoutValueIsShownWhenItReadsAnything) {
  EXPECT_FALSE(Check("expect item", Keypad));
  EXPECT_EQ(Check("expect pressed", Keypad), "the state shows no pressed");
  EXPECT_FALSE(Check("expect no pressed", Keypad));
  EXPECT_FALSE(Check("expect no countdown", Keypad));
  EXPECT_EQ(Check("expect no out", Keypad), "out reads text \"花\"");
}

TEST(ScriptExpectation, NoNameWithAValueLooksAtEveryOne) {
  EXPECT_FALSE(Check("expect no item 話", Keypad));
  EXPECT_FALSE(Check("expect no keys ﾊ", Keypad));
  EXPECT_EQ(Check("expect no item 鼻", Keypad), "item reads 花 | 鼻");
}
