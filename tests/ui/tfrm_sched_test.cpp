// "Tallivar Event Schedule" driven the way a scorer types into it.
#include "ui/tfrm_sched.h"

#include <gtest/gtest.h>

#include "core/divisions.h"
#include "core/event_files.h"
#include "support/shown_outcome.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "ui/program_dialogs.h"

namespace {

using Cells = std::vector<std::string>;

class Sched : public ::testing::Test {
 protected:
  TestPlatform tp;
  Platform& p = tp.platform;
  Tournament t;
  TfrmSched m{t, p};

  void SetUp() override {
    for (int i = 0; i < 6; ++i) AddSkier(t, p, "MAN" + std::to_string(i), "A", *FindDivision("M"), "S");
    for (int i = 0; i < 4; ++i) AddSkier(t, p, "WOMAN" + std::to_string(i), "B", *FindDivision("W"), "T");
    m.FormShow();
  }
  static void Type(TfrmSched& d, int row, int col, const std::string& keys) {
    d.grid.row = row;
    d.grid.col = col;
    d.gridClick();
    for (char k : keys) d.FormKeyPress(static_cast<unsigned char>(k));
  }
  static void Set(TfrmSched& d, Edit TfrmSched::*edit, void (TfrmSched::*change)(), const std::string& text) {
    (d.*edit).text = text;
    (d.*change)();
  }
  // Men's slalom, then women's trick.
  static void TypeExampleDay(TfrmSched& d) {
    Type(d, 1, kSchedDivCol, "m");
    Type(d, 1, kSchedEventCol, "s");
    Type(d, 2, kSchedDivCol, "W");
    Type(d, 2, kSchedEventCol, "t");
  }
  static Cells Row(const TfrmSched& d, int r) {
    Cells out;
    for (int c = 1; c < 6; ++c) out.push_back(d.grid.Cell(c, r));
    return out;
  }
};

TEST_F(Sched, TypedRowsAreLaidOutFromTheStartTimeAndShiftWithInsertAndDelete) {
  EXPECT_EQ(m.edDay.text + m.edStart.text + m.edST.text + m.edTT.text + m.edJT.text, "108:00547");
  TypeExampleDay(m);
  EXPECT_EQ(Row(m, 1), (Cells{"M", "S", "6", " 8:00", " 8:30"}));
  EXPECT_EQ(Row(m, 2), (Cells{"W", "T", "4", " 8:35", " 8:51"}));
  EXPECT_EQ(Row(m, 3), (Cells{"", "", "", "     ", "     "}));
  EXPECT_TRUE(t.Unsaved);
  m.btnPrintClick();
  EXPECT_EQ(tp.printer.AllLines().size(), 6u) << "four heading lines and the two rows shown, not yet stored";
  m.grid.row = 1;
  m.btnInsertClick();
  EXPECT_EQ(Row(m, 2), (Cells{"M", "S", "6", " 8:05", " 8:35"})) << "no longer the first row: a changeover";
  EXPECT_TRUE(m.edDay.focus);
  m.btnDeleteClick();
  Set(m, &TfrmSched::edStart, &TfrmSched::edStartChange, "09:30");
  EXPECT_EQ(Row(m, 2), (Cells{"W", "T", "4", "10:05", "10:21"}));
}

TEST_F(Sched, DivisionCellShowsTheTypedCodeAndTheRowKeepsTheLastMatch) {
  // After each key ('\b' is backspace): what the cell shows / the division the row holds.
  const std::string keys = "mu179\b-\b\b\b";
  const char* after[] = {"M/M",      "MU/M",     "MU1/M",   "MU17/MU17", "MU17/MU17",
                         "MU1/MU17", "MU1/MU17", "MU/MU17", "M/M",       "/XX"};
  Type(m, 4, kSchedDivCol, "");
  for (std::size_t i = 0; i < keys.size(); ++i) {
    m.FormKeyPress(keys[i]);
    EXPECT_EQ(m.grid.Cell(kSchedDivCol, 4) + "/" + DivisionCode(m.working().rows[4].division), after[i]) << i;
  }
  Type(m, 4, kSchedEventCol, "jq");
  EXPECT_EQ(m.working().rows[4].event, "J") << "other keys are ignored";
}

TEST_F(Sched, SlalomMinutesTakeOneDigitTrickAndJumpWholeNumbers) {
  Set(m, &TfrmSched::edST, &TfrmSched::edSTChange, "1");
  Set(m, &TfrmSched::edST, &TfrmSched::edSTChange, "10");
  EXPECT_EQ(t.schedule.slalomMinutes, 1);
  EXPECT_EQ(m.edST.text, "1") << "the two-digit text is refused";
  for (auto text : {"1", "10", "", "0", "05", "1a"}) {
    Set(m, &TfrmSched::edTT, &TfrmSched::edTTChange, text);
    Set(m, &TfrmSched::edJT, &TfrmSched::edJTChange, text);
  }
  EXPECT_EQ(t.schedule.trickMinutes, 10);
  EXPECT_EQ(t.schedule.jumpMinutes, 10);
  TypeExampleDay(m);
  EXPECT_EQ(Row(m, 2), (Cells{"W", "T", "4", " 8:11", " 8:51"}));
}

TEST_F(Sched, ChangingTheDayWithoutOkDiscardsTheEditsOkKeepsThemAndClosingAsks) {
  TypeExampleDay(m);
  Set(m, &TfrmSched::edDay, &TfrmSched::edDayChange, "12");  // "2" typed behind the "1"
  EXPECT_EQ(m.edDay.text, "2");
  Set(m, &TfrmSched::edDay, &TfrmSched::edDayChange, "1");
  EXPECT_EQ(Row(m, 1), (Cells{"", "", "", "", ""})) << "day 1 as stored: the edits are gone";
  EXPECT_TRUE(m.FormCloseQuery()) << "nothing typed, nothing asked";

  TypeExampleDay(m);
  m.SaveTheDay();
  EXPECT_FALSE(m.closeRequested());
  Set(m, &TfrmSched::edDay, &TfrmSched::edDayChange, "5");
  EXPECT_EQ(m.day(), 1) << "only 1..4 choose a day";
  EXPECT_EQ(t.schedule.days[1].rows[2].entries, 4);

  Type(m, 3, kSchedDivCol, "w");
  tp.prompter.Then(Answer::Cancel).Then(Answer::No);
  EXPECT_FALSE(m.FormCloseQuery());
  EXPECT_TRUE(m.FormCloseQuery());
  EXPECT_EQ(tp.prompter.shown.back().text, "The changes to day 1 are not stored yet. Store them now?");
  EXPECT_EQ(t.schedule.days[1].rows[3].division, kNoDivision);
}

TEST_F(Sched, ScheduleSurvivesSaveAndOpenThroughTheMenu) {
  TempDir dir;
  TForm1 form(t, p);
  WireProgramDialogs(form, t, p);
  tp.dialogs.Expect<TfrmSched>([](TfrmSched& d) {
    Set(d, &TfrmSched::edTT, &TfrmSched::edTTChange, "12");
    Set(d, &TfrmSched::edDay, &TfrmSched::edDayChange, "3");
    Set(d, &TfrmSched::edStart, &TfrmSched::edStartChange, "23:45");
    TypeExampleDay(d);
    d.SaveTheDay();
  });
  form.EventSchedule1Click();
  t.EventFile = dir.file("Lake.dat");
  ASSERT_TRUE(SaveShown(t, p));

  Tournament u;
  ASSERT_TRUE(OpenShown(u, p, dir.file("Lake.dat")));
  TfrmSched reopened(u, p);
  reopened.FormShow();
  Set(reopened, &TfrmSched::edDay, &TfrmSched::edDayChange, "3");
  EXPECT_EQ(reopened.edTT.text + " " + reopened.edStart.text, "12 23:45");
  EXPECT_EQ(Row(reopened, 2), (Cells{"W", "T", "4", "24:20", "25:08"}));
}

}  // namespace
