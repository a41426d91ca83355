#include "entries/entry_import.h"

#include <gtest/gtest.h>

#include <string>

#include "core/divisions.h"
#include "core/skier_ops.h"
#include "core/tournament.h"

namespace {

const char* kAnna = "Smith,Anna,1990,200012345,ON,CAN,W,45.5,,38.2,0.255,";

TSkier Imported(const ImportCells& cells, int row, int& errors) {
  Tournament t;
  BlankWorkingRecord(t);
  TSkier s = t.Working;
  errors = FillImportedRecord(s, cells, row);
  return s;
}

}  // namespace

TEST(ImportLineSplit, EveryFieldEndsAtItsComma) {
  ImportCells c = SplitImportLine(kAnna);
  EXPECT_EQ(c[0], "Smith");
  EXPECT_EQ(c[6], "W");
  EXPECT_EQ(c[8], "");
  EXPECT_EQ(c[10], "0.255");
}

TEST(ImportLineSplit, UnterminatedFieldIsEmptyAndTextAfterEleventhCommaIgnored) {
  ImportCells c = SplitImportLine("A,B,C");
  EXPECT_EQ(c[0], "A");
  EXPECT_EQ(c[1], "B");
  EXPECT_EQ(c[2], "");
  ImportCells more = SplitImportLine("1,2,3,4,5,6,7,8,9,10,11,12,13,");
  EXPECT_EQ(more[10], "11");
}

TEST(ImportFileRead, EmptyLinesSkippedAndLineEndsOfEveryKind) {
  ImportFile f = ReadImportText("A,a,\r\n\r\n\nB,b,\rC,c,");
  ASSERT_EQ(f.rows.size(), 3u);
  EXPECT_EQ(f.rows[1][0], "B");
  EXPECT_EQ(f.rows[2][1], "c");
  EXPECT_FALSE(f.overLimit);
}

TEST(ImportFileRead, ThreeHundredLinesIsTheLimit) {
  std::string text;
  for (int i = 0; i < 300; ++i) text += "N,F,\n";
  ImportFile exact = ReadImportText(text);
  EXPECT_EQ(exact.rows.size(), 300u);
  EXPECT_FALSE(exact.overLimit);
  ImportFile over = ReadImportText(text + "\n\nLAST,F,\n");
  EXPECT_EQ(over.rows.size(), 300u);
  EXPECT_TRUE(over.overLimit);
}

TEST(ImportCellChecks, NamesDigitsAndDecimals) {
  EXPECT_TRUE(IsNameText("O'Neil-Smith"));
  EXPECT_FALSE(IsNameText("Van Dyk"));
  EXPECT_FALSE(IsNameText("Ann2"));
  EXPECT_FALSE(IsNameText(""));
  EXPECT_FALSE(IsNameText("M\xc3\xbcller"));  // letters beyond ASCII are not letters here
  EXPECT_TRUE(IsDigitsAndPoints("19.90"));
  EXPECT_FALSE(IsDigitsAndPoints("-1"));
  EXPECT_EQ(ReadDecimal("45.5"), 45.5);
  EXPECT_EQ(ReadDecimal("7"), 7.0);
  EXPECT_FALSE(ReadDecimal(".."));
  EXPECT_FALSE(ReadDecimal("1.2.3"));
  EXPECT_FALSE(ReadDecimal("1e5"));
  EXPECT_FALSE(ReadDecimal(""));
  // No seed score or ramp is that large; a huge number is counted as invalid.
  EXPECT_EQ(ReadDecimal("999999.99"), 999999.99);
  EXPECT_FALSE(ReadDecimal("1000000"));
  EXPECT_FALSE(ReadDecimal(std::string(400, '9')));
}

TEST(ImportRecord, CompleteLineHasNoErrors) {
  int errors = -1;
  TSkier s = Imported(SplitImportLine(kAnna), 1, errors);
  EXPECT_EQ(errors, 0);
  EXPECT_EQ(s.Surname, "SMITH");
  EXPECT_EQ(s.FirstName, "Anna");
  EXPECT_EQ(s.BirthYear, "1990");
  EXPECT_EQ(s.MemberId, "200012345");
  EXPECT_EQ(s.Team, "ON");
  EXPECT_EQ(s.Fed, "CAN");
  EXPECT_EQ(s.Division, 17);
  EXPECT_EQ(s.SlalomSeed, 45.5);
  EXPECT_EQ(s.TrickSeed, 0.0);
  EXPECT_EQ(s.JumpSeed, 38.2);
  EXPECT_EQ(s.SlalomEntry, "S");
  EXPECT_EQ(s.TrickEntry, "");
  EXPECT_EQ(s.JumpEntry, "J");
  EXPECT_EQ(s.JumpRamp[1], 0.255);
}

TEST(ImportRecord, MissingLastCommaLosesTheRamp) {
  std::string line = kAnna;
  line.pop_back();
  int errors = -1;
  TSkier s = Imported(SplitImportLine(line), 1, errors);
  EXPECT_EQ(errors, 1);
  EXPECT_EQ(s.JumpRamp[1], 0.235);
}

TEST(ImportRecord, PlaceholdersForEveryBadField) {
  int errors = -1;
  TSkier s = Imported(SplitImportLine("Van Dyk,,19x0,ABC,O N,C4N,Q,..,x,-3,,"), 7, errors);
  EXPECT_EQ(errors, 7);
  EXPECT_EQ(s.Surname, "AANO-SURNAME 7");
  EXPECT_EQ(s.FirstName, "no-firstname");
  EXPECT_EQ(s.BirthYear, "1234");
  EXPECT_EQ(s.MemberId, "100000000");
  EXPECT_EQ(s.Team, "IND");
  EXPECT_EQ(s.Fed, "IND");
  EXPECT_EQ(s.Division, kNoDivision);
  EXPECT_EQ(s.SlalomEntry, "");
  EXPECT_EQ(s.TrickEntry, "");
  EXPECT_EQ(s.JumpEntry, "");
  EXPECT_EQ(s.JumpRamp[1], 0.235);
}

TEST(ImportRecord, LongCellsAreCutToTheFieldWidths) {
  int errors = -1;
  TSkier s = Imported(SplitImportLine("Abcdefghijklmnopqrst,Abcdefghijklmnopqrst,1990.12.31,12345678901234,"
                                      "ONTARIO,CANADA,MU17x,1,,,0.266,"),
                      1, errors);
  EXPECT_EQ(errors, 0);
  EXPECT_EQ(s.Surname, "ABCDEFGHIJKLMNO");
  EXPECT_EQ(s.FirstName, "Abcdefghijklmno");
  EXPECT_EQ(s.BirthYear, "1990.12.");
  EXPECT_EQ(s.MemberId, "1234567890");
  EXPECT_EQ(s.Team, "ONT");
  EXPECT_EQ(s.Fed, "CAN");
  EXPECT_EQ(s.Division, 12);  // looked up on its first four characters
}

TEST(ImportRecord, SurnamePlaceholderCarriesTheRowRightAligned) {
  EXPECT_EQ(SurnamePlaceholder(1), "AAno-surname 1");
  EXPECT_EQ(SurnamePlaceholder(42), "AAno-surname42");
  EXPECT_EQ(SurnamePlaceholder(300), "AAno-surname300");
}

// Files that must only ever be split and cut.
struct HostileFile {
  const char* name;
  std::string text;
  std::size_t rows;
  bool overLimit;
};

class HostileImportFile : public ::testing::TestWithParam<HostileFile> {};

TEST_P(HostileImportFile, ReadsWithoutFault) {
  const HostileFile& h = GetParam();
  ImportFile f = ReadImportText(h.text);
  EXPECT_EQ(f.rows.size(), h.rows);
  EXPECT_EQ(f.overLimit, h.overLimit);
  Tournament t;
  int row = 0;
  for (const auto& cells : f.rows) {
    BlankWorkingRecord(t);
    FillImportedRecord(t.Working, cells, ++row);
    EXPECT_LE(t.Working.Surname.size(), 15u);
    EXPECT_LE(t.Working.MemberId.size(), 10u);
    EXPECT_LE(t.Working.Team.size(), 3u);
  }
}

template <std::size_t N>
std::string Bytes(const char (&s)[N]) {
  return std::string(s, N - 1);
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileImportFile,
    ::testing::Values(HostileFile{"Empty", "", 0, false},
                      HostileFile{"OnlyLineEnds", "\n\r\n\r\r\n", 0, false},
                      HostileFile{"NulBytes", Bytes("SM\0TH,An\0na,\0,\n"), 1, false},
                      HostileFile{"BrokenUtf8", "\xff\xfe\xc3,\x80\x80,1990,\xe2\x82,\n", 1, false},
                      HostileFile{"HugeLine", std::string(100000, 'A') + ",", 1, false},
                      HostileFile{"HugeLineOfCommas", std::string(100000, ','), 1, false},
                      HostileFile{"TenThousandLines",
                                  Repeat("SMITH,Anna,1990,1,ON,CAN,W,1,1,1,0.255,\n", 10000), 300, true},
                      HostileFile{"NoCommas", "just some words\nand more", 2, false},
                      HostileFile{"Binary", Bytes("\x01\x02,\x7f\x1b,\x00\x00,"), 1, false}),
    [](const ::testing::TestParamInfo<HostileFile>& info) { return std::string(info.param.name); });
