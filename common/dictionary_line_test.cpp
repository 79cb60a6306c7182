#include "common/dictionary_line.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/comma_list.h"

namespace {

TStringList Fields(std::string_view line) {
  TLineFields fields;
  SplitLineFields(line, fields);
  return TStringList(fields.Fields.begin(), fields.Fields.begin() + fields.Count);
}

std::vector<std::string> Lines(std::string_view text, int* count = nullptr) {
  std::vector<std::string> lines;
  int n = ForEachLine(text, [&](int index, std::string_view line) {
    EXPECT_EQ(index, static_cast<int>(lines.size()));
    lines.emplace_back(line);
  });
  if (count) *count = n;
  return lines;
}

}  // namespace

TEST(SplitLineFields, AgreesWithTheCommaList) {
  const char* lines[] = {"a,b,c",
                         " a , b ",
                         "a b\tc",
                         "a,,b",
                         "a,b,",
                         "a,b, ",
                         "a, ,",
                         ",a",
                         "\"a b\",\"say \"\"hi\"\"\"",
                         "\"\",x",
                         "",
                         "   ",
                         "\"abc,d",
                         "ｿﾌﾄ,ソ表,あ、い",
                         "\"x\"\"",
                         "\"a\"b,c",
                         "\"q\"\"1\",\"q\"\"2\",3",
                         "ab\"c,d",
                         "\x81,\x82",
                         "x\x00y"};
  for (const char* line : lines) EXPECT_EQ(Fields(line), SplitCommaList(line)) << line;
  const std::string withNul("a\0b,c", 5);
  EXPECT_EQ(Fields(withNul), SplitCommaList(withNul));
}

TEST(SplitLineFields, StopsCountingAtFive) {
  TLineFields fields;
  SplitLineFields("1,2,3,4,5,6,7", fields);
  EXPECT_EQ(fields.Count, TLineFields::MaxFields);
  SplitLineFields("1,2,3,4,", fields);  // the trailing comma makes a fifth
  EXPECT_EQ(fields.Count, 5);
  SplitLineFields("1,2,3,4, ", fields);  // blanks after it do not
  EXPECT_EQ(fields.Count, 4);
}

TEST(EntryOfFields, FieldCountsPickReadingNotationAndType) {
  auto entry = [](std::string_view line) {
    TLineFields fields;
    SplitLineFields(line, fields);
    TEntryFields entry;
    if (!EntryOfFields(fields, entry)) return TStringList{};
    return TStringList{std::string(entry.Reading), std::string(entry.Notation),
                       std::string(entry.Type)};
  };
  EXPECT_EQ(entry("カメラ"), (TStringList{"カメラ", "カメラ", "001"}));
  EXPECT_EQ(entry("ﾃﾞｰﾀ,2"), (TStringList{"ﾃﾞｰﾀ", "ﾃﾞｰﾀ", "2"}));
  EXPECT_EQ(entry("ﾃﾞｰﾀ,$1F"), (TStringList{"ﾃﾞｰﾀ", "ﾃﾞｰﾀ", "$1F"}));
  EXPECT_EQ(entry("ｶﾐ,紙"), (TStringList{"ｶﾐ", "紙", "001"}));
  EXPECT_EQ(entry("ｶﾐ 紙"), (TStringList{"ｶﾐ", "紙", "001"}));
  EXPECT_EQ(entry("ｶﾐ,2.5"), (TStringList{"ｶﾐ", "2.5", "001"}));
  // A blank after the last comma is no third field: the default type stays.
  EXPECT_EQ(entry("ｱｲ,愛, "), (TStringList{"ｱｲ", "愛", "001"}));
  EXPECT_EQ(entry("ｱｲ,愛,"), (TStringList{"ｱｲ", "愛", ""}));
  EXPECT_EQ(entry("ﾀﾍﾞ,食べ,8"), (TStringList{"ﾀﾍﾞ", "食べ", "8"}));
  EXPECT_EQ(entry("x,ﾀﾍﾞ,食べ,8"), (TStringList{"ﾀﾍﾞ", "食べ", "8"}));
  EXPECT_EQ(entry("a,b,c,d,e"), TStringList{});
  EXPECT_EQ(entry(" \t "), TStringList{});
}

TEST(WordTypeOf, RoundsDecimalNumbersAndRejectsTheRest) {
  EXPECT_EQ(WordTypeOf("001"), 1);
  EXPECT_EQ(WordTypeOf("8.4"), 8);
  EXPECT_EQ(WordTypeOf("8.6"), 9);
  EXPECT_EQ(WordTypeOf("-1"), -1);
  EXPECT_EQ(WordTypeOf("+22"), 22);
  EXPECT_EQ(WordTypeOf("2e1"), 20);
  EXPECT_EQ(WordTypeOf("32767.4"), 32767);
  EXPECT_EQ(WordTypeOf("32767.6"), 0);
  EXPECT_EQ(WordTypeOf("40000"), 0);
  for (const char* bad : {"", "abc", "$10", "1x", "inf", "nan", ".", "-", "1e", "１"})
    EXPECT_EQ(WordTypeOf(bad), 0) << bad;
}

TEST(ForEachLine, EveryLineEndCountsOnceAndALastLineNeedsNone) {
  int count = 0;
  EXPECT_EQ(Lines("a\r\nb\nc\rd", &count), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(count, 4);
  EXPECT_EQ(Lines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(Lines("\n\r\r\n"), (std::vector<std::string>{"", "", ""}));
  EXPECT_EQ(Lines("a\n\rb"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(Lines("", &count), std::vector<std::string>{});
  EXPECT_EQ(count, 0);
}

TEST(TrimBlanks, DropsBlanksAndControlsAround) {
  EXPECT_EQ(TrimBlanks(" \t a b \r"), "a b");
  EXPECT_EQ(TrimBlanks("\x01\x02"), "");
}

// What the writer makes, the reader splits back into the same entry.
TEST(FormatDictionaryLine, ReadsBackThroughTheSplitter) {
  for (std::string notation : {"書", "a b", "x,y", "say \"hi\"", "ソ表", " lead", "tab\there"}) {
    const std::string line = FormatDictionaryLine("ｱ", notation, 5);
    TLineFields fields;
    SplitLineFields(line, fields);
    TEntryFields entry;
    ASSERT_TRUE(EntryOfFields(fields, entry)) << line;
    EXPECT_EQ(entry.Reading, "ｱ");
    EXPECT_EQ(entry.Notation, notation) << line;
    EXPECT_EQ(WordTypeOf(entry.Type), 5);
  }
  EXPECT_EQ(FormatDictionaryLine("ｱ", "a b", 22), "ｱ,\"a b\",022");
  EXPECT_EQ(FormatDictionaryLine("ｱ", "", 1), "ｱ,_,001");
}
