// One trick pass scored trick by trick from the results input list, through the trick result
// dialog, back to the list.
#include "scoring/trick_pass_file.h"
#include "trick_dialog_fixture.h"
#include "ui/tfrm_result_list.h"
#include "ui/tfrm_trick_pass.h"
#include "ui/tfrm_trick_rslt.h"

using TrickFlow = TrickDialogTest;

TEST_F(TrickFlow, PassScoredTrickByTrickReachesTheResultList) {
  AddSkier(t, p, "LAKE", "Ann", t.CurDivision, "T");
  t.CurEvent = 'T';
  TfrmResultList list(t, p);
  list.FormShow();
  ASSERT_EQ(list.lbScores.items.size(), 1u);
  list.lbResult.itemIndex = 0;

  tp.dialogs.Expect<TfrmTrickRslt>([&](TfrmTrickRslt& result) {
    tp.dialogs.Expect<TfrmTrickPass>([&](TfrmTrickPass& pass) {
      TypeCodes(pass, {"TS", "S", "RTS", "B"});
      EXPECT_EQ(pass.TGrid1.Cell(kTrickColTotal, 4), "310");
      pass.btnSavScorClick();
    });
    result.btnPass1Click();
    EXPECT_EQ(result.edPass1Total.text, "310");
    EXPECT_EQ(result.edTrickTotal.text, "310");
    result.btnSaveClick();
  });
  list.btnEditClick();

  EXPECT_EQ(list.lbScores.items[0], "   310");
  auto file = ReadTrickPassFile(tp.fs, TrickFile());
  ASSERT_TRUE(file);
  EXPECT_TRUE(FindTrickRecord(*file, key));
  EXPECT_TRUE(t.Unsaved);
}
