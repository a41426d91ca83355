#include "ui/tfrm_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/divisions.h"
#include "core/tournament.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

const std::string kAnna = "Smith,Anna,1990,200012345,ON,CAN,W,45.5,,38.2,0.255,";

struct ImportTest : ::testing::Test {
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
  TempDir dir;
  TfrmImport m{t, p};

  void SetUp() override { m.FormShow(); }
  std::string Write(const std::string& name, const std::string& text) {
    std::string path = dir.file(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  void Load(const std::string& text) {
    tp.files.Then(Write("entries.csv", text));
    m.btnGetFileClick();
  }
  static std::string Lines(int n) {
    std::string text;
    for (int i = 1; i <= n; ++i) text += "SKIER,First,1990,1,ON,CAN,M,1,,,0.235,\n";
    return text;
  }
};

}  // namespace

TEST_F(ImportTest, GridHeadingsRowNumbersAndChooser) {
  EXPECT_EQ(m.caption(), "Skier Import");
  EXPECT_EQ(m.strGridImport.colCount, 12);
  EXPECT_EQ(m.strGridImport.rowCount, 301);
  std::vector<std::string> headings;
  for (int c = 0; c < 12; ++c) headings.push_back(m.strGridImport.Cell(c, 0));
  EXPECT_EQ(headings, (std::vector<std::string>{"##", "Surname", "Firstname", "YOB", "Number", "Team", "Fed",
                                                "Div", "S", "T", "J", "Ramp"}));
  EXPECT_EQ(m.strGridImport.Cell(0, 1), "1");
  EXPECT_EQ(m.strGridImport.Cell(0, 300), "300");
  Load(kAnna + "\n");
  ASSERT_EQ(tp.files.opened.size(), 1u);
  EXPECT_EQ(tp.files.opened[0].filter, "Skier Import Data|*.csv;*.txt");
  EXPECT_EQ(tp.files.opened[0].defaultExt, "csv");
}

TEST_F(ImportTest, CompleteLineImportsWithoutErrors) {
  Load(kAnna + "\n");
  EXPECT_EQ(m.strGridImport.Cell(1, 1), "Smith");
  EXPECT_EQ(m.strGridImport.Cell(11, 1), "0.255");
  m.btnImportClick();
  EXPECT_EQ(tp.prompter.texts(), std::vector<std::string>{"1 skiers imported"});
  ASSERT_EQ(t.SkierCount(), 1);
  const TSkier& s = *t.skiers.first();
  EXPECT_EQ(s.Surname, "SMITH");
  EXPECT_EQ(s.FirstName, "Anna");
  EXPECT_EQ(s.Division, 17);
  EXPECT_EQ(s.SlalomEntry, "S");
  EXPECT_EQ(s.TrickEntry, "");
  EXPECT_EQ(s.JumpEntry, "J");
  EXPECT_EQ(s.JumpRamp[1], 0.255);
  EXPECT_EQ(s.Paid, "N");  // the new-record value
  EXPECT_EQ(s.SlalomRoundDiv[1], 17);  // stored as the entry form stores a skier
  EXPECT_TRUE(t.Unsaved);
}

TEST_F(ImportTest, LineWithoutTheLastCommaCountsOneError) {
  Load(kAnna.substr(0, kAnna.size() - 1));
  m.btnImportClick();
  EXPECT_EQ(tp.prompter.texts(), (std::vector<std::string>{"1 errors encountered !", "1 skiers imported"}));
  EXPECT_EQ(t.skiers.first()->JumpRamp[1], 0.235);
}

TEST_F(ImportTest, EmptySurnameFirstRowGetsThePlaceholderAndLaterEmptyRowStops) {
  Load(",Anna,1990,200012345,ON,CAN,W,45.5,,38.2,0.255,\n" + kAnna + "\n,Late,1990,1,ON,CAN,W,1,,,0.235,\n" +
       "JONES,Jo,1990,1,ON,CAN,M,1,,,0.235,\n");
  m.btnImportClick();
  EXPECT_EQ(tp.prompter.texts(), (std::vector<std::string>{"1 errors encountered !", "2 skiers imported"}));
  ASSERT_EQ(t.SkierCount(), 2);
  EXPECT_EQ(t.skiers.first()->Surname, "AANO-SURNAME 1");
  EXPECT_EQ(std::next(t.skiers.first())->Surname, "SMITH");
}

TEST_F(ImportTest, FileSizeLimit) {
  Load(Lines(301));
  EXPECT_EQ(tp.prompter.texts(), std::vector<std::string>{"Import File Size Exceeds Maximum 300 Skiers!"});
  EXPECT_EQ(m.strGridImport.Cell(1, 300), "SKIER");
  tp.prompter.clear();
  Load(Lines(300));
  EXPECT_TRUE(tp.prompter.shown.empty());
  EXPECT_EQ(m.strGridImport.Cell(1, 300), "SKIER");
}

TEST_F(ImportTest, GridIsNotClearedByTheNextFile) {
  Load(kAnna + "\nJONES,Jo,1990,1,ON,CAN,M,1,,,0.235,\n");
  Load("BROWN,Bo,1991,2,BC,CAN,M,2,,,0.235,\n");
  EXPECT_EQ(m.strGridImport.Cell(1, 1), "BROWN");
  EXPECT_EQ(m.strGridImport.Cell(1, 2), "JONES");
}

TEST_F(ImportTest, MissingFileLoadsNothing) {
  Load(kAnna + "\n");
  tp.files.Then(dir.file("nowhere.csv"));
  m.btnGetFileClick();
  EXPECT_EQ(tp.prompter.texts(),
            std::vector<std::string>{"ERROR - \"" + dir.file("nowhere.csv") + "\" not found"});
  EXPECT_EQ(m.strGridImport.Cell(1, 1), "Smith");
  tp.files.Then(std::nullopt);
  m.btnGetFileClick();
  EXPECT_EQ(tp.prompter.shown.size(), 1u);
}

TEST_F(ImportTest, ImportReplacesSameSkierAndKeepsOthers) {
  AddSkier(t, p, "SMITH", "anna", 17);
  AddSkier(t, p, "ABLE", "Al", 16);
  Load(kAnna + "\nSmith,Anna,1990,200012345,ON,CAN,M,45.5,,38.2,0.255,\n");
  m.btnImportClick();
  EXPECT_EQ(t.SkierCount(), 3);
  EXPECT_TRUE(tp.prompter.saw("2 skiers imported"));
}

TEST_F(ImportTest, SurnameWithASpaceIsReplacedAndCounted) {
  Load("Van Dyk,Piet,1990,200012345,ON,CAN,M,1,,,0.235,\n");
  m.btnImportClick();
  EXPECT_EQ(tp.prompter.texts(), (std::vector<std::string>{"1 errors encountered !", "1 skiers imported"}));
  EXPECT_EQ(t.skiers.first()->Surname, "AANO-SURNAME 1");
}

TEST_F(ImportTest, EmptyGridImportsNothing) {
  m.btnImportClick();
  EXPECT_EQ(tp.prompter.texts(), std::vector<std::string>{"0 skiers imported"});
  EXPECT_EQ(t.SkierCount(), 0);
}

TEST_F(ImportTest, HostileBytesInTheGridStillImport) {
  const char raw[] = "SM\0TH,An\0na,19\xff,\xc3\x28,ON,CAN,W,1,,,0.255,\n";
  std::string nul(raw, sizeof raw - 1);
  Load(nul + std::string(100000, 'Z') + ",Ann,1990,1,ON,CAN,W,1,,,0.255,\n");
  m.btnImportClick();
  ASSERT_EQ(t.SkierCount(), 2);
  EXPECT_TRUE(tp.prompter.saw("4 errors encountered !"));
  EXPECT_EQ(t.skiers.first()->Surname, "AANO-SURNAME 1");
  EXPECT_EQ(std::next(t.skiers.first())->Surname, std::string(15, 'Z'));
}

TEST_F(ImportTest, HelpShowsTheImportTopic) {
  m.btnHelpClick();
  EXPECT_EQ(tp.help.topics, std::vector<int>{kHelpImport});
}

TEST_F(ImportTest, ShippedSampleFileImportsCleanly) {
  auto root = std::filesystem::path(TALLIVAR_TEST_DATA).parent_path().parent_path();
  tp.files.Then((root / "data" / "sample-entries.csv").string());
  m.btnGetFileClick();
  m.btnImportClick();
  EXPECT_EQ(tp.prompter.texts(), std::vector<std::string>{"40 skiers imported"});
  ASSERT_EQ(t.SkierCount(), 40);
  int slalom = 0, trick = 0, jump = 0;
  std::vector<bool> divisions(87);
  t.skiers.ForEach([&](const TSkier& s) {
    slalom += s.SlalomEntry == "S";
    trick += s.TrickEntry == "T";
    jump += s.JumpEntry == "J";
    EXPECT_NE(s.Division, kNoDivision) << s.Surname.str();
    divisions[s.Division] = true;
  });
  EXPECT_GT(slalom, 30);
  EXPECT_GT(trick, 25);
  EXPECT_GT(jump, 20);
  EXPECT_GE(std::count(divisions.begin(), divisions.end(), true), 20);
}

TEST_F(ImportTest, ImportedSkiersAreStoredAsTheEntryFormStoresThem) {
  t.EntryCounter = 4;
  t.info.ClassDigit = '3';
  Load(kAnna + "\n");
  m.btnImportClick();
  ASSERT_EQ(t.SkierCount(), 1);
  const TSkier& s = *t.skiers.first();
  EXPECT_EQ(s.EntryNo, 5);
  EXPECT_EQ(s.TrickRoundDiv[4], 17);  // W
  EXPECT_EQ(s.SlalomClass[2], "3");
  EXPECT_EQ(s.SlalomSpeed[1], 46.0);
  EXPECT_EQ(s.JumpSpeed[4], 54.0);
  EXPECT_EQ(s.JumpRamp[1], 0.255);  // the imported values stay
  EXPECT_DOUBLE_EQ(s.SlalomSeed, 45.5);
}
