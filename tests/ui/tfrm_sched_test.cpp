// "Tallivar Event Schedule" driven the way a scorer types into it.
#include "ui/tfrm_sched.h"

#include <gtest/gtest.h>

#include "core/divisions.h"
#include "core/event_files.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "ui/program_dialogs.h"

namespace {

int Div(const char* code) { return *FindDivision(code); }

class Sched : public ::testing::Test {
 protected:
  TestPlatform tp;
  Platform& p = tp.platform;
  Tournament t;

  void SetUp() override {
    for (int i = 0; i < 6; ++i) AddSkier(t, p, "MAN" + std::to_string(i), "A", Div("M"), "S");
    for (int i = 0; i < 4; ++i) AddSkier(t, p, "WOMAN" + std::to_string(i), "B", Div("W"), "T");
  }
  static void Type(TfrmSched& m, int row, int col, const std::string& keys) {
    m.grid.row = row;
    m.grid.col = col;
    m.gridClick();
    for (char k : keys) m.FormKeyPress(static_cast<unsigned char>(k));
  }
  static void TypeEdit(Edit& e, void (TfrmSched::*change)(), TfrmSched& m, const std::string& text) {
    e.text = text;
    (m.*change)();
  }
  // The first two rows of the example day: men's slalom, then women's trick.
  static void TypeExampleDay(TfrmSched& m) {
    Type(m, 1, kSchedDivCol, "m");
    Type(m, 1, kSchedEventCol, "s");
    Type(m, 2, kSchedDivCol, "W");
    Type(m, 2, kSchedEventCol, "t");
  }
  static std::vector<std::string> Row(const TfrmSched& m, int r) {
    std::vector<std::string> out;
    for (int c = 1; c < 6; ++c) out.push_back(m.grid.Cell(c, r));
    return out;
  }
  using Cells = std::vector<std::string>;
};

TEST_F(Sched, TypedDivisionsAndEventsAreLaidOutFromTheStartTime) {
  TfrmSched m(t, p);
  m.FormShow();
  EXPECT_EQ(m.caption(), "Tallivar Event Schedule");
  EXPECT_EQ(m.edDay.text, "1");
  EXPECT_EQ(m.edStart.text, "08:00");
  EXPECT_EQ(m.edST.text + m.edTT.text + m.edJT.text, "547");
  EXPECT_EQ(m.grid.Cell(3, 0), "Entry");
  TypeExampleDay(m);
  EXPECT_EQ(Row(m, 1), (Cells{"M", "S", "6", " 8:00", " 8:30"}));
  EXPECT_EQ(Row(m, 2), (Cells{"W", "T", "4", " 8:35", " 8:51"}));
  EXPECT_EQ(Row(m, 3), (Cells{"", "", "", "     ", "     "}));
  EXPECT_TRUE(t.Unsaved);
  TypeEdit(m.edStart, &TfrmSched::edStartChange, m, "09:30");
  EXPECT_EQ(Row(m, 2), (Cells{"W", "T", "4", "10:05", "10:21"}));
}

TEST_F(Sched, DivisionCellTakesTheCodeAsTypedAndKeepsTheLastMatch) {
  TfrmSched m(t, p);
  m.FormShow();
  // Each key: what the cell shows and which division the row holds afterwards.
  const struct {
    int key;
    const char* shown;
    const char* division;
  } steps[] = {{'m', "M", "M"},
               {'u', "MU", "M"},
               {'1', "MU1", "M"},
               {'7', "MU17", "MU17"},
               {'9', "MU17", "MU17"},
               {keys::Backspace, "MU1", "MU17"},
               {keys::Backspace, "MU", "MU17"},
               {keys::Backspace, "M", "M"},
               {'-', "M", "M"},
               {keys::Backspace, "", "XX"}};
  m.grid.row = 4;
  m.grid.col = kSchedDivCol;
  m.gridClick();
  for (const auto& s : steps) {
    m.FormKeyPress(s.key);
    EXPECT_EQ(m.grid.Cell(kSchedDivCol, 4), s.shown) << s.key;
    EXPECT_EQ(DivisionCode(m.working().rows[4].division), s.division) << s.key;
  }
  Type(m, 4, kSchedEventCol, "xj");
  EXPECT_EQ(m.working().rows[4].event, "J");
  Type(m, 4, kSchedEventCol, "q");
  EXPECT_EQ(m.working().rows[4].event, "J") << "other keys are ignored";
}

TEST_F(Sched, SlalomMinutesTakeOneDigitTrickAndJumpWholeNumbers) {
  TfrmSched m(t, p);
  m.FormShow();
  TypeEdit(m.edST, &TfrmSched::edSTChange, m, "1");
  TypeEdit(m.edST, &TfrmSched::edSTChange, m, "10");
  EXPECT_EQ(t.schedule.slalomMinutes, 1);
  EXPECT_EQ(m.edST.text, "1") << "the two-digit text is refused";
  TypeEdit(m.edST, &TfrmSched::edSTChange, m, "");
  EXPECT_EQ(m.edST.text, "1");
  for (auto [edit, change, minutes] :
       {std::tuple{&m.edTT, &TfrmSched::edTTChange, &t.schedule.trickMinutes},
        std::tuple{&m.edJT, &TfrmSched::edJTChange, &t.schedule.jumpMinutes}}) {
    TypeEdit(*edit, change, m, "1");
    TypeEdit(*edit, change, m, "10");
    EXPECT_EQ(*minutes, 10);
    for (const char* ignored : {"", "0", "05", "1a"}) {
      TypeEdit(*edit, change, m, ignored);
      EXPECT_EQ(*minutes, 10) << ignored;
    }
  }
  TypeExampleDay(m);
  EXPECT_EQ(Row(m, 1), (Cells{"M", "S", "6", " 8:00", " 8:06"}));
  EXPECT_EQ(Row(m, 2), (Cells{"W", "T", "4", " 8:11", " 8:51"}));
}

TEST_F(Sched, ChangingTheDayWithoutOkDiscardsTheEditsAndOkKeepsThem) {
  TfrmSched m(t, p);
  m.FormShow();
  TypeExampleDay(m);
  TypeEdit(m.edStart, &TfrmSched::edStartChange, m, "07:00");
  TypeEdit(m.edDay, &TfrmSched::edDayChange, m, "12");
  EXPECT_EQ(m.day(), 2);
  EXPECT_EQ(m.edDay.text, "2");
  TypeEdit(m.edDay, &TfrmSched::edDayChange, m, "1");
  EXPECT_EQ(Row(m, 1), (Cells{"", "", "", "", ""})) << "day 1 as stored: the edits are gone";
  EXPECT_EQ(m.edStart.text, "08:00");

  TypeExampleDay(m);
  m.SaveTheDay();
  EXPECT_FALSE(m.closeRequested()) << "OK keeps the dialog open";
  TypeEdit(m.edDay, &TfrmSched::edDayChange, m, "5");
  EXPECT_EQ(m.day(), 1) << "only 1..4 choose a day";
  EXPECT_EQ(m.edDay.text, "1");
  TypeEdit(m.edDay, &TfrmSched::edDayChange, m, "4");
  TypeEdit(m.edDay, &TfrmSched::edDayChange, m, "1");
  EXPECT_EQ(Row(m, 2), (Cells{"W", "T", "4", " 8:35", " 8:51"}));
  EXPECT_EQ(t.schedule.days[1].rows[2].entries, 4);
  EXPECT_TRUE(t.schedule.days[2].rows[1].division == kNoDivision);
}

TEST_F(Sched, InsertAndDeleteShiftRowsAndRecompute) {
  TfrmSched m(t, p);
  m.FormShow();
  TypeExampleDay(m);
  m.grid.row = 1;
  m.btnInsertClick();
  EXPECT_EQ(Row(m, 1), (Cells{"", "", "", "     ", "     "}));
  EXPECT_EQ(Row(m, 2), (Cells{"M", "S", "6", " 8:05", " 8:35"})) << "no longer the first row: a changeover";
  EXPECT_EQ(Row(m, 3), (Cells{"W", "T", "4", " 8:40", " 8:56"}));
  EXPECT_TRUE(m.edDay.focus);
  m.btnDeleteClick();
  EXPECT_EQ(Row(m, 1), (Cells{"M", "S", "6", " 8:00", " 8:30"}));
  EXPECT_EQ(Row(m, 2), (Cells{"W", "T", "4", " 8:35", " 8:51"}));
}

TEST_F(Sched, ClosingWithEditsNotStoredAsksFirst) {
  TfrmSched m(t, p);
  m.FormShow();
  EXPECT_TRUE(m.FormCloseQuery()) << "nothing typed, nothing asked";
  TypeExampleDay(m);
  tp.prompter.Then(Answer::Cancel).Then(Answer::Yes);
  EXPECT_FALSE(m.FormCloseQuery());
  EXPECT_TRUE(m.FormCloseQuery());
  EXPECT_EQ(tp.prompter.shown.back().text, "The changes to day 1 are not stored yet. Store them now?");
  EXPECT_EQ(t.schedule.days[1].rows[1].entries, 6);
}

TEST_F(Sched, PrintDayPrintsTheDayAsShownInCourierTwelve) {
  TfrmSched m(t, p);
  m.FormShow();
  TypeExampleDay(m);
  m.btnPrintClick();
  ASSERT_EQ(tp.printer.documents.size(), 1u);
  EXPECT_EQ(tp.printer.documents[0].font, "Courier New");
  EXPECT_EQ(tp.printer.documents[0].fontSize, 12);
  const auto lines = tp.printer.AllLines();
  ASSERT_EQ(lines.size(), 6u) << "four heading lines and the two rows typed, not yet stored";
  EXPECT_EQ(lines[5], "        W       T       4           8:35      8:51");
  EXPECT_TRUE(m.edDay.focus);
}

TEST_F(Sched, ScheduleSurvivesSaveAndOpenThroughTheMenu) {
  TempDir dir;
  TForm1 form(t, p);
  WireProgramDialogs(form, t, p);
  tp.dialogs.Expect<TfrmSched>([this](TfrmSched& m) {
    TypeEdit(m.edTT, &TfrmSched::edTTChange, m, "12");
    TypeEdit(m.edDay, &TfrmSched::edDayChange, m, "3");
    TypeEdit(m.edStart, &TfrmSched::edStartChange, m, "23:45");
    TypeExampleDay(m);
    m.SaveTheDay();
  });
  form.EventSchedule1Click();
  t.EventFile = dir.file("Lake.dat");
  ASSERT_TRUE(SaveEvent(t, p));

  Tournament u;
  ASSERT_TRUE(OpenEvent(u, p, dir.file("Lake.dat")));
  TfrmSched m(u, p);
  m.FormShow();
  EXPECT_EQ(m.edTT.text, "12");
  TypeEdit(m.edDay, &TfrmSched::edDayChange, m, "3");
  EXPECT_EQ(m.edStart.text, "23:45");
  EXPECT_EQ(Row(m, 1), (Cells{"M", "S", "6", "23:45", "24:15"}));
  EXPECT_EQ(Row(m, 2), (Cells{"W", "T", "4", "24:20", "25:08"}));
}

}  // namespace
