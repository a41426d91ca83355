// The printed team standings of a small tournament against a page written by hand: three teams, one
// with a name longer than the column, one without a name or points.
#include "printing/team_standings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "support/skier_builders.h"
#include "support/test_platform.h"

namespace {

constexpr int kM = 16, kW = 17;

std::vector<std::string> Expected(const std::string& name) {
  std::ifstream in(std::string(TALLIVAR_TEST_DATA) + "/expected/" + name, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  EXPECT_FALSE(ss.str().empty()) << name;
  return SplitLines(ss.str());
}

void Points(TSkier& s, const char* team, double slalom, double trick, double jump) {
  s.Team = team;
  s.SlalomPoints = slalom;
  s.TrickPoints = trick;
  s.JumpPoints = jump;
}

}  // namespace

TEST(TeamStandingsReport, Best3PageLineForLine) {
  Tournament t;
  TestPlatform tp;
  t.info.EventName = "Lake Cup";
  t.info.EndDate = "20260705";
  t.settings.TeamMode = "BEST3";
  Points(AddSkier(t, tp, "ADAMS", "Al", kM), "ON", 950, 600, 0);
  Points(AddSkier(t, tp, "BAKER", "Bo", kM), "ON", 900, 0, 500);
  Points(AddSkier(t, tp, "BROWN", "Cy", kM), "BC", 0, 0, 0);
  Points(AddSkier(t, tp, "CLARK", "Di", kW), "QC", 800, 1000, 700);
  Points(AddSkier(t, tp, "DAVIS", "Ed", kM), "ON", 400, 0, 0);
  t.teams.slots[1] = {ShortString<3>("QC"), ShortString<20>("Quebec Water Ski Federation")};
  t.teams.resting.push_back({ShortString<3>("ON"), ShortString<20>("Ontario")});

  TeamStandings st = ComputeTeamStandings(t);
  std::vector<std::string> lines = TeamStandingsLines(t, st);
  EXPECT_EQ(lines, Expected("team_standings_best3.txt"));

  // The command line builds the same page, and the window's lines under their heading.
  auto doc = BuildReport("team-standings", t, tp, {});
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->lines, lines);
  auto memo = BuildReport("team-results", t, tp, {});
  ASSERT_TRUE(memo);
  EXPECT_EQ(memo->lines,
            (std::vector<std::string>{kTeamResultHeading, "ON Ontario             3350.0",
                                      "QC Quebec Water Ski Fed2500.0", "BC                        0.0"}));
}
