#include "ui/tfrm_declared_pass.h"

#include "scoring/trick_pass_file.h"
#include "trick_dialog_fixture.h"
#include "ui/tfrm_trick_pass.h"

namespace {

struct DeclaredPassDialog : TrickDialogTest {
  std::unique_ptr<TfrmDeclaredPass> m;
  TfrmDeclaredPass& Open() {
    m = std::make_unique<TfrmDeclaredPass>(t, p);
    m->FormShow();
    return *m;
  }
  std::string Cell(int c, int r) const { return m->TGrid1.Cell(c, r); }
};

}  // namespace

TEST_F(DeclaredPassDialog, ShowsTwentyNineRowsForTheWorkingSkier) {
  auto& d = Open();
  EXPECT_EQ(d.editor.skierKey.view(), key);
  EXPECT_EQ(d.TGrid1.rowCount, 30);
  EXPECT_EQ(Cell(0, 29), "29");
  EXPECT_EQ(d.caption(), "Declared Trick Pass");
}

TEST_F(DeclaredPassDialog, ReverseRulesAndValues) {
  auto& d = Open();
  TypeCodes(d, {"RBB"});
  EXPECT_EQ(Cell(kTrickColCredit, 1), "OS");
  EXPECT_EQ(Cell(kTrickColPoints, 1), "0");
  TypeCodes(d, {"BB", "RBB"});
  EXPECT_EQ(Cell(kTrickColCredit, 2), "Y");
  EXPECT_EQ(Cell(kTrickColPoints, 2), "40");

  TypeInto(d, 3, kTrickColSkis, "1");
  TypeInto(d, 3, kTrickColCode, "RO");
  EXPECT_EQ(Cell(kTrickColCredit, 3), "Y");
  EXPECT_EQ(Cell(kTrickColPoints, 3), "90");  // the table says 55
  EXPECT_EQ(Cell(kTrickColTotal, 3), "170");
}

TEST_F(DeclaredPassDialog, CreditColumnAndBackspaceTakeNoKeys) {
  auto& d = Open();
  TypeCodes(d, {"S"});
  d.editor.unsavedRows = false;
  auto before = d.TGrid1.cells;
  TypeInto(d, 1, kTrickColCredit, "F");
  EXPECT_EQ(d.TGrid1.cells, before);
  EXPECT_FALSE(d.editor.unsavedRows);
  d.TGrid1.col = kTrickColCode;
  d.TGrid1KeyPress('B');
  d.TGrid1KeyPress(keys::Backspace);
  EXPECT_EQ(Cell(kTrickColCode, 1), "B");
  EXPECT_EQ(Cell(kTrickColCredit, 1), "Y");
}

TEST_F(DeclaredPassDialog, SavedDeclarationIsFoundByThePassDialog) {
  auto& d = Open();
  EXPECT_TRUE(tp.prompter.shown.empty());
  TypeCodes(d, {"TS", "B"});
  d.btnPassClick();
  EXPECT_TRUE(tp.prompter.saw("You have unsaved data!"));
  d.btnSaveClick();
  EXPECT_FALSE(d.editor.unsavedRows);
  EXPECT_TRUE(t.Unsaved);                 // only the trick file was written; the event still needs its save
  EXPECT_EQ(t.Working.TrickPass1[2], 0);  // a declaration is no score
  d.btnPassClick();
  EXPECT_EQ(d.edPassNo.text, "Pass 2");

  TfrmTrickPass pass(t, p);
  pass.SetPass(1);
  pass.SetSkierKey(key);
  pass.FormShow();
  EXPECT_EQ(pass.TGrid1.Cell(kTrickColCode, 1), "TS");
  EXPECT_EQ(pass.TGrid1.Cell(kTrickColCode, 2), "B");
  EXPECT_EQ(pass.PassTotal(), 160);
  EXPECT_FALSE(tp.prompter.saw("No previous trick pass found..press a key"));
}

TEST_F(DeclaredPassDialog, UnnamedEventIsNotWritten) {
  t.EventBase = dir.file("TALLIVAR");
  auto& d = Open();
  TypeCodes(d, {"S"});
  d.btnSaveClick();
  EXPECT_TRUE(tp.prompter.saw("Skier data must be previously saved!"));
  EXPECT_FALSE(tp.fs.Exists(dir.file("TALLIVAR.trk")));
}

TEST_F(DeclaredPassDialog, PrintsThePossibleScore) {
  auto& d = Open();
  TypeCodes(d, {"S", "B"});
  d.btnPrintClick();
  auto lines = tp.printer.AllLines();
  ASSERT_EQ(lines.size(), 17u);
  EXPECT_EQ(lines[1], "                             TRICK DECLARED PASSES");
  EXPECT_EQ(lines[16], "       POSSIBLE TRICK SCORE TOTAL...   50");
  d.btnCloseClick();
  EXPECT_TRUE(d.closeRequested());
  d.btnHelpClick();
  EXPECT_EQ(tp.help.topics.back(), 412);
}
