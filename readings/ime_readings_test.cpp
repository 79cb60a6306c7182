#include "readings/ime_readings.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class TFakeReadingSource : public TReadingSource {
 public:
  std::map<std::string, TStringList, std::less<>> Answers;
  TStringList ReverseConversion(std::string_view word) override {
    auto found = Answers.find(word);
    return found == Answers.end() ? TStringList{} : found->second;
  }
};

}  // namespace

TEST(GetImeReadings, TrimmedHalfWidthKatakanaWithoutRepeats) {
  TFakeReadingSource source;
  source.Answers["学校"] = {" がっこう\t", "ガッコウ", std::string("ｶﾞｯｺｳ\0", 6), "まなびや"};
  source.Answers["ABC"] = {"abc", "ABC", "えーびーしー"};
  TStringList list = {"old"};
  GetImeReadings(source, "学校", list);
  EXPECT_EQ(list, (TStringList{"ｶﾞｯｺｳ", "ﾏﾅﾋﾞﾔ"}));
  GetImeReadings(source, "ABC", list);
  EXPECT_EQ(list, (TStringList{"abc", "ｴｰﾋﾞｰｼｰ"}));
}

TEST(GetImeReadings, NoAnswerLeavesTheListEmpty) {
  TFakeReadingSource source;
  source.Answers["空"] = {"", " \r\n"};
  TStringList list = {"old"};
  GetImeReadings(source, "無", list);
  EXPECT_TRUE(list.empty());
  GetImeReadings(source, "空", list);
  EXPECT_TRUE(list.empty());
}

TEST(GetImeReadings, CaseIsIgnoredOnlyInSingleByteLetters) {
  TFakeReadingSource source;
  // ビ (0x83 0x72) and コ (0x83 0x52) differ only in the case of a trail byte.
  source.Answers["x"] = {"ビ漢", "コ漢", "Ab", "aB"};
  TStringList list;
  GetImeReadings(source, "x", list);
  EXPECT_EQ(list, (TStringList{"ﾋﾞ漢", "ｺ漢", "Ab"}));
}
