#include "kirimo/engine/variants_list.h"

#include <gtest/gtest.h>

#include "kirimo/language/word.h"

namespace {

TEST(VariantsList, TextGivesItsFormsAndTheReadingsOfThePhrasesWrittenSo) {
  const TWord love("ｱｲ", "愛", "1");
  const TWord armour("ﾖﾛｲ", "鎧", "1");
  auto top = std::make_shared<TPhraseList>();
  top->Add(top->Pool().New(love, 0));
  top->Add(top->Pool().New(armour, 0));
  const TVariantsList::TRequest request{"愛", TVariantsList::Candidate, top};
  std::optional<TStringList> variants = TVariantsList::Gather(request, [] { return false; });
  ASSERT_TRUE(variants);
  EXPECT_EQ(*variants, (TStringList{"愛", "ｱｲ", "アイ", "あい"}));
  EXPECT_EQ(
      TVariantsList::Gather({"よろしく", TVariantsList::Candidate, top}, [] { return false; }),
      (TStringList{"よろしく", "ヨロシク", "ﾖﾛｼｸ"}));
  // A loop told to stop gives none.
  EXPECT_FALSE(TVariantsList::Gather(request, [] { return true; }));
}

TEST(VariantsList, AnItemAtTheRootOffersItsTwoWidthsOrOne) {
  auto gather = [](const std::string& text) {
    return *TVariantsList::Gather({text, TVariantsList::WidthsOnly, nullptr}, [] { return true; });
  };
  EXPECT_EQ(gather("ABC"), (TStringList{"ＡＢＣ", "ABC"}));
  EXPECT_EQ(gather("＃"), (TStringList{"＃", "#"}));
  EXPECT_EQ(gather("漢字"), TStringList{"漢字"});
}

TEST(VariantsList, ARequestIsTakenOnceAndClosingDropsIt) {
  TVariantsList list;
  list.Fill({"old"});
  list.Open({"a", TVariantsList::WidthsOnly, nullptr});
  EXPECT_TRUE(list.Items().empty());
  std::optional<TVariantsList::TRequest> request = list.TakeRequest();
  ASSERT_TRUE(request);
  EXPECT_EQ(request->Text, "a");
  EXPECT_FALSE(list.TakeRequest());
  list.Open({"b", TVariantsList::WidthsOnly, nullptr});
  list.Fill({"Ｂ"});
  list.Close();
  EXPECT_TRUE(list.Items().empty());
  EXPECT_FALSE(list.TakeRequest());
}

}  // namespace
