// The results CSV lines: the IWWF slalom offsets, which rounds get a line, number fields.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/export_csv.h"
#include "results/export_fields.h"
#include "support/skier_builders.h"

namespace {

double CsvScore(int division, int rules, double score, bool enteredInSlalom = true) {
  TSkier s{};
  s.Division = static_cast<std::uint8_t>(division);
  if (enteredInSlalom) s.SlalomEntry = "S";
  s.SlalomScore[3] = score;
  return CsvSlalomScore(s, 3, rules);
}

TEST(CsvSlalomScore, IwwfOffsetsByDivision) {
  EXPECT_DOUBLE_EQ(CsvScore(12, 2, 20), 32);
  EXPECT_DOUBLE_EQ(CsvScore(13, 2, 20), 32);
  for (int d : {14, 15, 16, 17, 22, 24, 26, 28, 50, 51}) EXPECT_DOUBLE_EQ(CsvScore(d, 2, 20), 14) << d;
  EXPECT_DOUBLE_EQ(CsvScore(23, 2, 20), 26);
  EXPECT_DOUBLE_EQ(CsvScore(25, 2, 20), 26);
  for (int d : {10, 36, 56, 57}) EXPECT_DOUBLE_EQ(CsvScore(d, 2, 20), 20) << d;
  EXPECT_DOUBLE_EQ(CsvScore(14, 0, 20), 20);  // ZETL rules write the score as it is
}

TEST(CsvSlalomScore, ShiftedForSlalomSkiersOnlyEvenWithoutBuoys) {
  EXPECT_DOUBLE_EQ(CsvScore(16, 2, 0), -6);
  EXPECT_DOUBLE_EQ(CsvScore(12, 2, 0), 12);
  EXPECT_DOUBLE_EQ(CsvScore(16, 2, 0, false), 0);  // a trick or jump skier's line
  EXPECT_DOUBLE_EQ(CsvScore(12, 2, 20, false), 20);
}

TEST(ExportFixed, PointDecimalsRoundingAndNeverCut) {
  EXPECT_EQ(ExportFixed(2.5, 6, 2), "  2.50");
  EXPECT_EQ(ExportFixed(0.235, 5, 3), "0.235");
  EXPECT_EQ(ExportFixed(466.67, 6, 0), "   467");
  EXPECT_EQ(ExportFixed(12.25, 1, 1), "12.3");
  EXPECT_EQ(ExportFixed(-0.001, 5, 2), " 0.00");
  EXPECT_EQ(ExportFixed(123456.5, 4, 1), "123456.5");
  EXPECT_EQ(ExportFixed(-6, 5, 2), "-6.00");
  const std::string huge = ExportFixed(1e307, 1, 2);  // a damaged record still gives digits
  EXPECT_GT(huge.size(), 300u);
  EXPECT_EQ(huge.find("inf"), std::string::npos);
  EXPECT_EQ(huge.substr(huge.size() - 3), ".00");
}

TEST(ExportNames, AsterisksGoAndTheFirstNameIsLowerCasedAfterItsFirstLetter) {
  EXPECT_EQ(ExportSurname("*SMITH**"), "SMITH");
  EXPECT_EQ(ExportFirstName("JEAN-LUC"), "Jean-luc");
  EXPECT_EQ(ExportFirstName("aNNA"), "anna");
  EXPECT_EQ(ExportFirstName("\xC9MILE"), "\xC9mile");  // only A to Z change
  EXPECT_EQ(ExportFirstName(""), "");
}

struct CsvLinesTest : ::testing::Test {
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
};

TEST_F(CsvLinesTest, AnyEventsResultGivesTheRoundALine) {
  t.RoundCount = 4;
  TSkier& s = AddSkier(t, p, "LEE", "Kim", 16);
  s.TrickScore[2] = 10;
  s.JumpDistance[3][4] = 20.5;
  s.JumpDistance[1][3] = 0.03;  // a disqualification is no result
  auto lines = ResultsCsvLines(t);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find(",,10,,,,,2,"), std::string::npos) << lines[0];
  EXPECT_NE(lines[1].find(",,,,0.235,20.5,,4,"), std::string::npos) << lines[1];
}

TEST_F(CsvLinesTest, ACommaInATextFieldCannotShiftTheColumns) {
  TSkier& s = AddSkier(t, p, "LEE", "Kim", 16);
  s.Team = "A,B";
  s.SlalomScore[1] = 5;
  auto lines = ResultsCsvLines(t);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find(",A B,"), std::string::npos) << lines[0];
}

}  // namespace
