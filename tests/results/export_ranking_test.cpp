// The ranking list lines: slalom offsets by rule set and division, the sex and class marks, and the
// fixed order of the fields.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text.h"
#include "results/export_ranking.h"
#include "support/skier_builders.h"

namespace {

double Ranked(int division, int rules, double score) {
  TSkier s{};
  s.Division = static_cast<std::uint8_t>(division);
  s.SlalomScore[2] = score;
  return RankingSlalomScore(s, 2, rules);
}

TEST(RankingSlalomScore, ZetlOffsetsByDivision) {
  EXPECT_DOUBLE_EQ(Ranked(12, 0, 40), 4);   // MU17
  EXPECT_DOUBLE_EQ(Ranked(13, 0, 40), 10);  // WU17
  for (int d : {14, 15, 16, 17, 22, 24, 26, 28, 50, 51}) EXPECT_DOUBLE_EQ(Ranked(d, 0, 40), 46) << d;
  EXPECT_DOUBLE_EQ(Ranked(23, 0, 40), 34);  // W3
  EXPECT_DOUBLE_EQ(Ranked(25, 0, 40), 34);  // W4
  for (int d : {10, 18, 27, 36, 56}) EXPECT_DOUBLE_EQ(Ranked(d, 0, 40), 40) << d;
}

TEST(RankingSlalomScore, IwwfOffsetsAndOtherRulesUnchanged) {
  EXPECT_DOUBLE_EQ(Ranked(12, 2, 30), 48);
  EXPECT_DOUBLE_EQ(Ranked(13, 2, 30), 48);
  for (int d : {14, 15, 56, 57}) EXPECT_DOUBLE_EQ(Ranked(d, 2, 30), 54) << d;
  for (int d : {16, 17, 36, 10}) EXPECT_DOUBLE_EQ(Ranked(d, 2, 30), 30) << d;
  EXPECT_DOUBLE_EQ(Ranked(12, 1, 30), 30);  // AWSA
  EXPECT_DOUBLE_EQ(Ranked(12, 3, 30), 30);  // adapted
}

TEST(RankingMarks, SexOnlyForTheDivisionsTheListKnows) {
  EXPECT_EQ(RankingSex(0), "M");
  EXPECT_EQ(RankingSex(34), "M");
  EXPECT_EQ(RankingSex(35), "F");
  for (int d : {36, 37, 49, 52, 53, 58, 60, 73, 86}) EXPECT_EQ(RankingSex(d), "") << d;
  EXPECT_EQ(RankingSex(50), "M");
  EXPECT_EQ(RankingSex(55), "F");
  EXPECT_EQ(RankingSex(56), "M");
  EXPECT_EQ(RankingSex(57), "F");
  EXPECT_EQ(ClassMark("3"), "L");
  EXPECT_EQ(ClassMark("4"), "R");
  EXPECT_EQ(ClassMark("1"), "C");
  EXPECT_EQ(ClassMark(""), "C");
}

struct RankingLinesTest : ::testing::Test {
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
};

TEST_F(RankingLinesTest, OnlyEnteredEventsWithAResultGiveLines) {
  t.RoundCount = 2;
  TSkier& s = AddSkier(t, p, "LEE", "Kim", 16, "TJ");
  s.SlalomScore[1] = 30;  // not entered in slalom: no line
  s.TrickScore[2] = 2500;
  s.JumpDistance[1][1] = 0.02;  // a fall only: no result
  auto lines = RankingLines(t);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find(";; 2500;;;"), std::string::npos) << lines[0];
}

TEST_F(RankingLinesTest, TwentyFiveFieldsWithTheFixedSequenceBeforeThePlace) {
  t.info.StartDate = "20260801";
  t.settings.SiteCode = "CAN2266";
  TSkier& s = AddSkier(t, p, "LEE", "Kim", 17, "J");
  s.Fed = "USA";
  s.MemberId = "77";
  s.JumpDistance[2][1] = 33.25;
  s.JumpPlace = 3;
  auto lines = RankingLines(t);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "LEE;Kim;77;1;USA;F;YYCAN00;;;33.3;;;C;1;W;;;20260801;;;Y;;3;USA77;CAN2266");
}

TEST_F(RankingLinesTest, ASemicolonInATextFieldCannotShiftTheColumns) {
  TSkier& s = AddSkier(t, p, "LEE", "K;m", 16, "T");
  s.TrickScore[1] = 100;
  auto lines = RankingLines(t);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].substr(0, 8), "LEE;K m;");
}

}  // namespace
