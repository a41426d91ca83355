#include "printing/trick_sheet.h"

#include <gtest/gtest.h>

#include "support/recording_printer.h"

namespace {

TrickSheet Sheet(bool declared) {
  TrickSheet s;
  s.skierKey = "JohnSMITH M";
  s.declared = declared;
  s.pass1[1] = TrickRow{"1", "TS", "Y", 130, 2, 0, 1};
  s.pass1[2] = TrickRow{"2", "B", "Y", 30, 3, 0, 1};
  s.pass1[3] = TrickRow{"2", "RB", "OS", 0, 3, 0, 1};
  s.pass1[5] = TrickRow{"2", "S", "Y", 20, 1, 0, 1};  // after an empty row: not printed, still counted
  s.pass2[1] = TrickRow{"2", "S", "Y", 20, 1, 0, 1};
  return s;
}

}  // namespace

TEST(TrickSheet, ScoringSheetLineForLine) {
  RecordingPrinter printer;
  PrintTrickSheet(printer, Sheet(false));
  ASSERT_EQ(printer.documents.size(), 1u);
  EXPECT_EQ(printer.documents[0].font, "Courier New");
  EXPECT_EQ(printer.documents[0].fontSize, 12);
  EXPECT_EQ(printer.documents[0].orientation, Orientation::Portrait);
  const std::vector<std::string> expected = {
      "",
      "                             TRICK SCORING RESULTS",
      "",
      "       Skier: JohnSMITH M",
      "",
      "",
      "         ------- Pass 1 -------              ------- Pass 2 -------",
      "       ## SKIS  TRICK  CREDIT  SCORE       ## SKIS  TRICK  CREDIT  SCORE",
      "       -----------------------------       -----------------------------",
      "        1    1     TS       Y    130        1    2      S       Y     20",
      "        2    2      B       Y     30        2    2                     0",
      "        3    2     RB      OS      0        3    2                     0",
      "",
      "       -----------------------------       -----------------------------",
      "             PASS TOTALS:        180                                  20",
      "",
      "",
      "         TRICK SCORE TOTAL...  200",
  };
  EXPECT_EQ(printer.AllLines(), expected);
}

TEST(TrickSheet, DeclaredSheetHasItsOwnHeadingsAndWidths) {
  auto lines = TrickSheetLines(Sheet(true));
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[1], "                             TRICK DECLARED PASSES");
  EXPECT_EQ(lines[6], "         -------- Pass 1 -------              -------- Pass 2 -------");
  EXPECT_EQ(lines[7], "       ## SKIS   TRICK  CREDIT  VALUE       ## SKIS   TRICK  CREDIT  VALUE");
  EXPECT_EQ(lines[8], "       ------------------------------       ------------------------------");
  EXPECT_EQ(lines[9], "        1    1      TS       Y    130        1    2       S       Y     20");
  EXPECT_EQ(lines[14], "             PASS TOTALS:         180                                   20");
  EXPECT_EQ(lines[17], "       POSSIBLE TRICK SCORE TOTAL...  200");
}

TEST(TrickSheet, RowsArePrintedWhileEitherPassHasATrickUpToRow29) {
  TrickSheet s;
  for (int r = 1; r <= kTrickRowCount; ++r) s.pass2[static_cast<std::size_t>(r)].code = "S";
  EXPECT_EQ(TrickSheetLines(s).size(), 9u + 29u + 6u);
  TrickSheet empty;
  EXPECT_EQ(TrickSheetLines(empty).size(), 9u + 1u + 6u);  // row 1 is always printed
}

TEST(TrickSheet, CancelledPrintWritesNothing) {
  RecordingPrinter printer;
  printer.cancel = true;
  PrintTrickSheet(printer, Sheet(false));
  EXPECT_TRUE(printer.documents.empty());
}
