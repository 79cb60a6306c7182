#include "gleaner/proposing_reading_query.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "gleaner/gleaner_controller.h"
#include "gleaner/gleaner_test_folder.h"
#include "gleaner/plain_views.h"

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class TTableSource : public TReadingSource {
 public:
  TStringList ReverseConversion(std::string_view word) override {
    auto found = Table.find(std::string(word));
    return found == Table.end() ? TStringList() : found->second;
  }
  std::map<std::string, TStringList> Table;
};

class ProposingReadingQueryTest : public ::testing::Test {
 protected:
  ProposingReadingQueryTest() {
    WriteGleanerFolder(Folder,
                       "[BASE_DIC]\r\nDicName=基本\r\nDicFile=dic\\Base.dic\r\n"
                       "[EXT1_DIC]\r\nDicName=人名\r\nDicFile=dic\\Names.dic\r\n");
    Folder.Write("dic/Base.dic", "ｹﾝｷｭｳ,研究,001\r\nｼﾞｮ,所,001\r\n");
    Folder.Write("dic/Base.usr", "ｺｰﾋｰ,珈琲,001\r\n");
    Folder.Write("dic/Names.dic", "ﾔﾏﾀﾞ,山田,001\r\n");
    Settings = std::make_unique<TGleanerAppIni>(Folder.PathOf("Gleaner.exe"));
  }

  TTestFolder Folder;
  TTableSource InputMethod;
  std::unique_ptr<TGleanerAppIni> Settings;
};

TEST_F(ProposingReadingQueryTest, TheInputMethodFirstThenEveryDictionaryOfTheSettings) {
  InputMethod.Table = {{"研究", {" けんきゅう "}}};
  TProposingReadingQuery query(InputMethod, *Settings);
  EXPECT_THAT(query.Readings("研究"), ElementsAre("ｹﾝｷｭｳ"));    // trimmed, half-width katakana
  EXPECT_THAT(query.Readings("珈琲"), ElementsAre("ｺｰﾋｰ"));     // from a user file
  EXPECT_THAT(query.Readings("山田"), ElementsAre("ﾔﾏﾀﾞ"));     // from an extension
  EXPECT_THAT(query.Readings("研究所"), Contains("ｹﾝｷｭｳｼﾞｮ"));  // cut into held words
  EXPECT_THAT(query.Readings("鬱"), IsEmpty());
}

// The index is built on its own thread while the window opens its dictionaries.
TEST_F(ProposingReadingQueryTest, AControllerMadeWhileTheIndexIsBuiltGetsItsReadings) {
  TProposingReadingQuery query(InputMethod, *Settings);
  TGleanerController controller(*Settings, query);
  TPlainChoice selector;
  controller.FillDictionaryChoices(selector);
  controller.Extract("研究所の山田と珈琲と鬱");
  EXPECT_THAT(controller.GetNotations(), ElementsAre("研究所", "山田", "鬱"));
  EXPECT_THAT(controller.GetReadings(0), Contains("ｹﾝｷｭｳｼﾞｮ"));
  EXPECT_THAT(controller.GetReadings(1), ElementsAre("ﾔﾏﾀﾞ"));  // held by another dictionary
  EXPECT_THAT(controller.GetReadings(2), IsEmpty());
}

TEST_F(ProposingReadingQueryTest, AQueryNeverAskedEndsWithItsBuild) {
  for (int i = 0; i < 20; ++i) TProposingReadingQuery query(InputMethod, *Settings);
}

}  // namespace
