#include "kirimo/language/connect.h"

#include <gtest/gtest.h>

#include <map>
#include <thread>

#include "kirimo/language/grammar_data.h"

namespace {

// The id of each follower word, so that answers read as the table does.
int IdOf(const TWord* word) {
  static const std::map<const TWord*, int> ids = [] {
    std::map<const TWord*, int> map;
    for (int id = 0; id < 1000; ++id)
      if (const TWord* w = GetConnect().ParticleDic().FindWordById(id)) map.emplace(w, id);
    return map;
  }();
  return ids.at(word);
}

// Ids of the followers of a word of type in form, walked the way one caller does.
std::vector<int> FollowerIds(int type, int form) {
  TWord typed("ｱ", "x", std::to_string(type));
  TPhrase phrase(typed, form);
  TFollowerQuery query(GetConnect());
  query.FindFollowers(phrase);
  std::vector<int> ids;
  while (query.HasNextFollower()) ids.push_back(IdOf(&query.NextFollower()));
  return ids;
}

TEST(Connect, NounTakesFortyOneFollowersInIdOrder) {
  std::vector<int> ids = FollowerIds(1, 0);
  ASSERT_EQ(ids.size(), 41u);
  EXPECT_EQ(std::vector<int>(ids.begin(), ids.begin() + 4), (std::vector<int>{28, 32, 36, 100}));
  EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
}

TEST(Connect, FollowersOfVerbsAndParticles) {
  EXPECT_EQ(FollowerIds(8, 10), std::vector<int>{109});
  EXPECT_EQ(FollowerIds(6, 10), std::vector<int>{109});
  EXPECT_EQ(FollowerIds(146, 0), std::vector<int>{161});
  std::vector<int> afterTte = FollowerIds(161, 0);
  ASSERT_EQ(afterTte.size(), 13u);
  EXPECT_EQ(std::vector<int>(afterTte.end() - 3, afterTte.end()),
            (std::vector<int>{198, 199, 206}));
}

TEST(Connect, FormsWithoutLinesHaveNoFollowers) {
  EXPECT_TRUE(FollowerIds(1, 5).empty());
  EXPECT_TRUE(FollowerIds(1, 1).empty());
  EXPECT_TRUE(FollowerIds(8, 12).empty());
  EXPECT_TRUE(FollowerIds(8, 13).empty());
  EXPECT_TRUE(FollowerIds(0, 0).empty());
}

TEST(Connect, QueryFollowsTheNewestWordAndStartsOverOnANewQuery) {
  TWord verb("ﾀﾍﾞ", "食べ", "8");
  TPhrasePool pool;
  const TPhrase* conditional = pool.New(verb, 10)->Follow(pool);
  TFollowerQuery query(GetConnect());
  query.FindFollowers(*conditional);
  ASSERT_TRUE(query.HasNextFollower());
  EXPECT_EQ(query.NextFollower().Notation(), "ば");
  EXPECT_FALSE(query.HasNextFollower());
  query.FindFollowers(*conditional);
  EXPECT_TRUE(query.HasNextFollower());
}

TEST(Connect, EveryLineBecomesAnItemAndFollowersComeInTableOrder) {
  EXPECT_EQ(GetConnect().Items().size(), 3862u);
  TDictionaryJPSub* dic = new TDictionaryJPSub({"100,ｶ,ｶﾞ,が,100", "161,ﾀﾀ,ｯﾃ,って,161"});
  TConnect connect(
      std::unique_ptr<TDictionaryJPSub>(dic),
      {"001,00,161", "", "001,00,100", "001,00,999", "x,00,100", "001,00,70000", "002,01,100"});
  EXPECT_EQ(connect.Items().size(), 4u);
  auto followers = connect.FindFollowers(1, 0);
  ASSERT_EQ(followers.size(), 2u);
  EXPECT_EQ(followers[0], dic->FindWordById(161));
  EXPECT_EQ(followers[1], dic->FindWordById(100));
  EXPECT_EQ(connect.FindFollowers(2, 1).size(), 1u);
  EXPECT_TRUE(connect.FindFollowers(2, 0).empty());
}

TEST(Connect, ConcurrentCallersEachGetTheSingleThreadedAnswer) {
  const std::pair<int, int> pairs[] = {{1, 0}, {8, 10}, {161, 0}, {21, 5}, {100, 0}, {8, 8}};
  std::vector<std::vector<int>> expected;
  for (auto [type, form] : pairs) expected.push_back(FollowerIds(type, form));

  std::vector<std::vector<std::vector<int>>> answers(4);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&, t] {
      for (int round = 0; round < 50; ++round)
        for (std::size_t i = 0; i < std::size(pairs); ++i) {
          std::size_t pick = (i + t) % std::size(pairs);
          if (round == 0) answers[t].resize(std::size(pairs));
          answers[t][pick] = FollowerIds(pairs[pick].first, pairs[pick].second);
        }
    });
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < 4; ++t) EXPECT_EQ(answers[t], expected) << "thread " << t;
}

}  // namespace
