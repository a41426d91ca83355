#include "ui/tfrm_trick_pass.h"

#include "scoring/trick_pass_file.h"
#include "trick_dialog_fixture.h"

namespace {

struct TrickPassDialog : TrickDialogTest {
  TfrmTrickPass m{t, p};
  void Open(int pass = 1) {
    m.SetPass(pass);
    m.SetSkierKey(key);
    m.FormShow();
  }
  std::string Cell(int c, int r) const { return m.TGrid1.Cell(c, r); }
};

}  // namespace

TEST_F(TrickPassDialog, ShowsAnEmptyPassWhenThereIsNoFile) {
  Open();
  EXPECT_TRUE(tp.prompter.shown.empty());  // no file yet: nothing to say
  EXPECT_EQ(Cell(1, 0), "Skis");
  EXPECT_EQ(Cell(5, 0), "Total");
  EXPECT_EQ(Cell(0, 30), "30");
  EXPECT_EQ(Cell(kTrickColSkis, 1), "2");
  EXPECT_EQ(Cell(kTrickColCredit, 7), "Y");
  EXPECT_EQ(m.edPassNo.text, "Pass 1");
  EXPECT_EQ(m.TGrid1.row, 1);
  EXPECT_EQ(m.TGrid1.col, kTrickColCode);
  ASSERT_EQ(m.memCodes.lines.size(), 16u);
  EXPECT_EQ(m.memCodes.lines[0], "S");
  EXPECT_EQ(m.memCodes.lines[3], "RB");
}

TEST_F(TrickPassDialog, ScoresTrickByTrickWithARunningTotal) {
  Open();
  TypeInto(m, 1, kTrickColCode, "tS");  // upper-cased; "T" then "S" makes "TS"
  TypeInto(m, 2, kTrickColCode, "B");
  TypeInto(m, 3, kTrickColCode, "rb");
  TypeInto(m, 4, kTrickColCode, "S");
  EXPECT_EQ(Cell(kTrickColCode, 1), "TS");
  EXPECT_EQ(Cell(kTrickColPoints, 1), "130");
  EXPECT_EQ(Cell(kTrickColCredit, 3), "Y");
  EXPECT_EQ(Cell(kTrickColTotal, 2), "160");
  EXPECT_EQ(Cell(kTrickColTotal, 4), "210");
  EXPECT_EQ(Cell(kTrickColTotal, 30), "210");
  EXPECT_EQ(m.PassTotal(), 210);
  EXPECT_TRUE(t.Unsaved);

  TypeInto(m, 4, kTrickColCode, "\bB");  // backspace on the fresh buffer, then a repeat of row 2
  EXPECT_EQ(Cell(kTrickColCode, 4), "B");
  EXPECT_EQ(Cell(kTrickColCredit, 4), "REP");
  EXPECT_EQ(Cell(kTrickColPoints, 4), "0");
}

TEST_F(TrickPassDialog, KeysThatDoNothing) {
  Open();
  TypeCodes(m, {"S"});
  m.editor.unsavedRows = false;
  auto before = m.TGrid1.cells;
  TypeInto(m, 1, kTrickColCode, "X");
  TypeInto(m, 2, kTrickColSkis, "3");
  TypeInto(m, 2, kTrickColPoints, "5");
  EXPECT_EQ(m.TGrid1.cells, before);
  EXPECT_FALSE(m.editor.unsavedRows);
}

TEST_F(TrickPassDialog, FallAndSkisTypedInTheGrid) {
  Open();
  TypeCodes(m, {"S", "B", "RB", "F", "BB", "O"});
  TypeInto(m, 5, kTrickColCredit, "f");
  EXPECT_EQ(Cell(kTrickColCredit, 5), "F");
  EXPECT_EQ(Cell(kTrickColCredit, 6), "");
  EXPECT_EQ(Cell(kTrickColPoints, 6), "0");
  EXPECT_EQ(m.PassTotal(), 110);
  TypeInto(m, 1, kTrickColSkis, "1");
  EXPECT_EQ(Cell(kTrickColSkis, 30), "1");
  EXPECT_EQ(Cell(kTrickColPoints, 1), "40");
}

TEST_F(TrickPassDialog, SaveScoreStoresThePassTotalAndWritesTheRecord) {
  Open(2);
  TypeCodes(m, {"TS", "B"});
  m.btnSavScorClick();
  EXPECT_EQ(t.Working.TrickPass2[2], 160);
  EXPECT_EQ(t.Working.TrickPass1[2], 0);
  EXPECT_TRUE(t.Unsaved);
  EXPECT_FALSE(m.editor.unsavedRows);
  auto file = ReadTrickPassFile(tp.fs, TrickFile());
  ASSERT_TRUE(file);
  ASSERT_EQ(file->records.size(), 2u);
  EXPECT_EQ(file->records[1].key.view(), key);
  EXPECT_EQ(file->records[1].pass2[0].view(), "2,TS,Y,130,2,3,");
  EXPECT_EQ(file->records[1].pass1[0].view(), "2,,,0,,,  ");

  // Opened again, the pass comes back from the file.
  TfrmTrickPass again(t, p);
  again.SetPass(2);
  again.SetSkierKey(key);
  again.FormShow();
  EXPECT_EQ(again.TGrid1.Cell(kTrickColCode, 2), "B");
  EXPECT_EQ(again.PassTotal(), 160);
  EXPECT_TRUE(tp.prompter.shown.empty());
}

TEST_F(TrickPassDialog, SaveDetailsLeavesTheEventUnsavedAndAllowsSwitching) {
  Open();
  TypeCodes(m, {"BB"});
  m.btnPassClick();
  EXPECT_TRUE(tp.prompter.saw("You have unsaved data!"));
  EXPECT_EQ(m.edPassNo.text, "Pass 1");

  m.btnSaveClick();
  EXPECT_TRUE(t.Unsaved);  // skier scores may still be unsaved
  EXPECT_EQ(t.Working.TrickPass1[2], 0);
  m.btnPassClick();
  EXPECT_EQ(m.edPassNo.text, "Pass 2");
  EXPECT_EQ(Cell(kTrickColCode, 1), "");
  EXPECT_EQ(m.TGrid1.col, kTrickColCode);

  // Pass 2 repeating a pass-1 trick.
  TypeCodes(m, {"S", "BB"});
  EXPECT_EQ(Cell(kTrickColCredit, 2), "REP");
  EXPECT_EQ(m.PassTotal(), 20);
}

TEST_F(TrickPassDialog, UnnamedEventWritesNothing) {
  t.EventBase = dir.file("TALLIVAR");
  Open();
  TypeCodes(m, {"S"});
  m.btnSavScorClick();
  EXPECT_TRUE(tp.prompter.saw("Skier data must be previously saved!"));
  EXPECT_EQ(t.Working.TrickPass1[2], 20);
  EXPECT_FALSE(tp.fs.Exists(dir.file("TALLIVAR.trk")));
  EXPECT_TRUE(m.editor.unsavedRows);
}

TEST_F(TrickPassDialog, AnotherSkiersRecordIsNotThisSkiers) {
  WriteTrickRecord(tp.fs, tp.prompter, TrickFile(), MakeTrickRecord("BobLAKE OM", TrickRows{}, TrickRows{}));
  Open();
  EXPECT_TRUE(tp.prompter.saw("No previous trick pass found..press a key"));
  TypeCodes(m, {"S"});
  m.btnSaveClick();
  auto file = ReadTrickPassFile(tp.fs, TrickFile());
  EXPECT_EQ(file->records.size(), 3u);
}

TEST_F(TrickPassDialog, DamagedFileIsReportedAndItsWholeRecordsStillServe) {
  TrickRows rows;
  rows[1] = TrickRow{"2", "S", "Y", 20, 1, 0, 0};
  WriteTrickRecord(tp.fs, tp.prompter, TrickFile(), MakeTrickRecord(key, rows, TrickRows{}));
  AppendToFile(tp.fs, TrickFile(), "half a record");
  Open();
  ASSERT_EQ(tp.prompter.shown.size(), 1u);
  EXPECT_NE(tp.prompter.shown[0].text.find("is damaged"), std::string::npos);
  EXPECT_EQ(m.PassTotal(), 20);
}

TEST_F(TrickPassDialog, InsertAndDeleteAtTheCurrentRow) {
  Open();
  TypeCodes(m, {"S", "B"});
  m.TGrid1.row = 1;
  m.btnInsClick();
  EXPECT_EQ(Cell(kTrickColCode, 1), "");
  EXPECT_EQ(Cell(kTrickColCode, 2), "S");
  EXPECT_EQ(Cell(kTrickColTotal, 3), "50");
  m.btnDelClick();
  EXPECT_EQ(Cell(kTrickColCode, 1), "S");
  EXPECT_EQ(Cell(kTrickColCode, 2), "B");
}

TEST_F(TrickPassDialog, PrintsTheTypedPassBesideTheStoredOne) {
  TrickRows stored;
  stored[1] = TrickRow{"2", "O", "Y", 40, 5, 1, 0};
  WriteTrickRecord(tp.fs, tp.prompter, TrickFile(), MakeTrickRecord(key, stored, TrickRows{}));
  Open(2);
  TypeCodes(m, {"S"});
  m.btnPrintClick();
  auto lines = tp.printer.AllLines();
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines[3], "       Skier: AnnLAKE OW");
  EXPECT_EQ(lines[9], "        1    2      O       Y     40        1    2      S       Y     20");
  EXPECT_EQ(lines[15], "         TRICK SCORE TOTAL...   60");
}

TEST_F(TrickPassDialog, HelpTopicAndLayout) {
  m.btnHelpClick();
  EXPECT_EQ(tp.help.topics.back(), 411);
  FormLayout form;
  m.Describe(form);
  ASSERT_NE(form.Find("Save Score"), nullptr);
  EXPECT_TRUE(form.Find("Save Score")->isDefault);
  EXPECT_NE(form.Find("Trick Codes:"), nullptr);
  EXPECT_NE(form.Find("Skier Trick Pass:"), nullptr);
  EXPECT_EQ(m.caption(), "Trick Pass Scoring");
}
