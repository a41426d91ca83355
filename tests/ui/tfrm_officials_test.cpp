// The officials dialogs from the result list: entering names and copying another division's.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/divisions.h"
#include "core/officials.h"
#include "support/shown_outcome.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "ui/tfrm_event_ofc.h"
#include "ui/tfrm_ofc_copy.h"
#include "ui/tfrm_result_list.h"

namespace {

constexpr int kOM = 54, kW = 17;

struct OfficialsDialogs : ::testing::Test {
  TempDir dir;
  TestPlatform tp;
  Platform& p = tp.platform;
  Tournament t;

  void SetUp() override {
    t.EventBase = dir.file("Cup");
    t.settings.RulesMode = kAwsaRules;
    t.RoundCount = 2;
    t.CurEvent = 'S';
  }
  OfficialsRecord Stored(int division) {
    OfficialsRecord r;
    Shown(p.prompt, ReadOfficials(t, p.fs, division, r));
    return r;
  }
};

}  // namespace

TEST_F(OfficialsDialogs, ResultListOpensTheSlalomDialogAndOkStoresTwentyCharacters) {
  t.CurDivision = kOM;
  t.CurRound = 1;
  tp.dialogs.Expect<TfrmSlalomOfc>([](TfrmSlalomOfc& d) {
    EXPECT_TRUE(d.edT1a.focus);
    d.edT1a.text = "Abcdefghijklmnopqrstuvwxy";  // 25 characters, as pasted past the field limit
    d.edBD.SetText("Bob Boat");
    d.btnSaveClick();
    EXPECT_TRUE(d.closeRequested());
  });
  TfrmResultList list(t, p);
  list.btnOffcClick();
  const OfficialsRecord r = Stored(kOM);
  EXPECT_EQ(r.Slot(1, 1, 1), "Abcdefghijklmnopqrst");
  EXPECT_EQ(r.Slot(1, 1, 6), "Bob Boat");
  EXPECT_EQ(tp.dialogs.shownCaptions, std::vector<std::string>{"Slalom Event Officials"});
}

TEST_F(OfficialsDialogs, CopyingOmRoundOneSlalomFillsOnlyWsRoundTwoSlalom) {
  OfficialsRecord om, w;
  for (int k = 1; k <= 7; ++k) om.Slot(1, 1, k) = "OM judge " + std::to_string(k);
  om.Slot(1, 2, 1) = "OM trick";
  w.Slot(2, 1, 1) = "W old";
  w.Slot(2, 1, 7) = "W driver";
  w.Slot(1, 1, 1) = "W round 1";
  w.Slot(2, 2, 1) = "W trick";
  w.Slot(2, 3, 1) = "W jump";
  WriteOfficials(t, p.fs, kOM, om);
  WriteOfficials(t, p.fs, kW, w);

  t.CurDivision = kW;
  t.CurRound = 2;
  TfrmSlalomOfc dialog(t, p);
  dialog.FormShow();
  EXPECT_EQ(dialog.edT1a.text, "W old");
  tp.dialogs.Expect<TfrmOfcCopy>([](TfrmOfcCopy& c) {
    c.btnSaveClick();  // no division chosen yet: a warning, and the dialog stays
    EXPECT_FALSE(c.closeRequested());
    auto at = std::find(c.lbDivList.items.begin(), c.lbDivList.items.end(), "OM");
    ASSERT_NE(at, c.lbDivList.items.end());
    c.lbDivList.itemIndex = static_cast<int>(at - c.lbDivList.items.begin());
    c.lbDivListClick();
    c.rgRound.itemIndex = 0;
    c.rgRoundClick();
    c.btnSaveClick();
    EXPECT_TRUE(c.closeRequested());
  });
  dialog.btnCopyClick();
  EXPECT_EQ(dialog.edT1a.text, "OM judge 1");
  EXPECT_EQ(dialog.edBD.text, "OM judge 6");
  EXPECT_EQ(Stored(kW).Slot(2, 1, 1), "W old");  // nothing is stored before OK
  dialog.btnSaveClick();

  const OfficialsRecord r = Stored(kW);
  for (int k = 1; k <= 7; ++k) EXPECT_EQ(r.Slot(2, 1, k), "OM judge " + std::to_string(k));
  EXPECT_EQ(r.Slot(1, 1, 1), "W round 1");
  EXPECT_EQ(r.Slot(2, 2, 1), "W trick");
  EXPECT_EQ(r.Slot(2, 3, 1), "W jump");
  EXPECT_EQ(Stored(kOM).Slot(1, 1, 1), "OM judge 1");
  EXPECT_EQ(tp.prompter.texts(), std::vector<std::string>{"No Source Division Selected!"});
}

TEST_F(OfficialsDialogs, CopyWarnsOfARoundTheEventHasNotAndOfAMissingFile) {
  OfficialsRecord buffer;
  buffer.Slot(1, 3, 1) = "Kept";
  t.CurDivision = kW;
  t.CurRound = 1;
  TfrmOfcCopy copy(t, p, buffer, 3);
  copy.FormShow();
  copy.lbDivList.itemIndex = 0;
  copy.lbDivListClick();
  copy.rgRound.itemIndex = 3;
  copy.rgRoundClick();
  copy.btnSaveClick();
  EXPECT_EQ(tp.prompter.texts(), (std::vector<std::string>{"Round selected not available in this event!",
                                                           "No officials have been previously input"}));
  EXPECT_EQ(buffer.Slot(1, 3, 1), "Kept");
  EXPECT_EQ(copy.sourceDivision, *FindDivision(copy.lbDivList.items[0]));
}

// A new event under adapted rules: the first dialog creates the 60-record file and is closed
// without OK, so the adapted division has no record yet. Both dialogs then read it as empty.
TEST_F(OfficialsDialogs, AnAdaptedDivisionWithoutARecordReadsAsEmpty) {
  t.settings.RulesMode = kAdaptedRules;
  t.CurDivision = *FindDivision("WV3");
  t.CurRound = 1;
  TfrmJumpOfc(t, p).FormShow();
  ASSERT_EQ(tp.fs.ReadAll(dir.file("Cup.ofc"))->size(), 60u * sizeof(OfficialsRecord));

  TfrmJumpOfc again(t, p);
  again.buffer.Slot(1, 3, 1) = "Left over";
  again.FormShow();
  EXPECT_EQ(again.edJ1.text, "");
  tp.dialogs.Expect<TfrmOfcCopy>([](TfrmOfcCopy& c) {
    c.lbDivList.itemIndex = 0;  // MMP1, no record either
    c.lbDivListClick();
    c.btnSaveClick();
  });
  again.buffer.Slot(1, 3, 1) = "Before copy";
  again.btnCopyClick();
  EXPECT_EQ(again.edJ1.text, "");
  EXPECT_TRUE(tp.prompter.shown.empty());
}
