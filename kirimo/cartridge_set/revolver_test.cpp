#include "kirimo/cartridge_set/revolver.h"

#include <gtest/gtest.h>

#include <memory>

#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/cartridge_base/recording_output.h"
#include "kirimo/cartridge_set/follow_group_test_cartridge.h"

namespace {

class RevolverTest : public ::testing::Test {
 protected:
  RevolverTest() : Settings("/nonexistent/Kirimo.exe", 500) {}
  TRecordingCartridge* Add(const std::string& kind) {
    auto cartridge = std::make_unique<TRecordingCartridge>(kind, Settings, Output);
    TRecordingCartridge* added = cartridge.get();
    Revolver.Add(std::move(cartridge), kind == "EXT");
    return added;
  }

  TAppIni Settings;
  TRecordingOutput Output;
  TRevolver Revolver;
};

TEST_F(RevolverTest, NextCyclesInOrderWithExactlyOneActive) {
  TRecordingCartridge* base = Add("EXT");
  TRecordingCartridge* ext = Add("EXT");
  TRecordingCartridge* nm = Add("NM");
  TRecordingCartridge* vk = Add("VK");
  EXPECT_EQ(Revolver.Current(), base);
  EXPECT_TRUE(base->IsActive());
  EXPECT_FALSE(ext->IsActive());
  std::vector<TCartridge*> seen;
  for (int i = 0; i < 4; ++i) seen.push_back(Revolver.Next());
  EXPECT_EQ(seen, (std::vector<TCartridge*>{ext, nm, vk, base}));
  int active = 0;
  for (TCartridge* cartridge : seen) active += cartridge->IsActive() ? 1 : 0;
  EXPECT_EQ(active, 1);
  // Only the Japanese cartridges follow.
  EXPECT_EQ(Revolver.Followers().GetMembers(), (std::vector<TCartridge*>{base, ext}));
}

TEST_F(RevolverTest, ReloadAndSaveReachEveryCartridge) {
  TRecordingCartridge* base = Add("EXT");
  TRecordingCartridge* vk = Add("VK");
  Revolver.ReloadAll();
  Revolver.SaveAll();
  EXPECT_EQ(base->TakeCalls(), (TStringList{"reload", "save"}));
  EXPECT_EQ(vk->TakeCalls(), (TStringList{"reload", "save"}));
}

TEST_F(RevolverTest, AnEmptyRevolverHasNoCurrentCartridge) {
  EXPECT_TRUE(Revolver.IsEmpty());
  EXPECT_EQ(Revolver.Current(), nullptr);
  EXPECT_EQ(Revolver.Next(), nullptr);
  Revolver.Activate();
  Revolver.ReloadAll();
  Revolver.SaveAll();
  Revolver.WaitUntilIdle();
}

}  // namespace
