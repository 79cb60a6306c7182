#include "kirimo/shell/pointer_moves.h"

#include <gtest/gtest.h>

namespace {

TEST(PointerMoves, OnlyAChangedPositionIsAMove) {
  TPointerMoves pointer;
  EXPECT_TRUE(pointer.MovedTo({10, 10}));  // the first notification
  EXPECT_FALSE(pointer.MovedTo({10, 10}));  // a button event's move at the same place
  EXPECT_TRUE(pointer.MovedTo({11, 10}));
  EXPECT_TRUE(pointer.MovedTo({11, 9}));
  EXPECT_FALSE(pointer.MovedTo({11, 9}));
}

}  // namespace
