// The seeding dialogs driven as a scorer would: seed input on the working entry, the options with
// their gate, confirmation and remembered choice, the finals selection and the review.
#include <gtest/gtest.h>

#include "core/skier_ops.h"
#include "support/skier_builders.h"
#include "support/test_platform.h"
#include "ui/program_dialogs.h"
#include "ui/tfrm_entry_list.h"
#include "ui/tfrm_seed_finals.h"
#include "ui/tfrm_seed_input.h"
#include "ui/tfrm_seed_opt.h"
#include "ui/tfrm_seed_review.h"
#include "ui/tfrm_start_list.h"

namespace {

struct SeedDialogs : ::testing::Test {
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
  SeedOptionMemory memory;

  const TSkier& Listed(const std::string& surname) {
    for (auto& s : t.skiers.nodes)
      if (s.Surname == surname) return s;
    return t.skiers.tail();
  }
};

}  // namespace

TEST_F(SeedDialogs, SeedInputShowsFillsAndStoresTheWorkingEntry) {
  BlankWorkingRecord(t);
  t.Working.FirstName = "Ian";
  t.Working.Surname = "ADAMS";
  t.Working.SlalomSeed = 4.5;
  t.Working.TrickSeed = 2150;
  t.Working.JumpSeed = 31.2;
  t.CurRound = 2;
  t.Working.JumpRamp[2] = 0.255;
  TfrmSeedInput m(t, p);
  m.FormShow();
  EXPECT_EQ(m.edName.text, "Ian ADAMS");
  EXPECT_EQ(m.edSlalom.text, " 4.5");
  EXPECT_EQ(m.edTrick.text, "2150");
  EXPECT_EQ(m.edJump.text, "31.2");
  EXPECT_EQ(m.edRamp.text, "0.255");
  EXPECT_TRUE(m.edSlalom.focus);

  m.edSlalom.text = "";
  m.edJump.text = " 7.5";
  m.edRamp.text = "0.27";
  m.btnSaveClick();
  EXPECT_TRUE(m.closeRequested());
  EXPECT_EQ(t.Working.SlalomSeed, 0);  // a blank field is 0
  EXPECT_EQ(t.Working.JumpSeed, 7.5);
  EXPECT_EQ(t.Working.JumpRamp[2], 0.27);
  EXPECT_EQ(t.Working.JumpRamp[1], 0.235);
  EXPECT_TRUE(t.Unsaved);
}

TEST_F(SeedDialogs, SeedInputNamesAFieldThatIsNoNumberAndStoresNothing) {
  BlankWorkingRecord(t);
  t.Working.SlalomSeed = 3;
  TfrmSeedInput m(t, p);
  m.FormShow();
  m.edSlalom.text = "12";
  m.edSeedChange();
  m.edTrick.text = "12a";
  m.btnSaveClick();
  EXPECT_FALSE(m.closeRequested());
  ASSERT_EQ(tp.prompter.shown.size(), 1u);
  EXPECT_NE(tp.prompter.shown[0].text.find("Tricks"), std::string::npos);
  EXPECT_EQ(t.Working.SlalomSeed, 3);
  // Closing asks; Yes tries to save and keeps the dialog open while the field is wrong, No closes.
  tp.prompter.Then(Answer::Yes).Then(Answer::No);
  EXPECT_FALSE(m.FormCloseQuery());
  EXPECT_TRUE(m.FormCloseQuery());
  EXPECT_EQ(tp.prompter.shown[1].text, "You have unsaved data! Save Now?");
  EXPECT_EQ(tp.prompter.shown[1].title, "Warning!");
  EXPECT_EQ(t.Working.SlalomSeed, 3);
}

TEST_F(SeedDialogs, ApplyAsksFirstAndRunsTheRememberedOption) {
  AddSkier(t, p, "SOLO", "A", 16, "S").SlalomSeed = 9;
  TfrmSeedOpt m(t, p, memory);
  m.FormShow();
  tp.prompter.Then(Answer::Cancel);
  m.btnApplyClick();  // nothing chosen yet: option 0, but cancelled
  EXPECT_EQ(tp.prompter.shown.at(0).text, "This will permanently replace previous seed scores, proceed ?");
  EXPECT_EQ(tp.prompter.shown.at(0).title, "Warning");
  EXPECT_EQ(Listed("SOLO").SlalomSeed, 9);

  m.rgSeeds.itemIndex = 4;  // total score: refused in round 1
  m.rgSeedsClick();
  TfrmSeedOpt again(t, p, memory);
  again.FormShow();
  EXPECT_EQ(again.rgSeeds.itemIndex, -1);
  tp.prompter.Then(Answer::Ok);
  again.btnApplyClick();
  EXPECT_TRUE(tp.prompter.saw("Not valid for current round!"));
  EXPECT_EQ(Listed("SOLO").SlalomSeed, 9);

  again.rgSeeds.itemIndex = 0;
  tp.prompter.Then(Answer::Ok);
  again.btnApplyClick();
  EXPECT_EQ(Listed("SOLO").SlalomSeed, 1);
}

TEST_F(SeedDialogs, FinalsSelectionTicksForTheEventAndUntickingClearsEveryEvent) {
  t.CurEvent = 'T';
  t.CurRound = 2;
  t.settings.PlaceMode = 'F';
  TSkier& kept = AddSkier(t, p, "KEPT", "A", 16, "T");
  kept.TrickScore[1] = 3000;
  TSkier& dropped = AddSkier(t, p, "DROPPED", "B", 16, "ST");
  dropped.SlalomFinalist = dropped.TrickFinalist = dropped.JumpFinalist = 1;
  TSkier& added = AddSkier(t, p, "ADDED", "C", 16, "T");
  added.TrickScore[1] = 1000;
  tp.dialogs.Expect<TfrmSeedFinals>([](TfrmSeedFinals& f) {
    ASSERT_EQ(f.cblFinals.items, (std::vector<std::string>{"C ADDED", "B DROPPED", "A KEPT"}));
    EXPECT_EQ(f.cblFinals.checked, (std::vector<bool>{false, true, false}));
    f.cblFinals.checked = {true, false, true};
    f.cblFinalsClickCheck();
    f.btnSaveClick();
  });
  TfrmSeedOpt m(t, p, memory);
  m.FormShow();
  m.rgSeeds.itemIndex = 6;
  tp.prompter.Then(Answer::Ok);
  m.btnApplyClick();
  EXPECT_EQ(
      Listed("DROPPED").SlalomFinalist + Listed("DROPPED").TrickFinalist + Listed("DROPPED").JumpFinalist, 0);
  EXPECT_EQ(Listed("KEPT").TrickFinalist, 1);
  EXPECT_EQ(Listed("KEPT").SlalomFinalist, 0);
  // Previous-round seeding follows the selection.
  EXPECT_EQ(Listed("ADDED").TrickSeed, 1000);
  EXPECT_EQ(Listed("KEPT").TrickSeed, 3000);
}

TEST_F(SeedDialogs, FinalsSelectionClosedWithoutSaveKeepsTheFlags) {
  AddSkier(t, p, "A", "A", 16, "S").SlalomFinalist = 1;
  TfrmSeedFinals f(t, p);
  f.FormShow();
  f.cblFinals.checked = {false};
  f.cblFinalsClickCheck();
  EXPECT_EQ(Listed("A").SlalomFinalist, 1);
}

TEST_F(SeedDialogs, ReviewListsEveryDivisionSkierWithSeedsAndRamp) {
  TSkier& a = AddSkier(t, p, "ADAMS", "Ian", 16, "J");
  a.SlalomSeed = 18.5;
  a.TrickSeed = 2150;
  a.JumpSeed = 7;
  AddSkier(t, p, "OTHER", "Div", 17, "S");
  EXPECT_EQ(SeedReviewLines(t), (std::vector<std::string>{
                                    "",
                                    "   SKIER NAME                 SLALOM  TRICK  JUMP / RAMP",
                                    "ADAMS, Ian                    18.5    2150   7    / 0.235",
                                }));
}

TEST_F(SeedDialogs, MenusOpenTheOptionsAndStartListsAndTheEntryFormItsSeeds) {
  TForm1 form{t, p};
  WireProgramDialogs(form, t, p);
  tp.dialogs.Expect<TfrmSeedOpt>().Expect<TfrmStartList>([&](TfrmStartList& s) {
    EXPECT_EQ(s.rgStartLst.itemIndex, 0);
    s.rgStartLst.itemIndex = 1;
    s.btnPrintClick();  // the hint text names no division
    EXPECT_TRUE(tp.prompter.saw("No valid divisions found"));
    EXPECT_TRUE(tp.printer.documents.empty());
  });
  form.Seeding1Click();
  form.StartListSheets1Click();
  tp.dialogs.Expect<TfrmEntryList>([&](TfrmEntryList& list) {
    list.entryForm.FormShow();
    EXPECT_TRUE(list.entryForm.btnSeeds.enabled);
    tp.dialogs.Expect<TfrmSeedInput>();
    list.entryForm.btnSeedsClick();
  });
  form.AddEntry1Click();
  EXPECT_TRUE(tp.dialogs.script.empty());
}
