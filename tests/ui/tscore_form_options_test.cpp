// The judging sheets dialog from the main menu: nothing printed without a choice, the seeded
// and blank forms printed, the current selection changed through the options dialog.
#include "ui/tscore_form_options.h"

#include <gtest/gtest.h>

#include "support/skier_builders.h"
#include "support/test_platform.h"
#include "ui/program_dialogs.h"
#include "ui/tfrm_options.h"

TEST(ScoreFormOptions, MenuOpensItAndEachButtonPrintsItsChoice) {
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
  TForm1 form{t, p};
  WireProgramDialogs(form, t, p);
  t.CurDivision = 16;
  t.CurEvent = 'J';
  AddSkier(t, p, "AAS", "Lars", 16, "J");

  bool menuEnabled = false;
  for (const auto& m : form.Menus())
    for (const auto& c : m.items)
      if (c.name == "JudgingSheets1") menuEnabled = c.enabled;
  EXPECT_TRUE(menuEnabled);

  tp.dialogs.Expect<TScoreFormOptions>([&](TScoreFormOptions& d) {
    EXPECT_EQ(d.caption(), "Event Scoring Sheets");
    // Nothing selected: the print buttons do nothing.
    d.btnPrtJudgeClick();
    d.btnPrtBlankClick();
    EXPECT_TRUE(tp.printer.documents.empty());

    d.rgJudgeSheets.itemIndex = 2;  // jump boat, seeded
    d.btnPrtJudgeClick();
    ASSERT_EQ(tp.printer.documents.size(), 1u);
    EXPECT_EQ(tp.printer.documents.back().title, "JUMP EVENT - BOAT SCORING SHEET");

    d.rgJudgeSheets.itemIndex = 0;  // slalom while jump is current
    d.btnPrtJudgeClick();
    EXPECT_EQ(tp.prompter.texts().back(), "  Slalom must be current event!");
    EXPECT_EQ(tp.printer.documents.size(), 1u);

    d.rgBlankSheets.itemIndex = 4;
    d.btnPrtBlankClick();
    EXPECT_EQ(tp.printer.documents.back().title, "TRICK EVENT SHEET");

    tp.dialogs.Expect<TfrmOptions>();
    d.btnCurrOptClick();
    d.btnHelpClick();
  });
  form.JudgingSheets1Click();
  EXPECT_TRUE(tp.dialogs.script.empty());
  EXPECT_FALSE(tp.help.topics.empty());
}
