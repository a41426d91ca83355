#include <gtest/gtest.h>

#include "core/event_files.h"
#include "core/file_io.h"
#include "core/tournament_file.h"
#include "event_test_files.h"
#include "support/shown_outcome.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

std::vector<std::string> FirstLines(int n, const std::vector<std::string>& all) {
  return std::vector<std::string>(all.begin(), all.begin() + n);
}

// The 23 value lines of a small event, as the file holds them.
std::vector<std::string> ValueLines() {
  return {"2022.1.1   Tallivar Data Version",
          "IWSF Overall",
          "Total Score Placement",
          "Sum Team Scores",
          "Spring Open",
          "Chief C",
          "Scorer S",
          "20260501",
          "20260503",
          "Tech T",
          "Driver D",
          "Safety S",
          "2",
          "41",
          "26CAN777,R1",
          "5",
          "4",
          "7",
          "08:00",
          "08:30",
          "09:00",
          "09:30",
          "CAN6790"};
}

}  // namespace

TEST(TournamentFile, WritesEveryLineInOrderWithTeamsAndEnd) {
  TestPlatform tp;
  Tournament t;
  FillEvent(t, tp);
  EXPECT_EQ(TournamentFileText(t),
            "2022.1.1   Tallivar Data Version\r\nIWSF Overall\r\nLast Round Placement\r\nBest3 Team Scores\r\n"
            "Lake Cup\r\nAnn Chief\r\nSam Scorer\r\n20260704\r\n20260705\r\nTia Tech\r\nDan Driver\r\nSue Safe\r\n"
            "3\r\n17\r\n26CAN123,P2\r\n6\r\n3\r\n9\r\n08:00\r\n09:30\r\n08:00\r\n08:00\r\nCAN7688\r\n"
            "[TEAMS]\r\nON,Ontario Team\r\nQC,Quebec\r\n[END]\r\n");
}

TEST(TournamentFile, ModeLinesByRulesPlacementAndTeamMode) {
  Tournament t;
  auto lines = [&] { return SplitLines(TournamentFileText(t)); };
  const char* rules[] = {"VOND Overall", "AWSA Overall", "IWSF Overall", "Adapted Overall"};
  for (int m = 0; m < 4; ++m) {
    t.settings.RulesMode = m;
    EXPECT_EQ(lines()[1], rules[m]);
  }
  const std::pair<char, const char*> places[] = {{'B', "Best Score Placement"},
                                                {'F', "First Round Placement"},
                                                {'L', "Last Round Placement"},
                                                {'T', "Total Score Placement"}};
  for (auto [c, text] : places) {
    t.settings.PlaceMode = c;
    EXPECT_EQ(lines()[2], text);
  }
  const std::pair<const char*, const char*> teams[] = {
      {"BEST3", "Best3 Team Scores"}, {"VOND ", "VOND Team Scores"}, {"IWSF", "IWSF Team Scores"}, {"SUM", "Sum Team Scores"}};
  for (auto [mode, text] : teams) {
    t.settings.TeamMode = mode;
    EXPECT_EQ(lines()[3], text);
  }
}

TEST(TournamentFile, ReadsEveryValueLine) {
  std::vector<std::string> lines = ValueLines();
  lines.insert(lines.end(), {"[TEAMS]", "ON,Ontario Team", "BC,Coast", "[END]"});
  Tournament t;
  TournamentFileValues v = TournamentValuesOf(t);
  ParseTournamentFile(lines, v);
  EXPECT_EQ(v.RulesMode, 2);
  EXPECT_EQ(v.PlaceMode, 'T');
  EXPECT_EQ(v.TeamMode, "SUM  ");
  EXPECT_EQ(v.info.EventName, "Spring Open");
  EXPECT_EQ(v.info.ChiefOfComp, "Chief C");
  EXPECT_EQ(v.info.Scorer, "Scorer S");
  EXPECT_EQ(v.info.StartDate, "20260501");
  EXPECT_EQ(v.info.EndDate, "20260503");
  EXPECT_EQ(v.info.TechController, "Tech T");
  EXPECT_EQ(v.info.ChiefDriver, "Driver D");
  EXPECT_EQ(v.info.SafetyDirector, "Safety S");
  EXPECT_EQ(v.RoundCount, 2);
  EXPECT_EQ(v.EntryCounter, 41);
  EXPECT_EQ(v.info.SanctionNo, "26CAN777");
  EXPECT_EQ(v.info.EventType, "R1");
  EXPECT_EQ(v.info.ClassDigit, '1');
  EXPECT_EQ(v.startTimes[4], "09:30");
  EXPECT_EQ(v.SiteCode, "CAN6790");
  EXPECT_EQ(v.teams.slots[1].code, "ON");
  EXPECT_EQ(v.teams.slots[1].name, "Ontario Team");
  EXPECT_EQ(v.teams.slots[2].code, "BC");
  EXPECT_EQ(v.teams.slots[2].name, "Coast");
  EXPECT_TRUE(v.teams.slots[3].code.empty());
}

TEST(TournamentFile, ModeLettersAsRead) {
  struct Case {
    const char* rules;
    int mode;
    bool standards;
  };
  for (Case c : {Case{"AWSA Overall", 1, false}, Case{"Adapted Overall", 3, true}, Case{"D", 3, true},
                 Case{"IWSF Overall", 2, false}, Case{"VOND Overall", 0, false}, Case{"x", 0, false}}) {
    Tournament t;
    TournamentFileValues v = TournamentValuesOf(t);
    ParseTournamentFile({"2022.1.1", c.rules}, v);
    EXPECT_EQ(v.RulesMode, c.mode) << c.rules;
    EXPECT_EQ(v.readStandards, c.standards) << c.rules;
  }
  const std::pair<const char*, const char*> teams[] = {
      {"Best3 Team Scores", "BEST3"}, {"IWSF Team Scores", "IWSF "}, {"Sum", "SUM  "}, {"VOND", "VOND "}, {"?", "VOND "}};
  for (auto [line, mode] : teams) {
    Tournament t;
    TournamentFileValues v = TournamentValuesOf(t);
    ParseTournamentFile({"", "", "", line}, v);
    EXPECT_EQ(v.TeamMode, mode) << line;
    EXPECT_EQ(v.readRecords, line[0] == 'V') << line;
  }
  Tournament t;
  t.settings.PlaceMode = 'F';
  TournamentFileValues v = TournamentValuesOf(t);
  ParseTournamentFile({"", "", "Quick Placement"}, v);
  EXPECT_EQ(v.PlaceMode, 'F');
}

TEST(TournamentFile, EndingAfterLine22KeepsSiteCodeAndTeams) {
  Tournament t;
  t.settings.SiteCode = "CAN2266";
  t.teams.slots[1].code = "NS";
  TournamentFileValues v = TournamentValuesOf(t);
  ParseTournamentFile(FirstLines(22, ValueLines()), v);
  EXPECT_EQ(v.SiteCode, "CAN2266");
  EXPECT_EQ(v.teams.slots[1].code, "NS");
  EXPECT_EQ(v.startTimes[4], "09:30");
}

TEST(TournamentFile, TeamsReplaceTheWholeTable) {
  Tournament t;
  for (std::size_t k = 1; k <= 3; ++k) t.teams.slots[k].code = "OLD";
  std::vector<std::string> lines = ValueLines();
  lines.insert(lines.end(), {"some note", "[TEAMS]", "ON,Ontario Team", "[END]", "QC,After End"});
  TournamentFileValues v = TournamentValuesOf(t);
  ParseTournamentFile(lines, v);
  EXPECT_EQ(v.teams.slots[1].code, "ON");
  EXPECT_EQ(v.teams.slots[1].name, "Ontario Team");
  EXPECT_TRUE(v.teams.slots[2].code.empty());
}

TEST(TournamentFile, FieldsAreCutToTheirWidths) {
  std::vector<std::string> lines = ValueLines();
  lines[4] = std::string(90, 'E');
  lines[7] = "2026050199";
  lines[14] = "123456789012345,ABC";
  lines.insert(lines.end(), {"[TEAMS]", "ABCD,A name much longer than twenty", "[END]"});
  Tournament t;
  TournamentFileValues v = TournamentValuesOf(t);
  ParseTournamentFile(lines, v);
  EXPECT_EQ(v.info.EventName, std::string(80, 'E'));
  EXPECT_EQ(v.info.StartDate, "20260501");
  EXPECT_EQ(v.info.SanctionNo, "1234567890");
  EXPECT_EQ(v.info.EventType, "AB");
  EXPECT_EQ(v.teams.slots[1].code, "ABC");
  EXPECT_EQ(v.teams.slots[1].name, "A name much longer t");
}

TEST(TournamentFile, AdaptedRulesSurviveSaveAndOpen) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  t.SettingsDir = dir.path();
  t.settings.RulesMode = 3;
  t.EventFile = dir.file("Para.dat");
  ASSERT_TRUE(SaveShown(t, tp));
  Tournament u;
  u.SettingsDir = dir.path();
  ASSERT_TRUE(OpenShown(u, tp, dir.file("Para.dat")));
  EXPECT_EQ(u.settings.RulesMode, 3);
  // The standards are read from the settings file, which this folder lacks.
  EXPECT_TRUE(tp.prompter.saw("ERROR - \"" + dir.file("TALLIVAR.INI") + "\" not found"));
}

TEST(TournamentFile, ClassDigitFollowsTheEventType) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  t.info.EventType = "N4";
  t.info.ClassDigit = '4';
  t.EventFile = dir.file("Nats.dat");
  ASSERT_TRUE(SaveShown(t, tp));
  Tournament u;
  ASSERT_TRUE(OpenShown(u, tp, dir.file("Nats.dat")));
  EXPECT_EQ(u.info.EventType, "N4");
  EXPECT_EQ(u.info.ClassDigit, '4');
}
