#include "kirimo/engine/key_letters.h"

#include <gtest/gtest.h>

namespace {

TEST(CartridgeEXTTables, CaptionsGiveKeyLettersAndRows) {
  EXPECT_EQ(KeyLetterOfCaption("ABC"), "A");
  EXPECT_EQ(KeyLetterOfCaption("か"), "ｶ");
  EXPECT_EQ(KeyLetterOfCaption("ー"), "ｰ");
  EXPECT_EQ(KeyLetterOfCaption(""), "");
  EXPECT_EQ(KeyLetterOfCaption("き"), "");
  EXPECT_EQ(RowOf("ﾜｦ"), "ﾜｦﾝ");
  EXPECT_EQ(RowOf("0"), "0123456789");
  EXPECT_EQ(RowOf("ｷ"), "");
}

}  // namespace
