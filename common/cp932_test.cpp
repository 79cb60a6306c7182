#include "common/cp932.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Chars(std::string_view text) {
  std::vector<std::string> chars;
  ForEachChar(text, [&](std::string_view ch) { chars.emplace_back(ch); });
  return chars;
}

}  // namespace

TEST(Cp932Iteration, LeadBytesAndTheEnd) {
  EXPECT_TRUE(IsLeadByte(0x81));
  EXPECT_TRUE(IsLeadByte(0x9F));
  EXPECT_TRUE(IsLeadByte(0xE0));
  EXPECT_TRUE(IsLeadByte(0xFC));
  EXPECT_FALSE(IsLeadByte(0x80));
  EXPECT_FALSE(IsLeadByte(0xA0));
  EXPECT_FALSE(IsLeadByte(0xB1));
  EXPECT_FALSE(IsLeadByte(0xFD));

  EXPECT_EQ(Chars("aかｶ漢"), (std::vector<std::string>{"a", "か", "ｶ", "漢"}));
  EXPECT_EQ(Chars("a\x82"), (std::vector<std::string>{"a", "\x82"}));
  // Any byte after a lead byte is its trail, except NUL.
  EXPECT_EQ(Chars("\x81 x"), (std::vector<std::string>{"\x81 ", "x"}));
  EXPECT_EQ(Chars(std::string_view("\x81\0x", 3)),
            (std::vector<std::string>{"\x81", std::string(1, '\0'), "x"}));
  EXPECT_TRUE(Chars("").empty());
  EXPECT_EQ(CharLengthAt("か", 0), 2u);
  EXPECT_EQ(CharLengthAt("か", 1), 1u);  // the caller asked for a trail byte
  EXPECT_EQ(CharLengthAt("か", 2), 0u);
}

TEST(Cp932ToUtf16, WindowsMappings) {
  EXPECT_EQ(Cp932ToUtf16("\\~"), u"\\~");  // not yen and overline
  EXPECT_EQ(Cp932ToUtf16("＼～∥－￠￡￢―"), u"\uFF3C\uFF5E\u2225\uFF0D\uFFE0\uFFE1\uFFE2\u2015");
  EXPECT_EQ(Cp932ToUtf16("ｱﾞ｡"), u"\uFF71\uFF9E\uFF61");
  EXPECT_EQ(Cp932ToUtf16("\x80\xA0\xFD\xFE\xFF"), u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3");
  EXPECT_EQ(Cp932ToUtf16("\xF0\x40\xF9\xFC"), u"\uE000\uE757");  // user-defined rows
  EXPECT_EQ(Cp932ToUtf16("\x87\x54\xFA\x4A\xED\x40"), u"\u2160\u2160\u7E8A");
  EXPECT_EQ(Cp932ToUtf16(std::string_view("a\0b", 3)), std::u16string(u"a\0b", 3));
}

TEST(Cp932ToUtf16, CodesWithoutCharacter) {
  EXPECT_EQ(Cp932ToUtf16("\x85\x40"), u"\u30FB");  // an empty row
  EXPECT_EQ(Cp932ToUtf16("\x81\x7F"
                         "a"),
            u"\u30FB"
            "a");                                  // 0x7F is no trail byte
  EXPECT_EQ(Cp932ToUtf16("\x81\x20"), u"\u30FB");  // the pair goes as one
  EXPECT_EQ(Cp932ToUtf16("a\x82"), u"a\u30FB");    // lone lead byte at the end
  EXPECT_EQ(Cp932ToUtf16(std::string_view("\x81\0", 2)), std::u16string(u"\u30FB\0", 2));
}

TEST(Utf16ToCp932, WindowsChoosesAmongDuplicates) {
  EXPECT_EQ(Utf16ToCp932(u"\u2235\uFFE2"), "\x81\xE6\x81\xCA");  // JIS rows before NEC and IBM
  EXPECT_EQ(Utf16ToCp932(u"\u2160\u2116"), "\x87\x54\x87\x82");  // NEC row 13 before IBM
  EXPECT_EQ(Utf16ToCp932(u"\u2170\u7E8A\uFFE4"),
            "\xFA\x40\xFA\x5C\xFA\x55");  // IBM before NEC-selected
}

TEST(Utf16ToCp932, CharactersWithoutCode) {
  EXPECT_EQ(Utf16ToCp932(u"\u00A5\u2014\u00E9"), "???");
  const char16_t pair[] = {0xD83D, 0xDE00, 'a', 0xDC00, 0};
  EXPECT_EQ(Utf16ToCp932(pair), "?a?");
  EXPECT_EQ(Utf16ToCp932(std::u16string_view(u"x\0y", 3)), std::string("x\0y", 3));
}

TEST(Cp932Utf8, RoundTripAndMalformedInput) {
  const std::string text = "かな漢字ｶﾅ ABC＼～\x80\xA0";
  EXPECT_EQ(Cp932ToUtf8("あｱA"),
            "\xE3\x81\x82\xEF\xBD\xB1"
            "A");
  EXPECT_EQ(Utf8ToCp932(Cp932ToUtf8(text)), text);
  EXPECT_EQ(Utf16ToCp932(Cp932ToUtf16(text)), text);
  EXPECT_EQ(Utf8ToCp932("\xE3\x81\x82"), "あ");
  EXPECT_EQ(Utf8ToCp932("\xC3"), "?");  // cut short
  EXPECT_EQ(Utf8ToCp932("\xE3\x81"), "??");
  EXPECT_EQ(Utf8ToCp932("\xC0\xAF"
                        "a"),
            "??a");                                 // overlong
  EXPECT_EQ(Utf8ToCp932("\xED\xA0\x80"), "???");    // encoded surrogate
  EXPECT_EQ(Utf8ToCp932("\xF0\x9F\x98\x80"), "?");  // beyond the BMP
  EXPECT_EQ(Utf8ToCp932("\xFF"), "?");
}
