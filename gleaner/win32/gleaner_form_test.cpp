#include "gleaner/win32/gleaner_form.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>

#include "common/win32/wide_text.h"
#include "gleaner/gleaner_test_folder.h"

namespace {

class TNoReadings : public TReadingQuery {
 public:
  TStringList Readings(std::string_view) override { return {}; }
};

// The window on a folder of its own, driven by the notifications its controls send.
class GleanerFormWin32 : public ::testing::Test {
 protected:
  GleanerFormWin32() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WriteGleanerFolder(Folder,
                       "[BASE_DIC]\r\nDicName=基本\r\nDicFile=dic\\Base.dic\r\n"
                       "[EXT1_DIC]\r\nDicName=人名\r\nDicFile=dic\\Names.dic\r\n");
    Folder.Write("dic/Base.dic", "ﾄｳｷｮｳ,東京,001\r\n");
    Folder.Write("dic/Names.dic", "ﾔﾏﾀﾞ,山田,001\r\n");
    Settings = std::make_unique<TGleanerAppIni>(Folder.PathOf("Gleaner.exe"));
    Form =
        std::make_unique<TGleanerForm>(std::make_unique<TGleanerController>(*Settings, Readings));
    EXPECT_TRUE(Form->Create());
  }

  void Notify(int id, int notification) {
    SendMessageW(Form->Handle(), WM_COMMAND, MAKEWPARAM(id, notification),
                 reinterpret_cast<LPARAM>(Form->Control(id)));
  }
  void Click(int id) { Notify(id, BN_CLICKED); }
  int Count(int list) {
    return static_cast<int>(SendMessageW(Form->Control(list), LB_GETCOUNT, 0, 0));
  }
  int Selection(int list) {
    return static_cast<int>(SendMessageW(Form->Control(list), LB_GETCURSEL, 0, 0));
  }
  std::string Text(int id) {
    wchar_t text[256] = {};
    GetWindowTextW(Form->Control(id), text, 256);
    return FromWide(text);
  }
  void SetMemo(std::string_view text) {
    SetWindowTextW(Form->Control(TGleanerForm::MemoSourceId), ToWide(text).c_str());
  }

  TTestFolder Folder;
  TNoReadings Readings;
  std::unique_ptr<TGleanerAppIni> Settings;
  std::unique_ptr<TGleanerForm> Form;
};

TEST_F(GleanerFormWin32, ExtractsIntoTheListsAndSelectsTheFirst) {
  EXPECT_EQ(Text(TGleanerForm::DicComboBoxId), "基本");
  SetMemo("山田とZorblatと珈琲");
  Click(TGleanerForm::ButtonExtractWordId);
  EXPECT_EQ(Count(TGleanerForm::ListBoxNotationId), 3);
  EXPECT_EQ(Selection(TGleanerForm::ListBoxNotationId), 0);
  EXPECT_EQ(Count(TGleanerForm::ListBoxSyllableId), 0);  // 山田 has no reading here

  // A click on the letter word shows its proposed reading.
  SendMessageW(Form->Control(TGleanerForm::ListBoxNotationId), LB_SETCURSEL, 1, 0);
  Notify(TGleanerForm::ListBoxNotationId, LBN_SELCHANGE);
  EXPECT_EQ(Count(TGleanerForm::ListBoxSyllableId), 1);
  EXPECT_EQ(Selection(TGleanerForm::ListBoxSyllableId), 0);

  Click(TGleanerForm::ButtonNotaDeleteId);
  EXPECT_EQ(Count(TGleanerForm::ListBoxNotationId), 2);
  EXPECT_EQ(Selection(TGleanerForm::ListBoxNotationId), 1);
}

TEST_F(GleanerFormWin32, AnotherDictionaryEmptiesTheListsButKeepsTheText) {
  SetMemo("山田と珈琲");
  Click(TGleanerForm::ButtonExtractWordId);
  ASSERT_EQ(Count(TGleanerForm::ListBoxNotationId), 2);

  SendMessageW(Form->Control(TGleanerForm::DicComboBoxId), CB_SETCURSEL, 1, 0);
  Notify(TGleanerForm::DicComboBoxId, CBN_SELCHANGE);
  EXPECT_EQ(Count(TGleanerForm::ListBoxNotationId), 0);
  EXPECT_EQ(Text(TGleanerForm::MemoSourceId), "山田と珈琲");

  // Against the names dictionary 山田 is known.
  Click(TGleanerForm::ButtonExtractWordId);
  EXPECT_EQ(Count(TGleanerForm::ListBoxNotationId), 1);

  Click(TGleanerForm::ButtonTextClearId);
  EXPECT_EQ(Count(TGleanerForm::ListBoxNotationId), 0);
  EXPECT_EQ(Text(TGleanerForm::MemoSourceId), "");
}

TEST_F(GleanerFormWin32, EditAndDeleteWithNothingSelectedChangeNothing) {
  // No list entry, so no input box may open: these return at once.
  for (int id : {TGleanerForm::ButtonNotaEditId, TGleanerForm::ButtonNotaDeleteId,
                 TGleanerForm::ButtonSyllEditId, TGleanerForm::ButtonSyllDeleteId})
    Click(id);
  EXPECT_EQ(Count(TGleanerForm::ListBoxNotationId), 0);
  EXPECT_EQ(Count(TGleanerForm::ListBoxSyllableId), 0);
  EXPECT_NE(Form->Handle(), nullptr);
}

TEST_F(GleanerFormWin32, SavingWritesTheUserFileAndKeepsTheEntries) {
  SetMemo("Zorblat");
  Click(TGleanerForm::ButtonExtractWordId);
  Click(TGleanerForm::ButtonSaveToDicId);
  EXPECT_EQ(Folder.Read("dic/Base.usr"), "zorblat,Zorblat,001\r\n");
  EXPECT_EQ(Count(TGleanerForm::ListBoxNotationId), 1);
  EXPECT_EQ(Selection(TGleanerForm::ListBoxNotationId), 0);
  EXPECT_EQ(SendMessageW(Form->Control(TGleanerForm::SaveProgressBarId), PBM_GETPOS, 0, 0), 2);
}

}  // namespace
