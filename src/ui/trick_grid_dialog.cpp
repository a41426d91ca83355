#include "ui/trick_grid_dialog.h"

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

TrickGridDialog::TrickGridDialog(std::string caption, Tournament& t, Platform& p, bool declared,
                                 int shownRows, int helpTopic)
    : DialogModel(std::move(caption)),
      editor(t, p, declared),
      p_(p),
      declared_(declared),
      shownRows_(shownRows),
      helpTopic_(helpTopic) {
  edPassNo.readOnly = true;
  FillTrickGrid(TGrid1, editor.rows, shownRows_);
}

void TrickGridDialog::DescribeEditor(FormLayout& form, const char* passCaption) {
  form.AddLabel(lblSkier).Name("lblSkier");
  form.AddEdit(passCaption, edPassNo).Name("edPassNo").Width(8);
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
}

void TrickGridDialog::ShowPass() {
  memCodes.lines = editor.CodeList();
  Refill();
  TGrid1.row = 1;
  TGrid1.col = kTrickColCode;
}

void TrickGridDialog::Refill() {
  FillTrickGrid(TGrid1, editor.rows, shownRows_);
  edPassNo.text = "Pass " + std::to_string(editor.pass);
}

void TrickGridDialog::FormShow() {
  lblSkier.caption = editor.SkierTitle();
  editor.Start();
  ShowPass();
}

void TrickGridDialog::TGrid1Click() { editor.buffer.clear(); }

void TrickGridDialog::TGrid1KeyPress(int key) {
  if (!OnTrickRow()) return;
  bool changed = false;
  if (TGrid1.col == kTrickColSkis)
    changed = editor.SkisKey(TGrid1.row, static_cast<char>(key));
  else if (TGrid1.col == kTrickColCode)
    changed = editor.CodeKey(TGrid1.row, key, !declared_);
  else if (TGrid1.col == kTrickColCredit && !declared_)
    changed = editor.CreditKey(TGrid1.row, key);
  if (changed) Refill();
}

void TrickGridDialog::btnSaveClick() { editor.Write(); }

void TrickGridDialog::btnInsClick() {
  if (!OnTrickRow()) return;
  editor.Insert(TGrid1.row);
  Refill();
}

void TrickGridDialog::btnDelClick() {
  if (!OnTrickRow()) return;
  editor.Delete(TGrid1.row);
  Refill();
}

void TrickGridDialog::btnPassClick() {
  if (editor.unsavedRows) {
    p_.prompt.Show("You have unsaved data!");
    return;
  }
  editor.SwitchPass();
  ShowPass();
}

void TrickGridDialog::btnPrintClick() {
  PrintTrickSheet(p_.printer,
                  TrickSheet{editor.skierKey.str(), editor.PassRows(1), editor.PassRows(2), declared_});
}

void TrickGridDialog::btnHelpClick() { p_.help.ShowTopic(helpTopic_); }
