#include "ui/quick_grids.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "core/skier_ops.h"
#include "support/audit_entries.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "ui/tfrm_options.h"
#include "ui/tfrm_result_list.h"

namespace {

struct GridTest : ::testing::Test {
  TempDir dir;
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;

  GridTest() { t.EventBase = dir.file("Lake"); }
  TSkier& Node(const std::string& surname) {
    for (auto& s : SkierNodes(t))
      if (s.Surname == surname) return s;
    throw std::runtime_error("no skier " + surname);
  }

  void Type(QuickGrid& g, int row, int col, const std::string& keys) {
    g.grid.row = row;
    g.grid.col = col;
    g.GridSelect();
    for (char k : keys) g.KeyEntry(static_cast<unsigned char>(k));
  }
  std::vector<std::string> TotalsWhileTyping(QuickGrid& g, int row, int col, int totalCol, const std::string& keys) {
    std::vector<std::string> out;
    g.grid.row = row;
    g.grid.col = col;
    g.GridSelect();
    for (char k : keys) {
      g.KeyEntry(static_cast<unsigned char>(k));
      out.push_back(g.grid.Cell(totalCol, row));
    }
    return out;
  }
};

}  // namespace

TEST_F(GridTest, SlalomTotalFollowsEachKey) {
  t.CurDivision = 54;  // OM
  TSkier& s = AddSkier(t, p, "OLD", "Man", 54, "S");
  s.SlalomSpeed[1] = 58;
  s.SlalomRope[1] = 12;
  TBasicSlalomForm g(t, p);
  g.FormShow();
  EXPECT_EQ(g.grid.Cell(0, 0), "Last Name");
  EXPECT_EQ(g.grid.Cell(5, 0), "Total");
  EXPECT_EQ(g.grid.Cell(0, 1), "OLD");
  EXPECT_EQ(g.grid.col, 2);
  EXPECT_EQ(TotalsWhileTyping(g, 1, TBasicSlalomForm::LastPass, TBasicSlalomForm::Total, "2.5"),
            (std::vector<std::string>{"44", "44", "44.5"}));
  EXPECT_EQ(g.grid.Cell(TBasicSlalomForm::LastPass, 1), "2.5");
  EXPECT_EQ(g.list().skiers[0].SlalomScore[1], 44.5);
  EXPECT_TRUE(t.Unsaved);
  EXPECT_TRUE(g.gridChanged());
  // Nothing reaches the list before Complete.
  EXPECT_EQ(t.skiers.first()->SlalomScore[1], 0);
  g.btnSaveClick();
  EXPECT_EQ(t.skiers.first()->SlalomScore[1], 44.5);
  EXPECT_EQ(t.skiers.first()->SlalomPlace, 1);
  EXPECT_FALSE(g.gridChanged());
}

TEST_F(GridTest, ClearingTheRopeGivesTheLongestLine) {
  t.CurDivision = 54;
  TSkier& s = AddSkier(t, p, "OLD", "Man", 54, "S");
  s.SlalomSpeed[1] = 58;
  s.SlalomRope[1] = 12;
  s.SlalomBuoys[1] = 3;
  TBasicSlalomForm g(t, p);
  g.FormShow();
  Type(g, 1, TBasicSlalomForm::Rope, "1");
  g.KeyEntry(keys::Backspace);
  EXPECT_EQ(g.list().skiers[0].SlalomRope[1], 18.25);
  EXPECT_EQ(g.grid.Cell(TBasicSlalomForm::Rope, 1), "");
  // Three speed steps above 49 km/h and no rope step: 18 + 3.
  EXPECT_EQ(g.grid.Cell(TBasicSlalomForm::Total, 1), "21");
  EXPECT_EQ(g.list().skiers[0].SlalomScore[1], 21);
}

TEST_F(GridTest, KeysOutsideTheAcceptedSetsChangeNothing) {
  t.CurDivision = 54;
  AddSkier(t, p, "OLD", "Man", 54, "S");
  TBasicSlalomForm g(t, p);
  g.FormShow();
  t.MarkSaved();
  Type(g, 1, TBasicSlalomForm::LastPass, "7x-");
  Type(g, 1, TBasicSlalomForm::LastName, "ab1");
  Type(g, 2, TBasicSlalomForm::LastPass, "3");  // below the last skier
  Type(g, 1, TBasicSlalomForm::Total, "0");     // the value it already had
  g.KeyEntry(keys::Backspace);
  g.KeyEntry(keys::Backspace);  // on an empty cell
  EXPECT_FALSE(t.Unsaved);
  EXPECT_FALSE(g.gridChanged());
  EXPECT_EQ(g.buffer(), "");
}

TEST_F(GridTest, TrickTotalIsTheSumOfThePasses) {
  t.CurEvent = 'T';
  t.CurDivision = 16;
  AddSkier(t, p, "TRIX", "Ann", 16, "T");
  TfrmBasicTrick g(t, p);
  g.FormShow();
  Type(g, 1, TfrmBasicTrick::Pass1, "2500");
  Type(g, 1, TfrmBasicTrick::Pass2, "31.00");  // the point is not a trick key
  EXPECT_EQ(g.list().skiers[0].TrickScore[1], 5600);
  EXPECT_EQ(g.grid.Cell(TfrmBasicTrick::Total, 1), "5600");
}

TEST_F(GridTest, JumpCodesRampFallbackAndSpeed) {
  t.CurEvent = 'J';
  t.CurDivision = 16;
  t.CurRound = 3;
  TSkier& s = AddSkier(t, p, "HOP", "Al", 16, "J");
  s.JumpRamp[2] = 0.255;
  s.JumpRamp[3] = 0.27;
  TfrmBasicJump g(t, p);
  g.FormShow();
  Type(g, 1, TfrmBasicJump::Jump2, "f");
  EXPECT_DOUBLE_EQ(g.list().skiers[0].JumpDistance[2][3], 0.02);
  EXPECT_EQ(g.grid.Cell(TfrmBasicJump::Jump2, 1), "f");
  Type(g, 1, TfrmBasicJump::Ramp, "2");
  g.KeyEntry(keys::Backspace);
  EXPECT_DOUBLE_EQ(g.list().skiers[0].JumpRamp[3], 0.255);
  Type(g, 1, TfrmBasicJump::Speed, "54");
  EXPECT_EQ(g.list().skiers[0].JumpSpeed[3], 54);
  g.KeyEntry('x');
  EXPECT_EQ(g.list().skiers[0].JumpSpeed[3], 45);
  EXPECT_EQ(g.grid.Cell(TfrmBasicJump::Speed, 1), "45");
}

TEST_F(GridTest, ClosingWithNoStillRecomputesFromTheUnchangedList) {
  t.CurDivision = 54;
  AddSkier(t, p, "A", "1", 54, "S").SlalomScore[1] = 20;
  AddSkier(t, p, "B", "1", 54, "S").SlalomScore[1] = 30;
  TBasicSlalomForm g(t, p);
  g.FormShow();
  Type(g, 1, TBasicSlalomForm::Total, "99");
  tp.prompter.Then(Answer::No);
  EXPECT_TRUE(g.FormCloseQuery());
  EXPECT_TRUE(tp.prompter.saw("You have unsaved data! Save Now?"));
  EXPECT_EQ(tp.prompter.shown.back().title, "Warning!");
  EXPECT_EQ(t.skiers.first()->SlalomScore[1], 20);
  EXPECT_EQ(t.skiers.first()->SlalomPlace, 2);
  EXPECT_EQ(std::next(t.skiers.first())->SlalomPlace, 1);
}

TEST_F(GridTest, ClosingWithYesWritesBackAndCancelKeepsTheGridOpen) {
  t.CurDivision = 54;
  AddSkier(t, p, "A", "1", 54, "S");
  TBasicSlalomForm g(t, p);
  g.FormShow();
  Type(g, 1, TBasicSlalomForm::Total, "12");
  tp.prompter.Then(Answer::Cancel);
  EXPECT_FALSE(g.FormCloseQuery());
  EXPECT_EQ(g.list().skiers[0].SlalomScore[1], 12);
  tp.prompter.Then(Answer::Yes);
  EXPECT_TRUE(g.FormCloseQuery());
  EXPECT_EQ(t.skiers.first()->SlalomScore[1], 12);
  EXPECT_EQ(t.skiers.first()->SlalomPlace, 1);
}

TEST_F(GridTest, ButtonsOpenTheOtherDialogs) {
  t.CurDivision = 54;
  AddSkier(t, p, "A", "1", 54, "S");
  TBasicSlalomForm g(t, p);
  g.FormShow();
  g.btnHelpClick();
  EXPECT_EQ(tp.help.topics, std::vector<int>{401});
  tp.dialogs.Expect<TfrmOptions>([this](TfrmOptions&) { t.CurEvent = 'J'; });
  g.btnOptionsClick();
  EXPECT_TRUE(g.closeRequested());
  g.ResetClose();
  t.CurEvent = 'S';
  tp.dialogs.Expect<TfrmResultList>();
  g.btnDetailClick();
  EXPECT_TRUE(g.closeRequested());
}

TEST_F(GridTest, EveryGridListsItsEntrantsAndKeepsThemInPlaceAfterSaving) {
  struct Case {
    char event;
    std::function<std::unique_ptr<QuickGrid>()> open;
    int column;
    const char* keys;
  };
  const Case cases[] = {
      {'S', [&] { return std::make_unique<TBasicSlalomForm>(t, p); }, TBasicSlalomForm::Total, "40"},
      {'T', [&] { return std::make_unique<TfrmBasicTrick>(t, p); }, TfrmBasicTrick::Total, "500"},
      {'J', [&] { return std::make_unique<TfrmBasicJump>(t, p); }, TfrmBasicJump::Jump1, "40"},
  };
  for (const Case& c : cases) {
    DeleteAllSkiers(t);
    t.CurDivision = 16;
    t.CurEvent = c.event;
    // Running order is by seed: BAKER skis first, ADAMS second; COOK skis the other events only.
    SeedOf(AddSkier(t, p, "ADAMS", "Al", 16), c.event) = 20;
    SeedOf(AddSkier(t, p, "BAKER", "Bo", 16), c.event) = 10;
    std::string others = "STJ";
    others.erase(others.find(c.event), 1);
    AddSkier(t, p, "COOK", "Cy", 16, others);
    auto g = c.open();
    g->FormShow();
    auto names = [&] {
      return std::vector<std::string>{g->grid.Cell(0, 1), g->grid.Cell(0, 2), g->grid.Cell(0, 3)};
    };
    const std::vector<std::string> entrants{"BAKER", "ADAMS", ""};
    EXPECT_EQ(names(), entrants) << c.event;
    Type(*g, 2, c.column, c.keys);
    g->btnSaveClick();
    EXPECT_EQ(names(), entrants) << c.event;
    EXPECT_EQ(g->list().skiers.size(), 2u) << c.event;
    // The next key still goes to the skier of its row.
    Type(*g, 1, c.column, c.keys);
    EXPECT_EQ(g->list().skiers[0].Surname, "BAKER") << c.event;
    EXPECT_EQ(g->grid.Cell(c.column, 1), c.keys) << c.event;
  }
}

TEST_F(GridTest, TheCursorAndEveryValueStayWithTheSkierOfTheRow) {
  t.CurEvent = 'J';
  t.CurDivision = 16;
  SeedOf(AddSkier(t, p, "ADAMS", "Al", 16, "J"), 'J') = 10;
  SeedOf(AddSkier(t, p, "BAKER", "Bo", 16, "J"), 'J') = 20;
  TfrmBasicJump g(t, p);
  g.FormShow();
  // On the higher ramp ADAMS skis in the later group; the scorer goes on typing after OK.
  Type(g, 1, TfrmBasicJump::Ramp, "0.255");
  g.btnSaveClick();
  ASSERT_EQ(g.grid.Cell(0, 2), "ADAMS");
  EXPECT_EQ(g.grid.row, 2);
  for (char k : std::string("0.27")) g.KeyEntry(k);
  g.btnSaveClick();
  EXPECT_DOUBLE_EQ(Node("ADAMS").JumpRamp[1], 0.27);
  EXPECT_DOUBLE_EQ(Node("BAKER").JumpRamp[1], 0.235);
  // The running order changes behind the grid: row 1 still shows BAKER, and is BAKER.
  SeedOf(Node("ADAMS"), 'J') = -200;
  ASSERT_EQ(StartOrder(t, t.Selected()).skiers[0].Surname, "ADAMS");
  Type(g, 1, TfrmBasicJump::Jump1, "40");
  g.btnSaveClick();
  EXPECT_EQ(Node("BAKER").JumpDistance[1][1], 40);
  EXPECT_EQ(Node("ADAMS").JumpDistance[1][1], 0);
}

TEST_F(GridTest, EveryGridLogsEachResultItStores) {
  struct Case {
    char event;
    std::function<std::unique_ptr<QuickGrid>()> open;
    int column;
    const char* keys;
    const char* line;
  };
  const Case cases[] = {
      {'S', [&] { return std::make_unique<TBasicSlalomForm>(t, p); }, TBasicSlalomForm::Total, "40",
       "ADAMS,Al M Slalom Rnd1 Total 0 -> 40"},
      {'T', [&] { return std::make_unique<TfrmBasicTrick>(t, p); }, TfrmBasicTrick::Pass1, "500",
       "ADAMS,Al M Trick Rnd1 Pass 1 0 -> 500, Total 0 -> 500"},
      {'J', [&] { return std::make_unique<TfrmBasicJump>(t, p); }, TfrmBasicJump::Jump1, "f",
       "ADAMS,Al M Jump Rnd1 Jump 1 0 -> Fall"},
  };
  for (const Case& c : cases) {
    t.EventBase = dir.file(std::string(1, c.event));
    t.CurDivision = 16;
    t.CurEvent = c.event;
    AddSkier(t, p, "ADAMS", "Al", 16);
    auto g = c.open();
    g->FormShow();
    Type(*g, 1, c.column, c.keys);
    g->btnSaveClick();
    g->btnSaveClick();  // nothing more to store, nothing more to log
    EXPECT_EQ(AuditEntries(dir.file(std::string(1, c.event) + "log.log")), std::vector<std::string>{c.line});
  }
}

TEST_F(GridTest, ValuesTypedBeforeChoosingAnotherSelectionAreNotDropped) {
  t.CurDivision = 54;
  AddSkier(t, p, "A", "1", 54, "S");
  TBasicSlalomForm g(t, p);
  g.FormShow();
  Type(g, 1, TBasicSlalomForm::Total, "12");
  tp.prompter.Then(Answer::Cancel);
  g.btnOptionsClick();  // stays in the grid, nothing asked of the options
  tp.prompter.Then(Answer::Yes);
  tp.dialogs.Expect<TfrmOptions>([this](TfrmOptions&) { t.CurRound = 2; });
  g.btnOptionsClick();
  EXPECT_TRUE(tp.dialogs.script.empty());
  EXPECT_EQ(tp.prompter.shown.size(), 2u);
  EXPECT_EQ(Node("A").SlalomScore[1], 12);
}
