// "Results Input": the two lists, editing a skier's scores and changing the selection.
#include "ui/tfrm_result_list.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/divisions.h"
#include "results/placement.h"
#include "support/audit_entries.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "ui/result_dialogs.h"
#include "ui/tfrm_options.h"
#include "ui/tfrm_slal_rslt.h"

namespace {

int Div(const char* code) { return *FindDivision(code); }

class ResultList : public ::testing::Test {
 protected:
  TempDir dir;
  TestPlatform tp;
  Platform& p = tp.platform;
  Tournament t;

  void SetUp() override {
    t.CurDivision = Div("M");
    t.CurEvent = 'S';
    t.CurRound = 1;
    t.settings.PlaceMode = 'B';
    t.EventBase = dir.file("Lake");
  }
  void ChooseDivision(TfrmResultList& m, int item) {
    tp.dialogs.Expect<TfrmOptions>([item](TfrmOptions& o) {
      o.lbDivList.itemIndex = item;
      o.lbDivListClick();
      o.btnSaveClick();
    });
    m.btnSettingsClick();
  }
  void Show(TfrmResultList& m) {
    m.ResetClose();
    m.FormShow();
  }
  TSkier& Find(const std::string& surname) {
    for (auto& s : SkierNodes(t))
      if (s.Surname == surname) return s;
    throw std::runtime_error("no skier " + surname);
  }
  // The first event that has a result dialog, or 0.
  static char EventWithDialog() {
    for (char e : {'S', 'T', 'J'})
      if (HasResultDialog(e)) return e;
    return 0;
  }
};

TEST_F(ResultList, EmptyDivisionIsReported) {
  AddSkier(t, p, "SMITH", "John", Div("W"));
  AddSkier(t, p, "JONES", "Bob", Div("M"), "T");
  TfrmResultList m(t, p);
  Show(m);
  EXPECT_TRUE(tp.prompter.saw("No competitors are entered in this division/event"));
  EXPECT_TRUE(m.lbResult.items.empty());
  EXPECT_TRUE(m.lbScores.items.empty());
}

TEST_F(ResultList, LinesOfEachEvent) {
  TSkier& s = AddSkier(t, p, "SMITH", "John", Div("M"));
  s.SlalomBuoys[2] = 2.5;
  s.SlalomSpeed[2] = 55;
  s.SlalomRope[2] = 12;
  s.SlalomScore[2] = 44.5;
  s.TrickScore[2] = 4250;
  s.JumpDistance[1][2] = 40.5;
  s.JumpDistance[2][2] = 0.02;
  s.JumpDistance[3][2] = 0.01;
  TSkier& q = AddSkier(t, p, "QUICK", "Al", Div("M"));
  q.SlalomSeed = q.TrickSeed = q.JumpSeed = 1;  // starts after SMITH
  q.SlalomScore[2] = 3.5;
  t.CurRound = 2;
  TfrmResultList m(t, p);
  Show(m);
  ASSERT_EQ(m.lbResult.items, (std::vector<std::string>{"John SMITH", "Al QUICK"}));
  EXPECT_EQ(m.lbScores.items[0], "2.5@55/12   44.50");
  EXPECT_EQ(m.lbScores.items[1], "0@25/18.25   3.50");
  t.CurEvent = 'T';
  Show(m);
  EXPECT_EQ(m.lbScores.items[0], "  4250");
  t.CurEvent = 'J';
  Show(m);
  EXPECT_EQ(m.lbScores.items[0], "40.5  Fall  Pass");
}

TEST_F(ResultList, NameLineIsCutToItsWidths) {
  TSkier s{};
  s.FirstName = "ABCDEFGHIJKLMNO";
  s.Surname = "PQRSTUVWXYZABCD";
  EXPECT_EQ(ResultNameLine(s), "ABCDEFGHIJKLMNO PQRSTUVWXYZABCD");
  EXPECT_EQ(ResultNameLine(s).size(), 31u);
}

TEST_F(ResultList, SelectingALineSelectsTheSameLineOfTheOtherList) {
  AddSkier(t, p, "ADAMS", "A", Div("M"));
  AddSkier(t, p, "BROWN", "B", Div("M"));
  TfrmResultList m(t, p);
  Show(m);
  m.lbResult.itemIndex = 1;
  m.lbResultClick();
  EXPECT_EQ(m.lbScores.itemIndex, 1);
  m.lbScores.itemIndex = 0;
  m.lbScoresClick();
  EXPECT_EQ(m.lbResult.itemIndex, 0);
}

TEST_F(ResultList, EditWithoutASelectionIsRefused) {
  AddSkier(t, p, "ADAMS", "A", Div("M"));
  TfrmResultList m(t, p);
  Show(m);
  m.btnEditClick();
  EXPECT_TRUE(tp.prompter.saw("No Skier Selected!"));
  EXPECT_TRUE(tp.dialogs.shownCaptions.empty());
}

TEST_F(ResultList, EditedScoresAreRecomputedAndShown) {
  const char ev = EventWithDialog();
  if (!ev) GTEST_SKIP() << "no event has a result dialog yet";
  t.CurEvent = ev;
  AddSkier(t, p, "ADAMS", "A", Div("M")).SlalomScore[1] = 20;
  Find("ADAMS").TrickScore[1] = 2000;
  Find("ADAMS").JumpDistance[1][1] = 30;
  AddSkier(t, p, "BROWN", "B", Div("M"));
  TfrmResultList m(t, p);
  Show(m);
  ASSERT_EQ(m.lbResult.items[1], "B BROWN");
  m.lbResult.itemIndex = 1;
  m.lbResultClick();
  // The dialog works on the edit record: a copy of BROWN's work record.
  tp.dialogs.Expect<DialogModel>([&](DialogModel&) {
    EXPECT_EQ(t.Working.Surname, "BROWN");
    t.Working.SlalomScore[1] = 40;
    t.Working.TrickScore[1] = 4000;
    t.Working.JumpDistance[1][1] = 45;
  });
  m.btnEditClick();
  EXPECT_TRUE(tp.dialogs.script.empty());
  EXPECT_EQ(PlaceOf(Find("BROWN"), ev), 1);
  EXPECT_EQ(PlaceOf(Find("ADAMS"), ev), 2);
  EXPECT_GT(ev == 'S' ? Find("BROWN").SlalomPoints : ev == 'T' ? Find("BROWN").TrickPoints : Find("BROWN").JumpPoints,
            0);
  EXPECT_EQ(m.lbScores.items[1], ResultScoresLine(Find("BROWN"), ev, 1));
  EXPECT_NE(m.lbScores.items[1], ResultScoresLine(TSkier{}, ev, 1));
}

TEST_F(ResultList, EditScoresIsEnabledOnlyForEventsWithAResultDialog) {
  AddSkier(t, p, "ADAMS", "A", Div("M"));
  TfrmResultList m(t, p);
  for (char e : {'S', 'T', 'J'}) {
    t.CurEvent = e;
    m.btnEdit.enabled = !HasResultDialog(e);
    Show(m);
    EXPECT_EQ(m.btnEdit.enabled, HasResultDialog(e)) << e;
  }
}

TEST_F(ResultList, ChangingTheSelectionRefreshesTheLists) {
  AddSkier(t, p, "ADAMS", "A", Div("M"));
  AddSkier(t, p, "WHITE", "W", Div("W"));
  TfrmResultList m(t, p);
  Show(m);
  ASSERT_EQ(m.lbResult.items, std::vector<std::string>{"A ADAMS"});
  ChooseDivision(m, 11);  // "W" in the national list
  EXPECT_EQ(t.CurDivision, Div("W"));
  EXPECT_EQ(m.lbResult.items, std::vector<std::string>{"W WHITE"});
}

TEST_F(ResultList, ARefilledListKeepsAChoiceOnlyForTheSameSkier) {
  for (const char* name : {"MONE", "MTWO"}) AddSkier(t, p, name, "A", Div("M"));
  for (const char* name : {"WONE", "WTWO"}) AddSkier(t, p, name, "B", Div("W"));
  TfrmResultList m(t, p);
  Show(m);
  m.lbResult.itemIndex = 1;  // MTWO
  ChooseDivision(m, 11);     // W, whose second line is somebody else
  EXPECT_EQ(m.lbResult.itemIndex, -1);
  EXPECT_EQ(m.lbScores.itemIndex, -1);
  m.btnEditClick();
  EXPECT_TRUE(tp.prompter.saw("No Skier Selected!"));
  // A higher ramp moves WONE behind WTWO in the jump running order; the choice goes with WONE.
  t.CurEvent = 'J';
  Show(m);
  m.lbResult.itemIndex = 0;
  tp.dialogs.Expect<DialogModel>([&](DialogModel&) { t.Working.JumpRamp[1] = 0.255; });
  m.btnEditClick();
  EXPECT_EQ(m.lbResult.current(), "B WONE");
  EXPECT_EQ(m.lbScores.itemIndex, 1);
}

TEST_F(ResultList, EveryStoredResultLeavesOneAuditLine) {
  t.CurDivision = Div("W");
  AddSkier(t, p, "LAKE", "Ann", Div("W"));
  TfrmResultList m(t, p);
  auto edit = [&](char event, std::function<void(DialogModel&)> act) {
    t.CurEvent = event;
    Show(m);
    m.lbResult.itemIndex = 0;
    tp.dialogs.Expect<DialogModel>(std::move(act));
    m.btnEditClick();
  };
  edit('T', [&](DialogModel&) { t.Working.TrickPass1[1] = t.Working.TrickScore[1] = 1200; });
  edit('T', [](DialogModel&) {});  // closed without a change
  // The slalom dialog's OK writes its own line, and no second one.
  edit('S', [](DialogModel& d) {
    auto& slalom = dynamic_cast<TfrmSlalRslt&>(d);
    slalom.edPass.text = "2";
    slalom.edPassExit();
    slalom.btnSaveClick();
  });
  const std::vector<std::string> log = AuditEntries(dir.file("Lakelog.log"));
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0], "LAKE,Ann W Trick Rnd1 Pass 1 0 -> 1200, Total 0 -> 1200");
  EXPECT_EQ(log[1].rfind("LAKE,Ann W Rnd1 ", 0), 0u) << log[1];
}

TEST_F(ResultList, ButtonsAndClosing) {
  TfrmResultList m(t, p);
  FormLayout form;
  m.Describe(form);
  for (const char* caption : {"Edit Scores", "Officials", "Chose Ev/Div/Rnd", "Help", "Close"})
    EXPECT_NE(form.Find(caption), nullptr) << caption;
  EXPECT_TRUE(m.btnOffc.enabled);  // opens the officials dialog of the event
  m.btnHelpClick();
  EXPECT_EQ(tp.help.topics, std::vector<int>{40});
  m.btnCloseClick();
  EXPECT_TRUE(m.closeRequested());
}

}  // namespace
