#include "kirimo/shell/keypad_description.h"

#include <gtest/gtest.h>

#include "kirimo/shell/keypad_tree_layout.h"

namespace {

TKeypadShape Shape(bool grid) {
  TKeypadShape shape;
  shape.ClientWidth = 165;
  shape.ClientHeight = 400;
  shape.KeyHeight = 200;
  shape.GridVisible = grid;
  return shape;
}

bool Has(const std::string& text, const std::string& line) {
  return text.find(line + "\n") != std::string::npos;
}

}  // namespace

TEST(KeypadDescription, PlacesShowingControlsOnTheScreenWithTheirCaptions) {
  const TKeypadTree tree = LayoutKeypad(Shape(false));
  TKeypadCaptions captions;
  captions.SetVowelLabels(TStringList{"か", "き"});
  TCandidateListModel list;
  list.SetItems({"蚊", "課", "化"});
  list.SetSelected(1, true);
  list.SetTopIndex(1);
  const std::string text = DescribeKeypad({tree.Controls,
                                           captions,
                                           list.VisibleRows(10),
                                           16,
                                           "ｶ",
                                           "基本",
                                           false,
                                           {100, 50},
                                           std::nullopt,
                                           0});
  // The list starts at y 4: row 1 (at the top) is centred 8 lower, shifted by the client origin.
  EXPECT_TRUE(Has(text, "row\t1\t182\t62\t課*")) << text;
  EXPECT_TRUE(Has(text, "row\t2\t182\t78\t化")) << text;
  EXPECT_EQ(text.find("蚊"), std::string::npos);
  EXPECT_TRUE(Has(
      text,
      "vowel\t1\t" +
          std::to_string(100 + (tree.Controls.Vowels[1].Left + tree.Controls.Vowels[1].Right) / 2) +
          "\t" +
          std::to_string(50 + (tree.Controls.Vowels[1].Top + tree.Controls.Vowels[1].Bottom) / 2) +
          "\tき"));
  EXPECT_TRUE(Has(
      text, "dic\t0\t" +
                std::to_string(
                    100 + (tree.Controls.Dictionary.Left + tree.Controls.Dictionary.Right) / 2) +
                "\t" +
                std::to_string(
                    50 + (tree.Controls.Dictionary.Top + tree.Controls.Dictionary.Bottom) / 2) +
                "\t基本"));
  EXPECT_EQ(text.find("sponsor"), std::string::npos);  // hidden
  EXPECT_EQ(text.find("cell"), std::string::npos);
  EXPECT_TRUE(Has(text, "status\t0\t0\t0\tｶ"));
  EXPECT_TRUE(Has(text, "top\t0\t0\t0\t1"));
  EXPECT_TRUE(Has(text, "count\t0\t0\t0\t3"));
  EXPECT_TRUE(Has(text, "enabled\t0\t0\t0\t0"));
  EXPECT_TRUE(Has(text, "countdown\t0\t0\t0\t"));
  EXPECT_EQ(text.find("stem"), std::string::npos);  // dwell is off
}

TEST(KeypadDescription, WhileDwellIsOnRowsHaveStemMarksAndTheCountdownIsNamed) {
  TKeypadTree tree = LayoutKeypad(Shape(false));
  tree.Controls.StemWidth = 32;
  TKeypadCaptions captions;
  TCandidateListModel list;
  list.SetItems({"蚊", "課"});
  const std::string text = DescribeKeypad({tree.Controls,
                                           captions,
                                           list.VisibleRows(10),
                                           16,
                                           "",
                                           "",
                                           false,
                                           {0, 0},
                                           TDwellCountdown{{TKeypadPart::ItemStem, 1}, 250},
                                           7});
  // The stem mark is the row's last 32 pixels: 133 to 165, centred at 149.
  EXPECT_TRUE(Has(text, "stem\t1\t149\t28\t課")) << text;
  EXPECT_TRUE(Has(text, "countdown\t0\t0\t0\tstem 1 250")) << text;
  EXPECT_TRUE(Has(text, "dwells\t0\t0\t0\t7")) << text;
}

TEST(KeypadDescription, GridCellsShowTheirAmpersandOnceAndReplaceTheKeys) {
  const TKeypadTree tree = LayoutKeypad(Shape(true));
  TKeypadCaptions captions;
  captions.SetGridLetters("&");
  TCandidateListModel list;
  const std::string text = DescribeKeypad(
      {tree.Controls, captions, list.VisibleRows(10), 16, "", "", true, {0, 0}, std::nullopt, 0});
  EXPECT_NE(text.find("cell\t0\t"), std::string::npos);
  EXPECT_NE(text.find("\t&\n"), std::string::npos);
  EXPECT_EQ(text.find("&&"), std::string::npos);
  EXPECT_EQ(text.find("key\t"), std::string::npos);
  EXPECT_TRUE(Has(text, "enabled\t0\t0\t0\t1"));
  // Without a dictionary name the button reads as the window paints it.
  EXPECT_NE(text.find("\t辞書切替\n"), std::string::npos) << text;
  EXPECT_TRUE(Has(text, "name\t0\t0\t0\t"));
}
