#include "results/team_scoring.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/skier_builders.h"
#include "support/test_platform.h"

namespace {

constexpr int kB1 = 0, kMU17 = 12, kWU17 = 13, kMU21 = 14, kWU21 = 15, kM = 16, kW = 17, kMMP1 = 60;

struct TeamScoringTest : ::testing::Test {
  Tournament t;
  TestPlatform tp;

  TSkier& Skier(const std::string& surname, int division, const char* team, double s, double tr = 0,
                double j = 0) {
    TSkier& k = AddSkier(t, tp, surname, "Al", division);
    k.Team = team;
    k.SlalomPoints = s;
    k.TrickPoints = tr;
    k.JumpPoints = j;
    return k;
  }
  TeamStandings Standings(const char* mode) {
    t.settings.TeamMode = mode;
    TeamStandings st = ComputeTeamStandings(t);
    tp.prompter.ShowEach(st.messages);  // as the team results window does
    return st;
  }
  static TeamScore Team(const TeamStandings& st, const std::string& code) {
    for (const auto& team : st.teams)
      if (team.code == code) return team;
    return {};
  }
};

}  // namespace

TEST_F(TeamScoringTest, Best3KeepsTheThreeHighestAndTiesGoToTheFirstInTheList) {
  Skier("ADAMS", kM, "ON", 900);
  Skier("BAKER", kM, "ON", 900);
  Skier("CLARK", kM, "ON", 800);
  Skier("DAVIS", kW, "ON", 950, 100);
  TeamScore on = Team(Standings("BEST3"), "ON");
  EXPECT_EQ(on.slalom.value, (std::array<double, 3>{950, 900, 900}));
  EXPECT_EQ(on.slalom.name, (std::array<std::string, 3>{"DAVIS", "ADAMS", "BAKER"}));
  EXPECT_DOUBLE_EQ(on.total, 2850);
}

TEST_F(TeamScoringTest, SumCountsEveryDivisionAndEveryEvent) {
  Skier("ADAMS", kM, "ON", 100, 200, 300);
  Skier("BAKER", kB1, "ON", 50, 0, 0);
  Skier("CLARK", kMMP1, "ON", 10, 20, 30);
  EXPECT_DOUBLE_EQ(Team(Standings("SUM  "), "ON").total, 710);
}

TEST_F(TeamScoringTest, IwsfCountsOnlyThePairOfTheCurrentDivision) {
  Skier("ADAMS", kMU17, "ON", 500);
  Skier("BAKER", kWU17, "ON", 0, 400);
  Skier("CLARK", kMU21, "ON", 900, 900, 900);
  t.CurDivision = kWU17;
  TeamStandings st = Standings("IWSF ");
  EXPECT_EQ(st.title, "Team Scoring for M,W (under 17)");
  EXPECT_DOUBLE_EQ(Team(st, "ON").total, 900);

  t.CurDivision = kM;
  st = Standings("IWSF ");
  EXPECT_FALSE(st.computed);
  EXPECT_EQ(
      TeamResultLines(st),
      std::vector<std::string>{"IWWF team scoring needs a current division of an age-group pair: BU14/GU14, "
                               "MU17/WU17, MU21/WU21, M1/W1, M2/W2, M3/W3, M4/W4, IM/IW"});
}

TEST_F(TeamScoringTest, NationalRuleValuesSmallDivisionsAgainstRecordsOrAYoungerDivision) {
  t.tables.RecordsLoaded = true;
  t.tables.Records[kM] = {50, 0, 60};
  // Two slalom entrants in M: against the record of 50, 40 buoys are 800 whatever the points.
  TSkier& adams = Skier("ADAMS", kM, "ON", 1000, 0, 1000);
  adams.SlalomScore[2] = 40;
  adams.JumpDistance[1][1] = 45;  // (45 - 30) / 30 of the record of 60
  Skier("BAKER", kM, "QC", 750).SlalomScore[1] = 30;
  // W has no trick record and one trick entrant: valued against WU21's best, which has three.
  TSkier& clark = Skier("CLARK", kW, "ON", 0, 1000);
  clark.TrickScore[1] = 4000;
  clark.SlalomScore[1] = 10;  // no record and no slalom result in WU21: nothing to compare with, 0
  for (const char* name : {"WU21A", "WU21B", "WU21C"}) Skier(name, kWU21, "", 0, 0).TrickScore[3] = 5000;
  // The same skier in a second division counts once per event, with the higher event points.
  Skier("ADAMS", kMU21, "ON", 950).SlalomScore[1] = 20;

  TeamScore on = Team(Standings("VOND "), "ON");
  EXPECT_EQ(on.slalom.value, (std::array<double, 3>{950, 0, 0}));
  EXPECT_EQ(on.slalom.name[0], "ADAMS Al");
  EXPECT_EQ(on.trick.value, (std::array<double, 3>{800, 0, 0}));
  EXPECT_EQ(on.jump.value, (std::array<double, 3>{500, 0, 0}));
  EXPECT_DOUBLE_EQ(on.total, 2250);
  EXPECT_TRUE(tp.prompter.shown.empty());

  // Without records the event points count.
  t.tables.RecordsLoaded = false;
  EXPECT_DOUBLE_EQ(Team(Standings("VOND "), "ON").total, 1000 + 1000 + 1000);
}

TEST_F(TeamScoringTest, NationalRuleWarnsInTheFirstOfSeveralRounds) {
  Skier("ADAMS", kM, "ON", 100);
  t.RoundCount = 2;
  Standings("VOND ");
  EXPECT_EQ(tp.prompter.texts(), std::vector<std::string>{kNationalTeamWarning});
  tp.prompter.clear();
  t.CurRound = 2;
  Standings("VOND ");
  Standings("BEST3");
  EXPECT_TRUE(tp.prompter.shown.empty());
}
