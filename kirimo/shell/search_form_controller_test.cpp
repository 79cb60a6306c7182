#include "kirimo/shell/search_form_controller.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "kirimo/cartridge_base/app_ini.h"
#include "kirimo/cartridge_base/recording_output.h"
#include "kirimo/cartridge_set/follow_group_test_cartridge.h"
#include "kirimo/cartridge_set/revolver.h"
#include "kirimo/shell/search_form_controller_view_plain.h"

namespace {

// Two Japanese cartridges, then an alphanumeric and a virtual-key one.
class SearchFormControllerTest : public ::testing::Test {
 protected:
  SearchFormControllerTest() : Settings("/nonexistent/Kirimo.exe", 500) {
    Controller = std::make_unique<TSearchFormController>(Form, [this] { return MakeRevolver(); });
  }
  std::unique_ptr<TRevolver> MakeRevolver() {
    auto revolver = std::make_unique<TRevolver>();
    for (const char* kind : {"EXT", "EXT", "NM", "VK"}) {
      auto cartridge = std::make_unique<TRecordingCartridge>(kind, Settings, Output);
      Cartridges.push_back(cartridge.get());
      revolver->Add(std::move(cartridge), std::string(kind) == "EXT");
    }
    ++Built;
    return revolver;
  }
  TRecordingCartridge* Base() { return Cartridges[Cartridges.size() - 4]; }
  TRecordingCartridge* Follower() { return Cartridges[Cartridges.size() - 3]; }
  // The list box shows something, as after the first key of a word.
  void ShowCandidates() { Form.List.SetItems({"候補"}); }
  TStringList Replay() { return Controller->GetReplay().Entries(); }
  int Index() { return Controller->GetReplay().GetIndex(); }

  TAppIni Settings;
  TRecordingOutput Output;
  TPlainSearchFormView Form;
  std::vector<TRecordingCartridge*> Cartridges;
  int Built = 0;
  std::unique_ptr<TSearchFormController> Controller;
};

TEST_F(SearchFormControllerTest, CreationPlugsInTheFirstCartridge) {
  EXPECT_EQ(Controller->GetCurrent(), Base());
  EXPECT_EQ(Form.Name.Caption(), "EXT");
  EXPECT_TRUE(Form.VowelRowVisible);
  EXPECT_EQ(Replay(), TStringList{"!"});
  EXPECT_EQ(Controller->CurrentKeyLabels(), TStringList(12, "EXT"));
}

TEST_F(SearchFormControllerTest, KeysReachFollowersOnlyWhileCandidatesShow) {
  Controller->KeyInput("か");  // empty list: nothing for the followers
  ShowCandidates();
  Controller->KeyInput("さ");  // posting empties the list; the worker would fill it
  ShowCandidates();
  Controller->VowelInput("し");
  EXPECT_EQ(Base()->TakeCalls(), (TStringList{"key か", "key さ", "vowel し"}));
  // The follower was behind, so it is not backed; it gets the later steps.
  EXPECT_EQ(Follower()->TakeCalls(), (TStringList{"key さ", "vowel し"}));
  EXPECT_EQ(Replay(), (TStringList{"!", "Kか", "Kさ", "Vし"}));
  EXPECT_EQ(Index(), 3);
}

TEST_F(SearchFormControllerTest, FollowersAreAlignedBeforeAKeyOrABack) {
  Follower()->SetKeyLetters({"", "ｱ", "ｲ", "ｳ"});
  ShowCandidates();
  Controller->KeyInput("か");
  EXPECT_EQ(Follower()->TakeCalls(), (TStringList{"back", "back", "back", "key か"}));
  Controller->WaitUntilIdle();  // the depth is what the worker has taken in
  Follower()->SetKeyLetters({"", "ｶ", "ｱ"});
  Form.List.Clear();
  Controller->BackStep();  // aligned whatever the list shows
  EXPECT_EQ(Follower()->TakeCalls(), (TStringList{"back", "back"}));
  EXPECT_EQ(Base()->TakeCalls(), (TStringList{"key か", "back"}));
}

TEST_F(SearchFormControllerTest, ForwardReplaysTheUndoneStepToTheCurrentCartridgeOnly) {
  ShowCandidates();
  Controller->KeyInput("か");
  Controller->KeyInput("さ");
  Controller->BackStep();
  Base()->TakeCalls();
  Follower()->TakeCalls();
  Controller->ForwardStep();
  EXPECT_EQ(Base()->TakeCalls(), TStringList{"key さ"});
  EXPECT_TRUE(Follower()->TakeCalls().empty());
  Controller->ForwardStep();  // at the end: nothing
  EXPECT_TRUE(Base()->TakeCalls().empty());
}

TEST_F(SearchFormControllerTest, BackOverAVowelUndoesTheKeyItRefined) {
  Controller->KeyInput("か");
  Controller->VowelInput("き");
  Controller->BackStep();
  EXPECT_EQ(Index(), 0);
  // Both steps replay, key first.
  Controller->ForwardStep();
  Controller->ForwardStep();
  EXPECT_EQ(Base()->TakeCalls(), (TStringList{"key か", "vowel き", "back", "key か", "vowel き"}));
}

TEST_F(SearchFormControllerTest, AVowelAtTheStartNeverStepsBeforeTheMarker) {
  Controller->VowelInput("あ");
  Controller->BackStep();
  EXPECT_EQ(Index(), 0);
  Controller->KeyInput("か");
  EXPECT_EQ(Replay(), (TStringList{"!", "Kか"}));
}

TEST_F(SearchFormControllerTest, AKeyOverwritingAStepDropsTheVowelThatRefinedIt) {
  Controller->KeyInput("か");
  Controller->VowelInput("き");
  Controller->KeyInput("さ");
  Controller->ClearKeys();  // rewinds, keeps the steps
  EXPECT_EQ(Index(), 0);
  EXPECT_EQ(Replay().size(), 4u);
  Controller->KeyInput("た");
  EXPECT_EQ(Replay(), (TStringList{"!", "Kた", "Kさ"}));

  // A vowel that is the very last entry stays.
  Controller->ResetHistory();
  Controller->KeyInput("か");
  Controller->VowelInput("き");
  Controller->ClearKeys();
  Controller->KeyInput("な");
  EXPECT_EQ(Replay(), (TStringList{"!", "Kな", "Vき"}));
  // Vowels and syllables overwrite without deleting.
  Controller->ClearKeys();
  Controller->SyllableInput("ﾊ");
  EXPECT_EQ(Replay(), (TStringList{"!", "Sﾊ", "Vき"}));
}

TEST_F(SearchFormControllerTest, ClearKeysLetsForwardReplayTheFirstStep) {
  Controller->KeyInput("か");
  Controller->KeyInput("さ");
  Controller->ClearKeys();
  Base()->TakeCalls();
  Controller->ForwardStep();
  EXPECT_EQ(Base()->TakeCalls(), TStringList{"key か"});
  EXPECT_EQ(Base()->GetKeyString(), "ｶ");
}

TEST_F(SearchFormControllerTest, BlankCaptionsDoNothing) {
  ShowCandidates();
  for (const char* blank : {"", " ", "  \t"}) {
    Controller->KeyInput(blank);
    Controller->VowelInput(blank);
    Controller->SyllableInput(blank);
  }
  EXPECT_TRUE(Base()->TakeCalls().empty());
  EXPECT_TRUE(Follower()->TakeCalls().empty());
  EXPECT_EQ(Replay(), TStringList{"!"});
  Controller->KeyInput(" か ");  // passed on untrimmed
  EXPECT_EQ(Base()->TakeCalls(), TStringList{"key  か "});
}

TEST_F(SearchFormControllerTest, AlphanumericAndVirtualKeysAreCalledDirectly) {
  Controller->SwitchCartridge();
  Controller->SwitchCartridge();
  TRecordingCartridge* nm = Cartridges[2];
  ASSERT_EQ(Controller->GetCurrent(), nm);
  EXPECT_EQ(Form.Name.Caption(), "NM");
  ShowCandidates();
  Controller->KeyInput("ABC");
  Controller->VowelInput("B");
  Controller->SyllableInput("C");
  Controller->BackStep();
  Controller->ForwardStep();
  Controller->ClearKeys();
  EXPECT_EQ(nm->TakeCalls(),
            (TStringList{"key ABC", "vowel B", "syllable C", "back", "forward", "clear"}));
  EXPECT_EQ(nm->GetKeyString(), "");  // called, not posted: no pre-edit
  EXPECT_TRUE(Follower()->TakeCalls().empty());
  EXPECT_EQ(Replay(), TStringList{"!"});

  Controller->SwitchCartridge();
  EXPECT_EQ(Form.Name.Caption(), "VK");
  EXPECT_FALSE(Form.VowelRowVisible);
  Controller->SwitchCartridge();  // wraps to the base
  EXPECT_EQ(Controller->GetCurrent(), Base());
  EXPECT_TRUE(Form.VowelRowVisible);
}

TEST_F(SearchFormControllerTest, SelectingClearsTheFollowersAndRewinds) {
  Controller->KeyInput("か");
  Controller->WaitUntilIdle();
  Controller->SelectCandidate(0);
  EXPECT_EQ(Base()->TakeCalls(), (TStringList{"key か", "select 0"}));
  EXPECT_EQ(Follower()->TakeCalls(), TStringList{"clear"});
  EXPECT_EQ(Index(), 0);
  Controller->AcceptCandidate();
  EXPECT_EQ(Base()->TakeCalls(), TStringList{"accumulate"});
}

TEST_F(SearchFormControllerTest, IdleReloadAndSaveReachTheirCartridges) {
  Controller->IdleTick();
  EXPECT_EQ(Base()->TakeCalls(), TStringList{"idle"});
  EXPECT_EQ(Follower()->TakeCalls(), TStringList{"idle"});
  Controller->ResetIdle();
  Controller->ReloadUserDictionaries();
  Controller->SaveAll();
  EXPECT_EQ(Base()->TakeCalls(), (TStringList{"reset idle", "clear", "reload", "save"}));
  EXPECT_EQ(Cartridges[3]->TakeCalls(), (TStringList{"reload", "save"}));
}

TEST_F(SearchFormControllerTest, RebuildReplacesTheCartridgesAndKeepsTheHistory) {
  Controller->KeyInput("か");
  Controller->NextLayout();
  EXPECT_EQ(Controller->CurrentKeyLabels(), TStringList(12, "EXT2"));
  Controller->RebuildCartridges();
  EXPECT_EQ(Built, 2);
  EXPECT_EQ(Controller->GetCurrent(), Base());  // the new one
  EXPECT_EQ(Controller->CurrentKeyLabels(), TStringList(12, "EXT"));
  EXPECT_EQ(Replay(), (TStringList{"!", "Kか"}));
}

// No dictionary, no alphanumeric and no virtual-key mode, or a set that fails.
TEST(SearchFormControllerWithoutModes, ShowsWhyAndIgnoresEveryGesture) {
  for (bool fails : {false, true}) {
    TPlainSearchFormView form;
    form.List.SetItems({"ファイルが", "ありません"});
    TSearchFormController controller(form, [fails]() -> std::unique_ptr<TRevolver> {
      if (fails) throw std::runtime_error("no cartridges");
      return std::make_unique<TRevolver>();
    });
    EXPECT_EQ(form.List.Count(), 0);
    EXPECT_EQ(form.Status.Text(), TSearchFormController::NoModeText);
    EXPECT_FALSE(form.VowelRowVisible);
    controller.KeyInput("か");
    controller.VowelInput("き");
    controller.SyllableInput("ｻ");
    controller.BackStep();
    controller.ForwardStep();
    controller.ClearKeys();
    controller.SwitchCartridge();
    controller.SelectCandidate(0);
    controller.AcceptCandidate();
    controller.NextLayout();
    controller.IdleTick();
    controller.StopIdle();
    controller.ResetIdle();
    controller.ReloadUserDictionaries();
    controller.SaveAll();
    controller.RebuildCartridges();
    EXPECT_EQ(controller.GetCurrent(), nullptr);
    EXPECT_TRUE(controller.CurrentKeyLabels().empty());
    EXPECT_FALSE(controller.VowelLabelsFor("").has_value());
    EXPECT_EQ(controller.CurrentGridLetters(), "");
    EXPECT_EQ(form.Status.Text(), TSearchFormController::NoModeText);
  }
}

}  // namespace
