#include "kirimo/cartridge_set/follow_group.h"

#include <gtest/gtest.h>

#include <memory>

#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/cartridge_base/recording_output.h"
#include "kirimo/cartridge_set/follow_group_test_cartridge.h"
#include "kirimo/cartridge_set/revolver.h"

namespace {

class FollowGroupTest : public ::testing::Test {
 protected:
  FollowGroupTest() : Settings("/nonexistent/Kirimo.exe", 500) {
    for (int i = 0; i < 3; ++i) {
      auto cartridge = std::make_unique<TRecordingCartridge>("EXT", Settings, Output);
      Members[i] = cartridge.get();
      Revolver.Add(std::move(cartridge), true);
    }
    auto nm = std::make_unique<TRecordingCartridge>("NM", Settings, Output);
    Nm = nm.get();
    Revolver.Add(std::move(nm), false);
    Revolver.Current();  // the first member is active
  }
  TFollowGroup& Group() { return Revolver.Followers(); }

  TAppIni Settings;
  TRecordingOutput Output;
  TRevolver Revolver;
  TRecordingCartridge* Members[3] = {};
  TRecordingCartridge* Nm = nullptr;
};

TEST_F(FollowGroupTest, QueuedOperationsReachOnlyTheInactiveMembers) {
  Group().KeyAll("か");
  Group().VowelAll("き");
  Group().SyllableAll("ｻ");
  Group().BackAll();
  Group().IdleWorkAll();
  Group().ClearAll();
  EXPECT_TRUE(Members[0]->TakeCalls().empty());
  TStringList expected = {"key か", "vowel き", "syllable ｻ", "back", "idle", "clear"};
  EXPECT_EQ(Members[1]->TakeCalls(), expected);
  EXPECT_EQ(Members[2]->TakeCalls(), expected);
  EXPECT_TRUE(Nm->TakeCalls().empty());  // never a follower
  // The key string was pre-edited as for any post.
  Group().KeyAll("た");
  EXPECT_EQ(Members[1]->GetKeyString(), "ﾀ");
  EXPECT_EQ(Members[0]->GetKeyString(), "");
}

TEST_F(FollowGroupTest, DirectCallsReachEveryMemberTheActiveOneToo) {
  Group().ClearEveryMember();
  Group().ResetIdleWorkAll();
  for (TRecordingCartridge* member : Members) {
    EXPECT_EQ(member->TakeCalls(), (TStringList{"clear", "reset idle"}));
  }
  EXPECT_TRUE(Nm->TakeCalls().empty());
  Group().AbortAll();
  for (TRecordingCartridge* member : Members) EXPECT_TRUE(member->AbortRequested);
  EXPECT_FALSE(Nm->AbortRequested);
}

TEST_F(FollowGroupTest, AlignDepthDropsWhatFollowersHaveBeyondTheDepth) {
  Members[0]->SetKeyLetters({"", "ｶ", "ｻ", "ﾀ"});
  Members[1]->SetKeyLetters({"", "ｶ", "ｻ", "ﾀ"});
  Members[2]->SetKeyLetters({"", "ｶ", "/", "ｻ"});  // phrase mode measures 2
  Group().AlignDepth(2);
  EXPECT_TRUE(Members[0]->TakeCalls().empty());  // active
  EXPECT_EQ(Members[1]->TakeCalls(), (TStringList{"back", "back"}));
  EXPECT_TRUE(Members[2]->TakeCalls().empty());
  EXPECT_EQ(Members[1]->StepCount(), 2);
  Group().AlignDepth(5);  // shallower followers are not pushed deeper
  EXPECT_TRUE(Members[1]->TakeCalls().empty());
}

TEST(FollowGroup, IgnoresAMissingMember) {
  TFollowGroup group;
  group.AddMember(nullptr);
  EXPECT_TRUE(group.GetMembers().empty());
  group.KeyAll("か");
  group.AlignDepth(0);
}

}  // namespace
