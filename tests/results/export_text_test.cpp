// The official results text file: titles by rule set, the officials lines, which divisions and
// rounds appear.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/export_text.h"
#include "support/skier_builders.h"

namespace {

struct OfficialResultsTest : ::testing::Test {
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
  void SetUp() override { t.info.SanctionNo = "26X7"; }
};

TEST_F(OfficialResultsTest, TitleLineOfEachRuleSet) {
  t.settings.RulesMode = 1;
  EXPECT_EQ(OfficialResultsLines(t)[0], std::string(22, ' ') + "AWSA SCOREBOOK" + "    26X7  (1000pt Scoring)");
  t.settings.RulesMode = 2;
  EXPECT_EQ(OfficialResultsLines(t)[0], std::string(29, ' ') + "IWWF OFFICIAL RESULTS");
  t.settings.RulesMode = 3;
  EXPECT_EQ(OfficialResultsLines(t)[0], std::string(21, ' ') + "ADAPTED SCOREBOOK" + "    26X7");
  t.settings.RulesMode = 0;
  EXPECT_EQ(OfficialResultsLines(t)[0], std::string(28, ' ') + "ZETL  OFFICIAL RESULTS" + "     26X7");
}

TEST_F(OfficialResultsTest, AnOfficialsNameLongerThanTheColumnPushesTheLabelRight) {
  t.info.Scorer = std::string(45, 'C');
  t.info.EventName = "A";  // 1 / 2 + 40 = 40
  auto lines = OfficialResultsLines(t);
  EXPECT_EQ(lines[1], std::string(39, ' ') + "A");
  EXPECT_EQ(lines[3], "Calculator    : " + std::string(45, 'C') + "Date            : YYYYMMDD");
}

TEST_F(OfficialResultsTest, AdaptedDivisionsAreLeftOutAndEmptyDivisionsSkipped) {
  AddSkier(t, p, "ONE", "A", 60);
  AddSkier(t, p, "TWO", "B", 85);
  AddSkier(t, p, "THREE", "C", 5);
  auto lines = OfficialResultsLines(t);
  ASSERT_EQ(lines.size(), 10u + 3u);  // header, then separator, one line, blank
  EXPECT_EQ(lines[10], "****** G3 ******");
  EXPECT_EQ(lines[11].substr(3, 5), "THREE");
  EXPECT_EQ(lines[12], "");
}

TEST_F(OfficialResultsTest, OneLinePerRoundUpToTheRoundCount) {
  t.RoundCount = 4;
  TSkier& s = AddSkier(t, p, "ONE", "A", 16, "T");
  s.TrickScore[4] = 1234;
  auto lines = OfficialResultsLines(t);
  ASSERT_EQ(lines.size(), 10u + 6u);
  EXPECT_EQ(lines[12], std::string(37, ' ') + "R2" + "    .       .     .  " + std::string(16, ' ') + "0" +
                           "      .     .   .         .");
  EXPECT_EQ(lines[13].substr(0, 39), std::string(37, ' ') + "R3");
  EXPECT_EQ(lines[14].substr(39), "    .       .     .  " + std::string(13, ' ') + "1234" +
                                      "      .     .   .         .");
}

TEST_F(OfficialResultsTest, SkiersFollowTheOverallScoreWithTiesInListOrder) {
  TSkier& a = AddSkier(t, p, "ALPHA", "A", 16);
  TSkier& b = AddSkier(t, p, "BRAVO", "B", 16);
  TSkier& c = AddSkier(t, p, "CHARLIE", "C", 16);
  a.OverallScore = 1000;
  b.OverallScore = 2000;
  c.OverallScore = 2000;
  auto lines = OfficialResultsLines(t);
  ASSERT_GE(lines.size(), 14u);
  EXPECT_EQ(lines[11].substr(3, 5), "BRAVO");
  EXPECT_EQ(lines[12].substr(3, 7), "CHARLIE");
  EXPECT_EQ(lines[13].substr(3, 5), "ALPHA");
}

}  // namespace
