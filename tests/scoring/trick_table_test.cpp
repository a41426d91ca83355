#include "scoring/trick_table.h"

#include <gtest/gtest.h>

#include "core/file_io.h"
#include "support/shown_outcome.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "trick_test_table.h"

TEST(TrickTable, ReadsEntriesAfterTheFourSkippedLinesUpToEnd) {
  std::vector<std::string> lines = {"[TALLIVAR]", "x", "[TRICK_TABLE]", "2S,1,0,1,20",  "a",
                                    "b",          "c", "1TS,7,3,2,130", "2RO,1,1,5,40", "[END]",
                                    "2B,1,0,3,30"};
  auto table = ParseTrickTable(lines);
  ASSERT_EQ(table.size(), 2u);  // the line right after the heading is one of the four skipped
  EXPECT_EQ(table[0].key, "1TS");
  EXPECT_EQ(table[0].firstDigit, 7);
  EXPECT_EQ(table[0].reverseDigit, 3);
  EXPECT_EQ(table[0].trickNumber, 2);
  EXPECT_EQ(table[0].points, 130);
  EXPECT_EQ(table[1].key, "2RO");
  EXPECT_EQ(table[1].reverseDigit, 1);
}

TEST(TrickTable, LinesAreCutAt20AndTheTableAt239) {
  std::vector<std::string> lines = {"[TRICK_TABLE]", "", "", "", ""};
  lines.push_back("2ABCDEFGHIJKL,1,0,99,7777");
  for (int i = 0; i < 300; ++i) lines.push_back("2S,1,0,1," + std::to_string(i));
  auto table = ParseTrickTable(lines);
  ASSERT_EQ(table.size(), 239u);
  EXPECT_EQ(table[0].line, "2ABCDEFGHIJKL,1,0,99");
  EXPECT_EQ(table[0].key, "2ABCDEFGHI");  // the key holds 10 characters
  EXPECT_EQ(table[0].trickNumber, 99);
  EXPECT_EQ(table[0].points, 0);  // the points were beyond the 20 characters
  EXPECT_EQ(table[238].points, 237);
}

TEST(TrickTable, ValuesOutOfRangeCountAsZeroAndAreReported) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  t.SettingsDir = dir.path();
  const std::string text =
      "[TRICK_TABLE]\r\n\r\n\r\n\r\n\r\n2S,1,0,1,9999\r\n2B,1,0,2,2147483647\r\n2F,1,0,-3,40\r\n[END]\r\n";
  WriteFileSafely(tp.fs, dir.file("TALLIVAR.INI"), text);
  Shown(tp.prompter, ReadTrickTable(t, tp.fs));
  ASSERT_EQ(t.TrickTable.size(), 3u);
  EXPECT_EQ(t.TrickTable[0].points, 9999);
  EXPECT_EQ(t.TrickTable[1].points, 0);
  EXPECT_EQ(t.TrickTable[2].trickNumber, 0);
  EXPECT_EQ(t.TrickTable[2].points, 40);
  EXPECT_EQ(tp.prompter.texts(),
            std::vector<std::string>{"The trick table of \"" + dir.file("TALLIVAR.INI") +
                                     "\" has a value out of range in entry 2 (\"2B,1,0,2,2147483647\"): the "
                                     "points are not 0 to 9999; it counts as 0."});
  TrickRows rows;
  for (int r = 1; r <= kTrickRowCount; ++r) {
    rows[r] = TrickRow{"2", "B", "Y", 0, 0, 0, 0};
    LookUpTrick(t.TrickTable, rows[r]);
  }
  EXPECT_EQ(PassTotal(rows), 0);
}

TEST(TrickTable, NoSectionGivesAnEmptyTable) { EXPECT_TRUE(ParseTrickTable({"[TALLIVAR]", "a"}).empty()); }

TEST(TrickTable, LookUpMatchesSkiCountAndCode) {
  auto table = TrickTestTable();
  TrickRow row;
  row.code = "S";
  LookUpTrick(table, row);
  EXPECT_EQ(row.points, 20);
  row.skis = "1";
  LookUpTrick(table, row);
  EXPECT_EQ(row.points, 40);
  EXPECT_EQ(row.trickNumber, 1);
  row.code = "TS";  // only on two skis in this table
  LookUpTrick(table, row);
  EXPECT_EQ(row.points, 0);
  EXPECT_EQ(row.trickNumber, 0);
}

TEST(TrickTable, CodeListShowsCodeWithoutSkiCount) {
  EXPECT_EQ(TrickCodeListText(ParseTrickEntry("1RTS,1,0,2,130")), "RTS");
  EXPECT_EQ(TrickCodeListText(ParseTrickEntry("2ABCDEFGHIJKLMNOP")), "ABCDEFGHIJKLMN");
}

TEST(TrickTable, ReadFromTheSettingsFileOrEmptyWhenMissing) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  t.SettingsDir = dir.path();
  t.TrickTable.push_back({});
  Shown(tp.prompter, ReadTrickTable(t, tp.fs));
  EXPECT_TRUE(t.TrickTable.empty());
  EXPECT_TRUE(tp.prompter.saw("ERROR - \"" + dir.file("TALLIVAR.INI") + "\" not found"));

  std::string text;
  for (const auto& l : TrickTestLines()) text += l + "\r\n";
  WriteFileSafely(tp.fs, dir.file("TALLIVAR.INI"), text);
  Shown(tp.prompter, ReadTrickTable(t, tp.fs));
  EXPECT_EQ(t.TrickTable.size(), 16u);
}

TEST(TrickTable, PassTotalAddsAllThirtyRows) {
  TrickRows rows;
  rows[1].points = 20;
  rows[30].points = 1000;
  EXPECT_EQ(PassTotal(rows), 1020);
}
