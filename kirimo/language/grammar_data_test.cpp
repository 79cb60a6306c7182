#include "kirimo/language/grammar_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <tuple>

#include "common/comma_list.h"
#include "kirimo/language/grammar_tables.h"

namespace {

struct TLine {
  int Type, Form, Follower;
  auto operator<=>(const TLine&) const = default;
};

std::vector<TLine> ParseConnections(const TStringList& lines) {
  std::vector<TLine> parsed;
  for (const std::string& line : lines) {
    TStringList f = SplitCommaList(line);
    parsed.push_back({std::stoi(f.at(0)), std::stoi(f.at(1)), std::stoi(f.at(2))});
  }
  return parsed;
}

TEST(GrammarData, TablesHaveTheirLineCounts) {
  const TGrammarData& data = GetGrammarData();
  EXPECT_EQ(data.Endings().size(), 42u);
  EXPECT_EQ(data.Connections().size(), 3862u);
  EXPECT_EQ(data.Particles().size(), 91u);
  EXPECT_EQ(data.WordTypes().size(), 23u);
  EXPECT_EQ(data.FormNames().size(), 14u);
}

TEST(GrammarData, TypeAndFormLinesReadAsTheRegistrationDialogShowsThem) {
  const TGrammarData& data = GetGrammarData();
  EXPECT_EQ(data.WordTypes().front(), "000=その他");
  EXPECT_EQ(data.WordTypes()[8], "008=一段");
  EXPECT_EQ(data.WordTypes().back(), "022=形容動詞");
  EXPECT_EQ(data.FormNames().front(), "00=語幹");
  EXPECT_EQ(data.FormNames().back(), "13=ぬ接");
  EXPECT_EQ(data.FormName(10), "仮定");
  EXPECT_EQ(data.FormName(14), "");
}

TEST(GrammarData, EndingRowsAreFoundByTheirCode) {
  const TGrammarData& data = GetGrammarData();
  EXPECT_EQ(data.EndingsOf(2), "_,こよう,こさ,こら,こ,き,き,き,くる,くる,くれ,こい");
  EXPECT_EQ(data.EndingsOf(41), "_,だろう,_,_,_,_,_,_,だ,だ,だら,_");
  EXPECT_EQ(data.EndingsOf(100), "");
  for (const std::string& line : data.Endings())
    EXPECT_EQ(SplitCommaList(line.substr(line.find('=') + 1)).size(), 12u) << line;
}

TEST(GrammarData, ConditionalOfZuruVerbsIsZure) {
  EXPECT_EQ(GetGrammarData().EndingsOf(6), "*,ぜよう,ぜさ,ぜら,じ,じ,じ,じ,ずる,ずる,ずれ,じろ");
}

TEST(GrammarData, ParticleIdsAreUniqueAndTypedAsDocumented) {
  std::set<int> ids;
  for (const std::string& line : GetGrammarData().Particles()) {
    TStringList f = SplitCommaList(line);
    ASSERT_EQ(f.size(), 5u) << line;
    int id = std::stoi(f[0]), type = std::stoi(f[4]);
    EXPECT_TRUE(ids.insert(id).second) << line;
    if (id < 198) {
      EXPECT_EQ(type, id) << line;
    }
  }
  EXPECT_EQ(GetGrammarData().Particles()[0], "023,ﾗ,ﾚ,れ,023");
  EXPECT_EQ(GetGrammarData().Particles().back(), "207,ﾀ,ﾂ,つ,009");
}

TEST(GrammarData, ConnectionTableExpandsToSortedDistinctLines) {
  const TGrammarData& data = GetGrammarData();
  std::vector<TLine> lines = ParseConnections(data.Connections());
  EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end()));
  EXPECT_EQ(std::adjacent_find(lines.begin(), lines.end()), lines.end()) << "a line repeats";

  std::set<std::pair<int, int>> pairs;
  std::set<int> types, followers;
  for (const TLine& line : lines) {
    pairs.insert({line.Type, line.Form});
    types.insert(line.Type);
    followers.insert(line.Follower);
    EXPECT_NE(line.Type, 0);
    EXPECT_LE(line.Form, 11);
    if (line.Type >= 100) {
      EXPECT_EQ(line.Form, 0);
    }
  }
  EXPECT_EQ(pairs.size(), 404u);
  EXPECT_EQ(types.size(), 103u);

  std::set<int> ids;
  for (const std::string& line : data.Particles()) ids.insert(std::stoi(line));
  EXPECT_EQ(followers, ids);
}

TEST(GrammarData, ConnectionTableHoldsTheTellingRows) {
  const TStringList& lines = GetGrammarData().Connections();
  for (const char* row : {"001,00,100", "002,10,109", "008,04,026", "123,00,205", "146,00,161",
                          "029,10,109", "041,10,109", "022,06,200"})
    EXPECT_NE(std::find(lines.begin(), lines.end(), row), lines.end()) << row;
  // 146 takes only って; type 030 has no conditional form.
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& l) { return l.starts_with("146,"); }),
            1);
  EXPECT_EQ(std::find(lines.begin(), lines.end(), "030,10,109"), lines.end());
}

TEST(ExpandConnectionRows, RangesTakeInEveryTypeAndLinesComeSorted) {
  const TConnectionRow rows[] = {{"105 101-103", 0, "161 026"}, {"102", 0, "100"}};
  EXPECT_EQ(ExpandConnectionRows(rows),
            (TStringList{"101,00,026", "101,00,161", "102,00,026", "102,00,100", "102,00,161",
                         "103,00,026", "103,00,161", "105,00,026", "105,00,161"}));
}

}  // namespace
