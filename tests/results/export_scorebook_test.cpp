// The AWSA scorebook line: fixed-width fields one after another, one line per skier.
#include <gtest/gtest.h>

#include <string>

#include "results/export_scorebook.h"
#include "support/skier_builders.h"

namespace {

TEST(BestSlalomRound, TheHighestOfTheFirstThreeRoundsTheEarliestOnEqualScores) {
  TSkier s{};
  auto best = [&](double a, double b, double c) {
    s.SlalomScore[1] = a;
    s.SlalomScore[2] = b;
    s.SlalomScore[3] = c;
    return BestSlalomRound(s);
  };
  EXPECT_EQ(best(30, 20, 25), 1);  // round 3 beats round 2 only: round 1 is still best
  EXPECT_EQ(best(20, 30, 40), 3);
  EXPECT_EQ(best(10, 30, 25), 2);
  EXPECT_EQ(best(20, 20, 20), 1);
  EXPECT_EQ(best(0, 0, 0), 1);
  s.SlalomScore[4] = 99;  // the fourth round is not looked at
  EXPECT_EQ(best(1, 2, 3), 3);
}

struct ScorebookTest : ::testing::Test {
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
};

TEST_F(ScorebookTest, ALineWithTwoRoundsFieldByField) {
  t.settings.RulesMode = 1;
  t.settings.Prov = "ONT";
  t.RoundCount = 2;
  t.info.SanctionNo = "26S123";
  t.info.EventType = "L";
  t.info.EndDate = "20260705";
  TSkier& s = AddSkier(t, p, "SMITH*", "JANE", 17);
  s.Fed = "USA";
  s.MemberId = "12345";
  s.Team = "WAV";
  for (int r = 1; r <= 2; ++r) {
    s.SlalomClass[r] = s.TrickClass[r] = s.JumpClass[r] = "L";
    s.SlalomRoundDiv[r] = s.TrickRoundDiv[r] = s.JumpRoundDiv[r] = 17;
    s.SlalomBoat[r] = s.JumpBoat[r] = "MC";
    s.TrickBoat[r] = "NT";
    s.SlalomSpeed[r] = 55;
    s.JumpSpeed[r] = 54;
    s.JumpRamp[r] = 0.235;
  }
  s.SlalomBuoys[1] = 3.5;
  s.SlalomScore[1] = 33.5;
  s.SlalomRope[1] = 12;
  s.SlalomBuoys[2] = 2;
  s.SlalomScore[2] = 38;
  s.SlalomRope[2] = 11.25;
  s.TrickScore[1] = 2450;
  s.JumpDistance[1][1] = 30.0;
  s.SlalomPlace = 1;
  s.TrickPlace = 2;
  const std::string expected = std::string("USA") + "12345      " + "SMITH            " + "Jane         " + "F" +
                               "YOBSTRegTeam" + "     " + "WAV " +
                               // region, sanction, class, end date, ten spaces
                               "ONT" + "26S123  " + "L" + "20260705" + "          " +
                               // best slalom round 2, places, round count, seven spaces
                               "2" + "  1" + "2" + "  2" + "R" + "   " + "R" + "2" + "       " +
                               // round 1: slalom, trick, jump (30 m = 98 ft)
                               "1" + "LW MC3.50 33.5012.0055" + "    " + "LW NT 2450" + "   " + "LW MC0.23554 9830.0" +
                               "    " +
                               // round 2
                               "2" + "LW MC2.00 38.0011.2555" + "    " + "LW NT    0" + "   " + "LW MC0.23554  0 0.0" +
                               "    ";
  auto lines = ScorebookLines(t);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], expected);
}

TEST_F(ScorebookTest, LongNamesAreCutSoTheColumnsStay) {
  TSkier& a = AddSkier(t, p, "ABCDEFGHIJKLMNO", "PQRSTUVWXYZABCD", 16);
  TSkier& b = AddSkier(t, p, "X", "Y", 60);
  (void)a;
  (void)b;
  auto lines = ScorebookLines(t);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].size(), lines[1].size());
  EXPECT_EQ(lines[0].substr(14, 30), "ABCDEFGHIJKLMNO  Pqrstuvwxyzab");
  EXPECT_EQ(lines[0][44], 'M');
  EXPECT_EQ(lines[1][44], ' ');  // adapted divisions carry no sex letter
}

}  // namespace
