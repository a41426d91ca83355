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
    for (auto& s : SkierNodes(t))
      if (s.Surname == surname) return s;
    return SkierNodes(t).back();
  }
};

}  // namespace

TEST_F(SeedDialogs, SeedInputShowsAndStoresOrNamesTheFieldThatIsNoNumber) {
  t.Working = MakeSkier(t, "ADAMS", "Ian", 16);
  t.Working.SlalomSeed = 4.5;
  t.Working.TrickSeed = 2150;
  t.Working.JumpSeed = 31.2;
  t.CurRound = 2;
  t.Working.JumpRamp[2] = 0.255;
  TfrmSeedInput m(t, p);
  m.FormShow();
  EXPECT_EQ(m.edName.text + "|" + m.edSlalom.text + "|" + m.edTrick.text + "|" + m.edJump.text + "|" +
                m.edRamp.text,
            "Ian ADAMS| 4.5|2150|31.2|0.255");
  m.edSlalom.text = "";  // a blank field is 0
  m.edSeedChange();
  m.edTrick.text = "12a";
  m.edRamp.text = "0.27";
  m.btnSaveClick();
  EXPECT_FALSE(m.closeRequested());
  EXPECT_NE(tp.prompter.shown.at(0).text.find("Tricks"), std::string::npos);
  EXPECT_EQ(t.Working.SlalomSeed, 4.5);
  // Closing asks; Yes saves as OK does, so a wrong field keeps the dialog open.
  tp.prompter.Then(Answer::Yes);
  EXPECT_FALSE(m.FormCloseQuery());
  EXPECT_EQ(tp.prompter.shown.at(1).text, "You have unsaved data! Save Now?");
  m.edTrick.text = " 900 ";
  m.btnSaveClick();
  EXPECT_TRUE(m.closeRequested());
  EXPECT_EQ(t.Working.SlalomSeed, 0);
  EXPECT_EQ(t.Working.TrickSeed, 900);
  EXPECT_EQ(t.Working.JumpRamp[2], 0.27);
  EXPECT_EQ(t.Working.JumpRamp[1], 0.235);
}

TEST_F(SeedDialogs, ApplyAsksFirstAndRunsTheRememberedOption) {
  AddSkier(t, p, "SOLO", "A", 16, "S").SlalomSeed = 9;
  TfrmSeedOpt m(t, p, memory);
  m.FormShow();
  m.rgSeeds.itemIndex = 4;  // total score: refused in round 1
  m.rgSeedsClick();
  tp.prompter.Then(Answer::Cancel).Then(Answer::Ok);
  m.btnApplyClick();
  EXPECT_EQ(tp.prompter.texts().back(), "This will permanently replace previous seed scores, proceed ?");
  TfrmSeedOpt again(t, p, memory);
  again.FormShow();  // nothing ticked: the remembered option runs
  again.btnApplyClick();
  EXPECT_EQ(tp.prompter.texts().back(), "Not valid for current round!");
  EXPECT_EQ(Listed("SOLO").SlalomSeed, 9);
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
  const TSkier& d = Listed("DROPPED");
  EXPECT_EQ(d.SlalomFinalist + d.TrickFinalist + d.JumpFinalist, 0);
  EXPECT_EQ(Listed("KEPT").TrickFinalist + Listed("KEPT").SlalomFinalist, 1);
  EXPECT_EQ(Listed("ADDED").TrickSeed, 1000);  // previous-round seeding follows the selection
}

TEST_F(SeedDialogs, SavingTheFinalsDrawsTheTiesAgainFromTheCurrentRoundOn) {
  t.settings.PlaceMode = 'L';
  t.CurRound = 3;
  AddSkier(t, p, "A", "x", 16, "S").SlalomFinalist = 1;
  AddSkier(t, p, "B", "x", 16, "S").SlalomFinalist = 1;
  const std::vector<TieName> drawn = {{"B", "x"}, {"GONE", "x"}, {"A", "x"}};
  t.ties.orders[{16, 'S', 2}] = drawn;
  t.ties.orders[{16, 'S', 3}] = drawn;
  t.ties.orders[{17, 'S', 3}] = drawn;
  TfrmSeedFinals m(t, p);
  m.FormShow();
  m.btnSaveClick();
  auto drawnIn = [&](int division, int round) { return t.ties.orders[TieKey{division, 'S', round}]; };
  EXPECT_EQ(drawnIn(16, 2), drawn);  // round 2 was skied in its order
  EXPECT_EQ(drawnIn(17, 3), drawn);
  EXPECT_EQ(drawnIn(16, 3).size(), 2u);  // drawn again: only the finalists
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
