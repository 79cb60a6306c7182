#include "kirimo/engine/level_stack.h"

#include <gtest/gtest.h>

namespace {

class LevelStack : public testing::Test {
 protected:
  std::shared_ptr<TPhraseList> Push(const std::string& letter, int depth) {
    auto list = std::make_shared<TPhraseList>();
    Stack.Push(letter, list, depth);
    return list;
  }

  TStringList History{"履歴"};
  TStringList KeyLetters;
  TLevelStack::TCandidateStack CandidateLists;
  TLevelStack Stack{KeyLetters, CandidateLists, History};
};

TEST_F(LevelStack, TheRootShowsTheHistoryAndTheLettersAndListsKeepInStep) {
  EXPECT_FALSE(Stack.KeysEntered());
  EXPECT_EQ(&Stack.TopCandidates(), &History);
  EXPECT_EQ(KeyLetters, TStringList{""});
  auto first = Push("ｶ", 1);
  Push("ﾀ", 2);
  EXPECT_EQ(Stack.Steps(), 2);
  EXPECT_EQ(KeyLetters, (TStringList{"", "ｶ", "ﾀ"}));
  EXPECT_EQ(CandidateLists.size(), 3u);
  Stack.Pop();
  EXPECT_EQ(Stack.TopLevel(), first);
  EXPECT_EQ(Stack.Depth(), 1);
  EXPECT_EQ(KeyLetters, (TStringList{"", "ｶ"}));
  EXPECT_EQ(CandidateLists.size(), 2u);
}

TEST_F(LevelStack, PhraseModeLastsUntilItsLevelIsPoppedAndRestoresTheDepthBelow) {
  Push("ﾀ", 1);
  Push("ﾍ", 2);
  Stack.PushPhraseMode(std::make_shared<TPhraseList>(), 3);
  const TStringList built{"食べ"};
  Stack.Fill(std::make_shared<TPhraseList>(), built, 2);
  EXPECT_EQ(&Stack.TopCandidates(), &built);
  Push("ﾏ", 3);
  EXPECT_TRUE(Stack.PhraseMode());
  Stack.Pop();
  EXPECT_TRUE(Stack.PhraseMode());
  EXPECT_EQ(Stack.Depth(), 2);
  Stack.Pop();
  EXPECT_FALSE(Stack.PhraseMode());
  EXPECT_EQ(Stack.Depth(), 2);
  EXPECT_EQ(KeyLetters.back(), "ﾍ");
}

TEST_F(LevelStack, ClearReturnsThePoppedListsAndLeavesPhraseMode) {
  auto first = Push("ﾀ", 1);
  Stack.PushPhraseMode(std::make_shared<TPhraseList>(), 2);
  std::vector<std::shared_ptr<TPhraseList>> popped = Stack.Clear();
  ASSERT_EQ(popped.size(), 2u);
  EXPECT_EQ(popped.front(), first);
  EXPECT_FALSE(Stack.PhraseMode());
  EXPECT_EQ(Stack.Depth(), 0);
  EXPECT_EQ(KeyLetters, TStringList{""});
  EXPECT_EQ(&Stack.TopCandidates(), &History);
}

}  // namespace
