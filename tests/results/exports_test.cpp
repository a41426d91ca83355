// The two export commands: which files each rule set writes, when nothing is written, and what a
// failed write leaves behind.
#include "results/exports.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/file_io.h"
#include "support/shown_outcome.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

constexpr int kMU21 = 14, kM = 16, kMMP1 = 60;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::vector<std::string> FileLines(const std::string& path) { return SplitLines(ReadFile(path)); }

struct ExportCommand : ::testing::Test {
  TempDir dir;
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;

  void SetUp() override {
    t.EventFile = dir.file("cup.dat");
    t.EventBase = dir.file("cup");
    t.CsvExportFile = dir.file("out.csv");
    t.info.SanctionNo = "26CAN01";
  }
  bool Exists(const std::string& name) { return std::filesystem::exists(dir.file(name)); }
};

TEST_F(ExportCommand, SlalomInTwoOfThreeRoundsGivesTwoLinesInEachFile) {
  t.RoundCount = 3;
  TSkier& s = AddSkier(t, p, "LEE", "Kim", kM, "S");
  s.SlalomScore[1] = 20;
  s.SlalomScore[2] = 25.5;
  Shown(p.prompt, RunCsvExport(t, p.fs));
  auto csv = FileLines(dir.file("out.csv"));
  auto ranking = FileLines(dir.file("cup_iwwf.txt"));
  ASSERT_EQ(csv.size(), 2u);
  ASSERT_EQ(ranking.size(), 2u);
  EXPECT_NE(csv[0].find(",1,26CAN01"), std::string::npos) << csv[0];
  EXPECT_NE(csv[1].find(",2,26CAN01"), std::string::npos) << csv[1];
  EXPECT_EQ(ranking[0].substr(0, 4), "LEE;");
  EXPECT_NE(ranking[1].find(";2;M;"), std::string::npos) << ranking[1];
}

TEST_F(ExportCommand, IwwfJuniorSlalomIsShiftedDifferentlyInEachFile) {
  t.settings.RulesMode = 2;
  TSkier& s = AddSkier(t, p, "LEE", "Kim", kMU21, "S");
  s.SlalomScore[1] = 30;
  Shown(p.prompt, RunCsvExport(t, p.fs));
  auto csv = FileLines(dir.file("out.csv"));
  auto ranking = FileLines(dir.file("cup_iwwf.txt"));
  ASSERT_EQ(csv.size(), 1u);
  ASSERT_EQ(ranking.size(), 1u);
  EXPECT_NE(csv[0].find(",24.00,"), std::string::npos) << csv[0];
  EXPECT_NE(ranking[0].find(";26CAN01;54.00;;;"), std::string::npos) << ranking[0];
}

TEST_F(ExportCommand, AsteriskAndCaseChangesReachTheFilesOnly) {
  TSkier& s = AddSkier(t, p, "NOLAN*", "PETER", kM, "S");
  s.SlalomScore[1] = 12;
  t.TxtExportFile = dir.file("out.txt");
  Shown(p.prompt, RunCsvExport(t, p.fs));
  Shown(p.prompt, RunTextExport(t, p.fs));
  EXPECT_NE(FileLines(dir.file("out.csv"))[0].find(",NOLAN,Peter,"), std::string::npos);
  EXPECT_EQ(FileLines(dir.file("cup_iwwf.txt"))[0].substr(0, 12), "NOLAN;Peter;");
  const std::string text = ReadFile(dir.file("out.txt"));
  EXPECT_EQ(text.find("NOLAN*"), std::string::npos);
  EXPECT_NE(text.find("NOLAN          Peter"), std::string::npos);
  EXPECT_EQ(s.Surname.str(), "NOLAN*");
  EXPECT_EQ(s.FirstName.str(), "PETER");
}

TEST_F(ExportCommand, AdaptedRulesWriteTheCsvFileWithoutSlalomDetailsAndNoRankingFile) {
  t.settings.RulesMode = 3;
  TSkier& s = AddSkier(t, p, "LEE", "Kim", kMMP1, "S");
  s.SlalomRoundDiv[1] = kMMP1;
  s.SlalomScore[1] = 12;
  s.SlalomPlace = 1;
  Shown(p.prompt, RunCsvExport(t, p.fs));
  EXPECT_FALSE(Exists("cup_iwwf.txt"));
  auto csv = FileLines(dir.file("out.csv"));
  ASSERT_EQ(csv.size(), 1u);
  // Date, type, names, member, team, division, then the places and jump fields straight away.
  EXPECT_EQ(csv[0], "YYYYMMDD,R1,LEE,Kim,,,MMP1,1,,,,,,1,26CAN01");
}

TEST_F(ExportCommand, NothingIsWrittenForANeverSavedEventOrWithoutAName) {
  TSkier& s = AddSkier(t, p, "LEE", "Kim", kM, "S");
  s.SlalomScore[1] = 12;
  t.EventFile = "";
  t.EventBase = "";
  Shown(p.prompt, RunCsvExport(t, p.fs));
  EXPECT_FALSE(Exists("out.csv"));
  EXPECT_TRUE(CsvExportTargets(t).empty());

  t.EventFile = dir.file("cup.dat");
  t.EventBase = dir.file("cup");
  t.CsvExportFile = "";
  Shown(p.prompt, RunCsvExport(t, p.fs));
  EXPECT_TRUE(CsvExportTargets(t).empty());
  Shown(p.prompt, RunTextExport(t, p.fs));  // TxtExportFile is empty too
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  EXPECT_TRUE(tp.prompter.shown.empty());
}

TEST_F(ExportCommand, AwsaWritesTheScorebookAndTheRankingFileOnlyForRankingClasses) {
  t.settings.RulesMode = 1;
  TSkier& s = AddSkier(t, p, "LEE", "Kim", kM, "S");
  s.SlalomScore[1] = 12;
  t.info.EventType = "C";
  EXPECT_EQ(CsvExportTargets(t), std::vector<std::string>{dir.file("cup.pdf")});
  Shown(p.prompt, RunCsvExport(t, p.fs));
  EXPECT_TRUE(Exists("cup.pdf"));
  EXPECT_FALSE(Exists("out.csv"));
  EXPECT_FALSE(Exists("cup_iwwf.txt"));

  t.info.EventType = "I4";
  EXPECT_EQ(CsvExportTargets(t), (std::vector<std::string>{dir.file("cup.pdf"), dir.file("cup_iwwf.txt")}));
  Shown(p.prompt, RunCsvExport(t, p.fs));
  EXPECT_TRUE(Exists("cup_iwwf.txt"));
  EXPECT_FALSE(Exists("out.csv"));
}

TEST_F(ExportCommand, AnEventBaseNeverSetIsTakenFromTheEventFile) {
  t.EventBase = "";
  EXPECT_EQ(CsvExportTargets(t), (std::vector<std::string>{dir.file("out.csv"), dir.file("cup_iwwf.txt")}));
}

TEST_F(ExportCommand, AFailedSecondFileKeepsTheFirstAndTheOldSecondAndSaysWhich) {
  TSkier& s = AddSkier(t, p, "LEE", "Kim", kM, "S");
  s.SlalomScore[1] = 12;
  { std::ofstream(dir.file("cup_iwwf.txt"), std::ios::binary) << "old ranking\r\n"; }
  t.MarkSaved();
  tp.fs.failAt = 8;  // the first file takes six steps; fail while writing the second
  Shown(p.prompt, RunCsvExport(t, p.fs));
  EXPECT_EQ(FileLines(dir.file("out.csv")).size(), 1u);
  EXPECT_EQ(ReadFile(dir.file("cup_iwwf.txt")), "old ranking\r\n");
  ASSERT_EQ(tp.prompter.shown.size(), 1u);
  EXPECT_NE(tp.prompter.shown[0].text.find("cup_iwwf.txt"), std::string::npos) << tp.prompter.shown[0].text;
  EXPECT_NE(tp.prompter.shown[0].text.find("injected failure"), std::string::npos);
  EXPECT_EQ(s.Surname.str(), "LEE");
  EXPECT_FALSE(t.Unsaved);
}

TEST_F(ExportCommand, ATextFileInAMissingFolderIsReportedByName) {
  t.TxtExportFile = dir.file("no-such-folder/out.txt");
  Shown(p.prompt, RunTextExport(t, p.fs));
  ASSERT_EQ(tp.prompter.shown.size(), 1u);
  EXPECT_NE(tp.prompter.shown[0].text.find("no-such-folder/out.txt"), std::string::npos);
}

}  // namespace
