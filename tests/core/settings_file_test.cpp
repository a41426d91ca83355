#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "core/settings_file.h"
#include "support/shown_outcome.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

struct SettingsTest : ::testing::Test {
  TempDir dir;
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
  SettingsTest() { t.SettingsDir = dir.path(); }

  void WriteIni(const std::string& text) { std::ofstream(dir.file("TALLIVAR.INI"), std::ios::binary) << text; }
  std::string ReadFile(const std::string& name) {
    std::ifstream in(dir.file(name), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  static std::string Block(const std::string& scoring, const std::string& team = "Team = BEST3") {
    return "[TALLIVAR]\nCountry = USA\n" + scoring + "\nLastFile = /events/Nats.dat\n" + team +
           "\nPlace = Last Round Placement\nProv = BC\nSiteCode = CAN7867\n\n";
  }
};

std::string RecordsSection() {
  std::string s = "[VOND]\n;National records 2026\n";
  for (int d = 0; d < 50; ++d) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "D%-4d%5.2f %5d %4.1f\n", d, 10.0 + d, 1000 + d, 20.0 + d / 10.0);
    s += buf;
  }
  return s;
}

}  // namespace

TEST_F(SettingsTest, ReadsTheSevenLinesByColumn) {
  WriteIni("; comment\n" + Block("Scoring = IWSF") + "[VOND]\n;t\n");
  Shown(p.prompt, ReadSettings(t, p.fs));
  EXPECT_EQ(t.settings.Country, "USA");
  EXPECT_EQ(t.settings.RulesMode, 2);
  EXPECT_EQ(t.settings.LastFile, "/events/Nats.dat");
  EXPECT_EQ(t.settings.TeamMode, "BEST3");
  EXPECT_EQ(t.settings.PlaceMode, 'L');
  EXPECT_EQ(t.settings.Prov, "BC");
  EXPECT_EQ(t.settings.SiteCode, "CAN7867");
  EXPECT_TRUE(tp.prompter.shown.empty());
}

TEST_F(SettingsTest, RuleSetLetters) {
  struct Case {
    const char* line;
    int mode;
  } cases[] = {{"Scoring = AWSA", 1}, {"Scoring = VOND", 0}, {"Scoring = xxxN", 0},
               {"Scoring = N", 3},    {"Scoring = ADAPT", 3}, {"Scoring = Q", 0}};
  for (const auto& c : cases) {
    SettingsValues v;
    std::vector<std::string> lines = {"[TALLIVAR]", "Country = CAN", c.line};
    ParseSettings(lines, v);
    EXPECT_EQ(v.RulesMode, c.mode) << c.line;
  }
}

TEST_F(SettingsTest, TeamModes) {
  struct Case {
    const char* line;
    const char* mode;
  } cases[] = {{"Team = VOND", "BEST3"}, {"Team = SUM", "SUM"}, {"Team = IWSF", "IWSF"}, {"Team = Unknown", "BEST3"}};
  for (const auto& c : cases) {
    SettingsValues v;
    ParseSettings({"[TALLIVAR]", "", "", "", c.line}, v);
    EXPECT_EQ(v.TeamMode, c.mode) << c.line;
  }
  SettingsValues v;
  ParseSettings({"[TALLIVAR]", "", "", "LastFile = "}, v);
  EXPECT_EQ(v.LastFile, "");
}

TEST_F(SettingsTest, MissingFileShowsBothMessagesAndKeepsDefaults) {
  Shown(p.prompt, ReadSettings(t, p.fs));
  ASSERT_EQ(tp.prompter.shown.size(), 2u);
  EXPECT_EQ(tp.prompter.shown[0].text, "ERROR - \"" + dir.file("TALLIVAR.INI") + "\" not found");
  EXPECT_EQ(tp.prompter.shown[1].text, "INI Read error");
  EXPECT_EQ(t.settings.Country, "CAN");
  EXPECT_EQ(t.settings.Prov, "IND");
}

TEST_F(SettingsTest, NationalRulesReadTheRecords) {
  WriteIni(Block("Scoring = VOND") + RecordsSection());
  Shown(p.prompt, ReadSettings(t, p.fs));
  EXPECT_TRUE(t.tables.RecordsLoaded);
  EXPECT_EQ(t.tables.RecordsTitle, "National records 2026");
  EXPECT_DOUBLE_EQ(t.tables.Records[0][0], 10.0);
  EXPECT_DOUBLE_EQ(t.tables.Records[49][1], 1049);
  EXPECT_DOUBLE_EQ(t.tables.Records[49][2], 24.9);
  EXPECT_EQ(t.tables.Records[50][0], 0);
}

TEST_F(SettingsTest, RecordCheckAboveTheRecordAndForUnsetRows) {
  WriteIni(Block("Scoring = VOND") + RecordsSection());
  Shown(p.prompt, ReadRecords(t, p.fs));
  t.CurDivision = 16;
  Shown(p.prompt, CheckRecord(t, p.fs, 1, 26.0));
  EXPECT_TRUE(tp.prompter.shown.empty());
  Shown(p.prompt, CheckRecord(t, p.fs, 1, 26.5));
  EXPECT_TRUE(tp.prompter.saw("Possible Canadian Record!! May require a Record Application"));
  tp.prompter.clear();
  t.CurDivision = 52;  // rows 50..55 are 0
  Shown(p.prompt, CheckRecord(t, p.fs, 3, 0.5));
  EXPECT_EQ(tp.prompter.shown.size(), 1u);
}

TEST_F(SettingsTest, NonNumericRecordColumnsGiveZero) {
  WriteIni(Block("Scoring = VOND") + "[VOND]\ntitle\nB1   abcde 12x45 ----\n");
  Shown(p.prompt, ReadSettings(t, p.fs));
  EXPECT_EQ(t.tables.Records[0][0], 0);
  EXPECT_EQ(t.tables.Records[0][1], 0);
  EXPECT_EQ(t.tables.Records[0][2], 0);
}

TEST_F(SettingsTest, StandardsSection) {
  std::string nops = "[AWSA_NOPS]\nStandards 2026\nskip\nskip\n";
  for (int d = 0; d < 56; ++d) {
    char buf[80];
    std::snprintf(buf, sizeof buf, "%-9s%9.2f %8d%8s%10.1f\n", "X", 40.0 + d, 2000 + d, "", 30.0 + d);
    nops += buf;
  }
  WriteIni(Block("Scoring = AWSA") + "[VOND]\nx\n" + nops);
  Shown(p.prompt, ReadNops(t, p.fs));
  EXPECT_TRUE(t.tables.RecordsLoaded);
  EXPECT_EQ(t.tables.RecordsTitle, "Standards 2026");
  EXPECT_DOUBLE_EQ(t.tables.Nops[0][0], 40.0);
  EXPECT_DOUBLE_EQ(t.tables.Nops[1][55], 2055);
  EXPECT_DOUBLE_EQ(t.tables.Nops[2][10], 40.0);
}

TEST_F(SettingsTest, RewriteKeepsTheLinesAroundTheBlock) {
  std::string before = "; my notes\nfoo=bar\n";
  WriteIni(before + Block("Scoring = VOND") + "dropped line\n" + RecordsSection() + "[TRICK_TABLE]\nx\n[END]\n");
  Shown(p.prompt, ReadSettings(t, p.fs));
  std::string old = ReadFile("TALLIVAR.INI");
  t.settings.RulesMode = 3;
  t.settings.TeamMode = "SUM  ";
  t.settings.PlaceMode = 'T';
  t.EventFile = "/x/Worlds.dat";
  WriteSettings(t, p.fs);
  EXPECT_EQ(ReadFile("TALLIVAR.OLD"), old);
  std::string now = ReadFile("TALLIVAR.INI");
  EXPECT_EQ(now.find("; my notes\r\nfoo=bar\r\n[TALLIVAR]\r\nCountry = USA\r\nScoring = ADAPT\r\n"
                     "LastFile = /x/Worlds.dat\r\nTeam = SUM\r\nPlace = Total Score Placement\r\n"
                     "Prov = BC\r\nSiteCode = CAN7867\r\n\r\n[VOND]\r\n"),
            0u);
  EXPECT_EQ(now.find("dropped line"), std::string::npos);
  EXPECT_NE(now.find("[TRICK_TABLE]\r\nx\r\n[END]\r\n"), std::string::npos);

  // The adapted rules survive the restart.
  Tournament again;
  again.SettingsDir = dir.path();
  Shown(p.prompt, ReadSettings(again, p.fs));
  EXPECT_EQ(again.settings.RulesMode, 3);
  EXPECT_EQ(again.settings.TeamMode, "SUM");
  EXPECT_EQ(again.settings.PlaceMode, 'T');
  EXPECT_EQ(again.settings.LastFile, "/x/Worlds.dat");
}

TEST_F(SettingsTest, RewriteWithoutTheMarkersAppendsTheWholeBlock) {
  WriteIni("just a line\n");
  t.settings.Prov = "QC";
  WriteSettings(t, p.fs);
  EXPECT_EQ(ReadFile("TALLIVAR.INI").rfind("just a line\r\n[TALLIVAR]\r\nCountry = CAN\r\n", 0), 0u);
  Tournament again;
  again.SettingsDir = dir.path();
  Shown(p.prompt, ReadSettings(again, p.fs));
  EXPECT_EQ(again.settings.Prov, "QC");
}

TEST_F(SettingsTest, WriteWithNoFileMakesACompleteOne) {
  WriteSettings(t, p.fs);
  EXPECT_EQ(ReadFile("TALLIVAR.INI"),
            "[TALLIVAR]\r\nCountry = CAN\r\nScoring = VOND\r\nLastFile = \r\nTeam = BEST3\r\n"
            "Place = Best Score Placement\r\nProv = IND\r\nSiteCode = CAN0000\r\n\r\n");
  Tournament again;
  again.SettingsDir = dir.path();
  Shown(p.prompt, ReadSettings(again, p.fs));
  EXPECT_EQ(again.settings.Prov, "IN");  // the province is read from two columns
}

TEST_F(SettingsTest, AFailedWriteKeepsTheOldFile) {
  WriteIni(Block("Scoring = VOND"));
  std::string old = ReadFile("TALLIVAR.INI");
  for (int n = 1; n <= 14; ++n) {
    tp.fs.steps = 0;
    tp.fs.failAt = n;
    t.settings.Prov = "QC";
    try {
      WriteSettings(t, p.fs);
    } catch (const IoError&) {
    }
    std::string now = ReadFile("TALLIVAR.INI");
    EXPECT_TRUE(now == old || now.find("Prov = QC") != std::string::npos) << "step " << n;
    WriteIni(old);
  }
}

struct HostileSettings : SettingsTest, ::testing::WithParamInterface<std::string> {};

TEST_P(HostileSettings, NeverCrashesAndKeepsDefaultsWhereUnreadable) {
  WriteIni(GetParam());
  Shown(p.prompt, ReadSettings(t, p.fs));
  Shown(p.prompt, ReadRecords(t, p.fs));
  Shown(p.prompt, ReadNops(t, p.fs));
  EXPECT_LE(t.settings.Country.size(), 3u);
  EXPECT_GE(t.settings.RulesMode, 0);
  EXPECT_LE(t.settings.RulesMode, 3);
}

INSTANTIATE_TEST_SUITE_P(Files, HostileSettings,
                         ::testing::Values(std::string(), std::string(10000, 'x'), "[TALLIVAR]",
                                           "[TALLIVAR]\n" + std::string(100000, 'A') + "\n",
                                           std::string("[TALLIVAR]\0\0\0\xff\xfe\n[VOND]\n\0", 20),
                                           "[VOND]\n", "[AWSA_NOPS]\n", "[VOND]\n;" + std::string(500, 'T'),
                                           "[TALLIVAR]\r\r\r\r\r\r\r\r\r\n[VOND]\r\n\r\n"),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return "File" + std::to_string(info.index);
                         });

TEST_F(SettingsTest, WhatIsToldSaysWhetherTheReadWorked) {
  struct Row {
    const char* what;
    bool iniThere;
    std::function<Outcome()> run;
    bool ok;
    std::size_t told;
  };
  const Row rows[] = {
      {"settings read", true, [&] { return ReadSettings(t, tp.fs); }, true, 0},
      {"settings missing", false, [&] { return ReadSettings(t, tp.fs); }, false, 2},
      {"records missing", false, [&] { return ReadRecords(t, tp.fs); }, false, 1},
      {"record beaten", true, [&] { return CheckRecord(t, tp.fs, 1, 99.0); }, true, 1},
      {"record check without file", false, [&] { return CheckRecord(t, tp.fs, 1, 99.0); }, false, 1},
  };
  for (const Row& row : rows) {
    std::filesystem::remove(dir.file("TALLIVAR.INI"));
    if (row.iniThere) WriteIni(Block("Scoring = VOND") + RecordsSection());
    t.CurDivision = 16;
    const Outcome outcome = row.run();
    EXPECT_EQ(outcome.ok, row.ok) << row.what;
    EXPECT_EQ(outcome.messages.size(), row.told) << row.what;
  }
  EXPECT_TRUE(tp.prompter.shown.empty());  // the logic only tells; showing is the front end's
}
