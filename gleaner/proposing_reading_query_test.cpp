#include "gleaner/proposing_reading_query.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "gleaner/gleaner_test_folder.h"

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

TEST_F(ProposingReadingQueryTest, ReadsTheDictionariesAtTheFirstQuestion) {
  TProposingReadingQuery query(InputMethod, *Settings);
  Folder.Write("dic/Base.usr", "ﾊｼ,橋,001\r\n");  // changed after start, before any question
  EXPECT_THAT(query.Readings("橋"), ElementsAre("ﾊｼ"));
}

}  // namespace
