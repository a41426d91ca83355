#include "ui/tfrm_trick_pass.h"

#include "core/text.h"
#include "printing/trick_sheet.h"

void FillTrickGrid(StringGrid& grid, const TrickRows& rows, int shownRows) {
  grid.Resize(6, shownRows + 1);
  grid.fixedRows = 1;
  grid.fixedCols = 1;
  const char* titles[] = {"", "Skis", "Code", "Credit", "Points", "Total"};
  for (int c = 0; c < 6; ++c) grid.Cell(c, 0) = titles[c];
  int total = 0;
  for (int r = 1; r <= shownRows; ++r) {
    const TrickRow& row = rows[static_cast<std::size_t>(r)];
    total += row.points;
    grid.Cell(0, r) = std::to_string(r);
    grid.Cell(kTrickColSkis, r) = row.skis;
    grid.Cell(kTrickColCode, r) = row.code;
    grid.Cell(kTrickColCredit, r) = row.code.empty() ? "Y" : row.credit;
    grid.Cell(kTrickColPoints, r) = std::to_string(row.points);
    grid.Cell(kTrickColTotal, r) = std::to_string(total);
  }
}

TfrmTrickPass::TfrmTrickPass(Tournament& t, Platform& p)
    : DialogModel("Trick Pass Scoring"), editor(t, p, false), t_(t), p_(p) {
  btnSave.caption = "Save Details";
  btnSavScor.caption = "Save Score";
  btnIns.caption = "Insert";
  btnDel.caption = "Delete";
  btnPass.caption = "Switch Pass";
  btnPrint.caption = "Print";
  btnHelp.caption = "Help";
  edPassNo.readOnly = true;
  FillTrickGrid(TGrid1, editor.rows, kTrickRowCount);
}

int TfrmTrickPass::PassTotal() const { return ::PassTotal(editor.rows); }

void TfrmTrickPass::Describe(FormLayout& form) {
  form.AddLabel(lblSkier).Name("lblSkier");
  form.AddEdit("Skier Trick Pass:", edPassNo).Name("edPassNo").Width(8);
  form.AddGrid(
          "", TGrid1, [this](int key) { TGrid1KeyPress(key); }, [this] { TGrid1Click(); })
      .Name("TGrid1");
  // Editing the rows and switching passes belong to the grid.
  form.BeginGroup();
  form.AddButton(
          btnIns, [this] { btnInsClick(); }, ButtonRole::Other)
      .Name("btnIns");
  form.AddButton(
          btnDel, [this] { btnDelClick(); }, ButtonRole::Other)
      .Name("btnDel");
  form.AddButton(
          btnPass, [this] { btnPassClick(); }, ButtonRole::Other)
      .Name("btnPass");
  form.AddButton(
          btnPrint, [this] { btnPrintClick(); }, ButtonRole::Other)
      .Name("btnPrint");
  form.EndGroup();
  form.NewColumn();
  form.AddMemo("Trick Codes:", memCodes, 16, 20).Name("memCodes");
  form.AddButton(
          btnSave, [this] { btnSaveClick(); }, ButtonRole::Other)
      .Name("btnSave");
  form.AddButton(
          btnSavScor, [this] { btnSavScorClick(); }, ButtonRole::Accept)
      .Name("btnSavScor");
  form.AddButton(
          btnHelp, [this] { btnHelpClick(); }, ButtonRole::Help)
      .Name("btnHelp");
}

void TfrmTrickPass::ShowPass() {
  memCodes.lines = editor.CodeList();
  Refill();
  TGrid1.row = 1;
  TGrid1.col = kTrickColCode;
}

void TfrmTrickPass::Refill() {
  FillTrickGrid(TGrid1, editor.rows, kTrickRowCount);
  edPassNo.text = "Pass " + std::to_string(editor.pass);
}

void TfrmTrickPass::FormShow() {
  lblSkier.caption = editor.SkierTitle();
  editor.Start();
  ShowPass();
}

void TfrmTrickPass::TGrid1Click() { editor.buffer.clear(); }

void TfrmTrickPass::TGrid1KeyPress(int key) {
  if (!OnTrickRow()) return;
  bool changed = false;
  if (TGrid1.col == kTrickColSkis)
    changed = editor.SkisKey(TGrid1.row, static_cast<char>(key));
  else if (TGrid1.col == kTrickColCode)
    changed = editor.CodeKey(TGrid1.row, key, true);
  else if (TGrid1.col == kTrickColCredit)
    changed = editor.CreditKey(TGrid1.row, key);
  if (changed) Refill();
}

void TfrmTrickPass::btnSaveClick() { editor.Write(); }

void TfrmTrickPass::btnSavScorClick() {
  const std::size_t r = static_cast<std::size_t>(t_.CurRound);
  if (editor.pass == 1)
    t_.Working.TrickPass1[r] = PassTotal();
  else
    t_.Working.TrickPass2[r] = PassTotal();
  t_.Unsaved = true;
  editor.Write();
}

void TfrmTrickPass::btnInsClick() {
  if (!OnTrickRow()) return;
  editor.Insert(TGrid1.row);
  Refill();
}

void TfrmTrickPass::btnDelClick() {
  if (!OnTrickRow()) return;
  editor.Delete(TGrid1.row);
  Refill();
}

void TfrmTrickPass::btnPassClick() {
  if (editor.unsavedRows) {
    p_.prompt.Show("You have unsaved data!");
    return;
  }
  editor.SwitchPass();
  ShowPass();
}

void TfrmTrickPass::btnPrintClick() {
  PrintTrickSheet(p_.printer,
                  TrickSheet{editor.skierKey.str(), editor.PassRows(1), editor.PassRows(2), false});
}

void TfrmTrickPass::btnHelpClick() { p_.help.ShowTopic(411); }
