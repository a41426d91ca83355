#include "printing/trick_sheet.h"

#include "core/text.h"

namespace {

struct SheetFormat {
  const char* title;
  const char* passHeading;
  const char* columnHeading;
  const char* rule;
  int codeWidth;
  int total1Width;
  int total2Width;
  const char* totalCaption;
};

constexpr SheetFormat kScoring{"TRICK SCORING RESULTS",
                               "         ------- Pass 1 -------              ------- Pass 2 -------",
                               "       ## SKIS  TRICK  CREDIT  SCORE       ## SKIS  TRICK  CREDIT  SCORE",
                               "       -----------------------------       -----------------------------",
                               7,
                               11,
                               36,
                               "         TRICK SCORE TOTAL..."};
constexpr SheetFormat kDeclared{"TRICK DECLARED PASSES",
                                "         -------- Pass 1 -------              -------- Pass 2 -------",
                                "       ## SKIS   TRICK  CREDIT  VALUE       ## SKIS   TRICK  CREDIT  VALUE",
                                "       ------------------------------       ------------------------------",
                                8,
                                12,
                                37,
                                "       POSSIBLE TRICK SCORE TOTAL..."};

std::string RowColumns(int r, const TrickRow& row, const SheetFormat& f) {
  return IntField(r, 9) + RightAlign(row.skis, 5) + RightAlign(row.code, f.codeWidth) +
         RightAlign(row.credit, 8) + IntField(row.points, 7);
}

}  // namespace

std::vector<std::string> TrickSheetLines(const TrickSheet& sheet) {
  const SheetFormat& f = sheet.declared ? kDeclared : kScoring;
  std::vector<std::string> out = {"",
                                  RightAlign(f.title, 50),
                                  "",
                                  "       Skier: " + sheet.skierKey,
                                  "",
                                  "",
                                  f.passHeading,
                                  f.columnHeading,
                                  f.rule};
  // Row 1 always; then every row while either pass has a trick in it, up to row 29: the sheet
  // has room for 29 rows, as the judges' grid shows.
  constexpr int kLastPrintedRow = 29;
  int r = 1;
  do {
    out.push_back(RowColumns(r, sheet.pass1[static_cast<std::size_t>(r)], f) +
                  RowColumns(r, sheet.pass2[static_cast<std::size_t>(r)], f));
    ++r;
  } while (r <= kLastPrintedRow && (!sheet.pass1[static_cast<std::size_t>(r)].code.empty() ||
                                    !sheet.pass2[static_cast<std::size_t>(r)].code.empty()));
  const int total1 = PassTotal(sheet.pass1);
  const int total2 = PassTotal(sheet.pass2);
  out.push_back("");
  out.push_back(f.rule);
  out.push_back("             PASS TOTALS:" + IntField(total1, f.total1Width) +
                IntField(total2, f.total2Width));
  out.push_back("");
  out.push_back("");
  out.push_back(f.totalCaption + IntField(total1 + total2, 5));
  return out;
}

void PrintTrickSheet(Printer& printer, const TrickSheet& sheet) {
  if (!printer.BeginDoc(sheet.declared ? "Trick Declared Passes" : "Trick Scoring Results")) return;
  printer.SetOrientation(Orientation::Portrait);
  printer.SetFont("Courier New", 12);
  for (const auto& line : TrickSheetLines(sheet)) printer.WriteLine(line);
  printer.EndDoc();
}
