#include "scoring/jump.h"

#include <gtest/gtest.h>

#include "core/errors.h"

TEST(JumpEntry, CodesByFirstLetterAndShownBack) {
  EXPECT_EQ(ParseJumpEntry("P"), 0.01);
  EXPECT_EQ(ParseJumpEntry("f"), 0.02);
  EXPECT_EQ(ParseJumpEntry("Dq"), 0.03);
  EXPECT_EQ(ParseJumpEntry("pass"), 0.01);
  EXPECT_EQ(FormatJumpDistance(0.01), "Pass");
  EXPECT_EQ(FormatJumpDistance(0.02), "Fall");
  EXPECT_EQ(FormatJumpDistance(0.03), "DSQ");
  // What is shown reads back as the same code.
  for (double code : {0.01, 0.02, 0.03}) EXPECT_EQ(ParseJumpEntry(FormatJumpDistance(code)), code);
}

TEST(JumpEntry, DistancesAsNumbers) {
  EXPECT_EQ(ParseJumpEntry("41.5"), 41.5);
  EXPECT_EQ(ParseJumpEntry("0"), 0.0);
  EXPECT_EQ(FormatJumpDistance(41.5), "41.5");
  EXPECT_EQ(FormatJumpDistance(0.04), "0.04");
  EXPECT_EQ(FormatJumpDistance(0), "0");
  EXPECT_EQ(FormatJumpDistance(42.799), "42.799");
}

TEST(JumpEntry, TextThatIsNoNumberRaisesTheConversionError) {
  try {
    ParseJumpEntry("abc");
    FAIL() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid number");
  }
  EXPECT_THROW(ParseJumpEntry(""), ConversionError);
}

TEST(JumpTimes, SegmentWindowsAreInclusive) {
  EXPECT_TRUE(JumpTimeAccepted(45, 1, 6.45));
  EXPECT_TRUE(JumpTimeAccepted(45, 1, 6.68));
  EXPECT_FALSE(JumpTimeAccepted(45, 1, 6.69));
  EXPECT_FALSE(JumpTimeAccepted(45, 1, 6.44));
  EXPECT_TRUE(JumpTimeAccepted(54, 2, 3.54));
  EXPECT_FALSE(JumpTimeAccepted(54, 2, 3.55));
  EXPECT_TRUE(JumpTimeAccepted(57, 3, 2.36));
  EXPECT_FALSE(JumpTimeAccepted(57, 3, 2.35));
  // Segment 1's window does not apply to segment 3.
  EXPECT_FALSE(JumpTimeAccepted(57, 3, 5.20));
}

TEST(JumpTimes, SpeedsWithoutWindowsAreNotChecked) {
  EXPECT_TRUE(JumpTimeAccepted(46, 1, 99.0));
  EXPECT_TRUE(JumpTimeAccepted(42, 2, 0.5));
  EXPECT_TRUE(JumpTimeAccepted(60, 3, 10.0));
}

TEST(BestJumpOfRound, LongestJumpCodesCountZero) {
  TSkier s{};
  s.JumpDistance[1][2] = 0.02;
  s.JumpDistance[2][2] = 0.02;
  s.JumpDistance[3][2] = 0.02;
  EXPECT_EQ(BestJump(s, 2), 0.0);
  s.JumpDistance[2][2] = 38.4;
  s.JumpDistance[3][2] = 0.03;
  EXPECT_EQ(BestJump(s, 2), 38.4);
  s.JumpDistance[1][1] = 45.0;
  EXPECT_EQ(BestJump(s, 2), 38.4);
}
