#include "entries/team_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/file_io.h"
#include "core/skier_ops.h"
#include "core/tournament_file.h"
#include "support/shown_outcome.h"
#include "support/skier_builders.h"
#include "support/test_platform.h"

namespace {

struct TeamTableTest : ::testing::Test {
  Tournament t;
  TestPlatform tp;

  void Skier(const std::string& surname, const char* team) { AddSkier(t, tp, surname, "A", 16).Team = team; }
  std::vector<std::string> Slots() const {
    std::vector<std::string> out;
    for (int k = 1; k <= UsedTeamSlots(t.teams); ++k)
      out.push_back(t.teams.slots[static_cast<std::size_t>(k)].code.str() + "=" +
                    t.teams.slots[static_cast<std::size_t>(k)].name.str());
    return out;
  }
  void Name(const char* code, const char* name) {
    t.teams.slots[static_cast<std::size_t>(*FindTeamSlot(t.teams, code))].name = name;
  }
  void Collect() { Shown(tp.prompter, CollectTeams(t.teams, t.skiers)); }
};

}  // namespace

TEST_F(TeamTableTest, NamesStayWithTheirCodesWhenTheOrderChanges) {
  Skier("BAKER", "ON");
  Skier("CLARK", "BC");
  Skier("DAVIS", "QC");
  Skier("EATON", "");
  Collect();
  Name("ON", "Ontario");
  Name("BC", "British Columbia");
  Name("QC", "Quebec");

  // BC now comes first in the list, and the only QC skier leaves.
  Skier("ADAMS", "BC");
  t.RemoveSkier(std::prev(t.skiers.tailNode(), 2));  // DAVIS
  Collect();
  EXPECT_EQ(Slots(), (std::vector<std::string>{"BC=British Columbia", "ON=Ontario"}));

  // Quebec's name survives a save and comes back with the code.
  TournamentFileValues v;
  ParseTournamentFile(SplitLines(TournamentFileText(t)), v);
  t.teams = v.teams;
  Skier("EVANS", "QC");
  Collect();
  EXPECT_EQ(Slots(), (std::vector<std::string>{"BC=British Columbia", "ON=Ontario", "QC=Quebec"}));
  EXPECT_TRUE(t.teams.resting.empty());
}

TEST_F(TeamTableTest, AFiftyFirstCodeIsReportedAndLeftOut) {
  for (int i = 0; i < 51; ++i) {
    std::string code = {static_cast<char>('A' + i / 26), static_cast<char>('A' + i % 26)};
    Skier("S" + std::to_string(100 + i), code.c_str());
  }
  Collect();
  EXPECT_EQ(tp.prompter.texts(), std::vector<std::string>{"Too many teams found!"});
  EXPECT_EQ(UsedTeamSlots(t.teams), 50);
  EXPECT_EQ(t.teams.slots[50].code, "BX");
}
