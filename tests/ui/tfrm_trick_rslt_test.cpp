#include "ui/tfrm_trick_rslt.h"

#include "core/errors.h"
#include "trick_dialog_fixture.h"
#include "ui/result_dialogs.h"
#include "ui/tfrm_trick_pass.h"

namespace {

struct TrickResultDialog : TrickDialogTest {
  std::unique_ptr<TfrmTrickRslt> m;
  TfrmTrickRslt& Open() {
    m = std::make_unique<TfrmTrickRslt>(t, p);
    m->Prepare();
    m->FormShow();
    return *m;
  }
};

}  // namespace

TEST_F(TrickResultDialog, PreparationFromTheEditRecord) {
  t.Working.TrickPass1[2] = 2500;
  t.Working.TrickPass2[2] = 3100;
  t.Working.TrickScore[2] = 5600;
  t.Working.TrickClass[2] = "4";
  t.Working.TrickBoat[2] = "MC";
  auto& d = Open();
  EXPECT_EQ(d.edName.text, "Ann LAKE");
  EXPECT_EQ(d.edPass1Total.text, "2500");
  EXPECT_EQ(d.edTrickTotal.text, "5600");
  EXPECT_EQ(d.edTie.text, "");
  EXPECT_EQ(d.ClassListBox.current(), "WRC");
  EXPECT_EQ(d.BoatListBox.current(), "MC");
  EXPECT_TRUE(d.edPass1Total.focus);

  t.Working.TrickBoat[2] = "ZZ";
  t.Working.TrickClass[2] = "";
  auto& e = Open();
  EXPECT_EQ(e.BoatListBox.current(), "XX");
  EXPECT_EQ(e.ClassListBox.current(), "1");
}

TEST_F(TrickResultDialog, LeavingThePassFieldsAddsThemUp) {
  auto& d = Open();
  d.edPass1Total.text = "2500";
  d.edPass1TotalExit();
  d.edPass2Total.text = "3100";
  d.edPass2TotalExit();
  EXPECT_EQ(t.Working.TrickPass1[2], 2500);
  EXPECT_EQ(t.Working.TrickScore[2], 5600);
  EXPECT_EQ(d.edTrickTotal.text, "5600");
  d.edPass2Total.text = "";
  EXPECT_THROW(d.edPass2TotalExit(), ConversionError);
}

TEST_F(TrickResultDialog, RunoffPlaceIsAppliedOnceAndReadBack) {
  auto& d = Open();
  d.edPass1Total.text = "2500";
  d.edPass2Total.text = "3100";
  d.edTrickTotal.text = "5600";
  d.edTie.text = "2";
  d.ClassListBox.itemIndex = 2;  // WRL
  d.btnSaveClick();
  EXPECT_DOUBLE_EQ(t.Working.TrickScore[2], 5599.999);
  EXPECT_EQ(t.Working.TrickClass[2], "3");
  EXPECT_EQ(t.Working.TrickBoat[2], "XX");  // no boat in the record: "XX" was selected
  EXPECT_TRUE(t.Unsaved);
  EXPECT_TRUE(d.closeRequested());

  auto& again = Open();
  EXPECT_EQ(again.edTie.text, "2");
  EXPECT_EQ(again.edTrickTotal.text, "5600");
  again.btnSaveClick();
  EXPECT_DOUBLE_EQ(t.Working.TrickScore[2], 5599.999);

  t.Working.TrickScore[2] = 5599.997;
  EXPECT_EQ(Open().edTie.text, "4");
}

TEST_F(TrickResultDialog, TypedTotalIsTakenAsItStands) {
  auto& d = Open();
  d.edPass1Total.text = "100";
  d.edPass2Total.text = "200";
  d.edTrickTotal.text = "350";
  d.BoatListBox.itemIndex = -1;
  d.btnSaveClick();
  EXPECT_EQ(t.Working.TrickScore[2], 350);
  EXPECT_EQ(t.Working.TrickBoat[2], "XX");
}

TEST_F(TrickResultDialog, PossibleRecordUnderTheNationalRules) {
  t.info.ClassDigit = '3';
  t.tables.Records[static_cast<std::size_t>(t.CurDivision)][1] = 5000;
  auto& d = Open();
  d.edPass1Total.text = "2500";
  d.edPass2Total.text = "3100";
  d.edTrickTotal.text = "5600";
  d.btnSaveClick();
  EXPECT_TRUE(tp.prompter.saw("Possible Canadian Record!! May require a Record Application"));

  tp.prompter.clear();
  t.info.ClassDigit = '1';
  Open().btnSaveClick();
  EXPECT_FALSE(tp.prompter.saw("Possible Canadian Record!! May require a Record Application"));
}

TEST_F(TrickResultDialog, EditPassOpensThePassDialogForTheSkier) {
  t.Working.TrickPass2[2] = 3100;
  t.Working.TrickScore[2] = 3099.999;  // a runoff place from before
  auto& d = Open();
  tp.dialogs.Expect<TfrmTrickPass>([&](TfrmTrickPass& pass) {
    EXPECT_EQ(pass.CurrentPass(), 1);
    EXPECT_EQ(pass.editor.skierKey.view(), key);
    TypeCodes(pass, {"TS", "B", "BB"});
    pass.btnSavScorClick();
  });
  d.btnPass1Click();
  EXPECT_EQ(t.Working.TrickPass1[2], 200);
  EXPECT_EQ(t.Working.TrickScore[2], 3300);
  EXPECT_EQ(d.edPass1Total.text, "200");
  EXPECT_EQ(d.edTrickTotal.text, "3300");

  tp.dialogs.Expect<TfrmTrickPass>([&](TfrmTrickPass& pass) { EXPECT_EQ(pass.CurrentPass(), 2); });
  d.btnPass2Click();
}

TEST_F(TrickResultDialog, SkierKeyIsCutAt30) {
  TSkier s = MakeSkier(t, "ABCDEFGHIJKLMNO", "PQRSTUVWXYZABCD", FindDivision("OW").value());
  EXPECT_EQ(TrickSkierKey(s), "PQRSTUVWXYZABCDABCDEFGHIJKLMNO");
}

TEST_F(TrickResultDialog, ResultListOpensItForTrick) {
  EXPECT_TRUE(HasResultDialog('T'));
  t.Working.TrickScore[2] = 777;
  tp.dialogs.Expect<TfrmTrickRslt>([](TfrmTrickRslt& d) { EXPECT_EQ(d.edTrickTotal.text, "777"); });
  ShowResultDialog(t, p, 'T');
  EXPECT_EQ(tp.dialogs.shownCaptions.back(), "Trick Results Input");
}
