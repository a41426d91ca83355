#include "ui/tfrm_declared_pass.h"

#include "printing/trick_sheet.h"
#include "ui/tfrm_trick_pass.h"
#include "ui/tfrm_trick_rslt.h"

TfrmDeclaredPass::TfrmDeclaredPass(Tournament& t, Platform& p)
    : DialogModel("Declared Trick Pass"), editor(t, p, true), p_(p) {
  btnSave.caption = "Save";
  btnIns.caption = "Insert";
  btnDel.caption = "Delete";
  btnPass.caption = "Switch Pass";
  btnPrint.caption = "Print";
  btnClose.caption = "Close";
  btnHelp.caption = "Help";
  edPassNo.readOnly = true;
  editor.skierKey = TrickSkierKey(t.Working);
  FillTrickGrid(TGrid1, editor.rows, kDeclaredRowsShown);
}

void TfrmDeclaredPass::Describe(FormLayout& form) {
  form.AddLabel(lblSkier).Name("lblSkier");
  form.AddEdit("Pass Number:", edPassNo).Name("edPassNo").Width(8);
  form.AddGrid(
          "", TGrid1, [this](int key) { TGrid1KeyPress(key); }, [this] { TGrid1Click(); })
      .Name("TGrid1");
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
          btnSave, [this] { btnSaveClick(); }, ButtonRole::Accept)
      .Name("btnSave");
  form.AddButton(
          btnClose, [this] { btnCloseClick(); }, ButtonRole::Reject)
      .Name("btnClose");
  form.AddButton(
          btnHelp, [this] { btnHelpClick(); }, ButtonRole::Help)
      .Name("btnHelp");
}

void TfrmDeclaredPass::ShowPass() {
  memCodes.lines = editor.CodeList();
  Refill();
  TGrid1.row = 1;
  TGrid1.col = kTrickColCode;
}

void TfrmDeclaredPass::Refill() {
  FillTrickGrid(TGrid1, editor.rows, kDeclaredRowsShown);
  edPassNo.text = "Pass " + std::to_string(editor.pass);
}

void TfrmDeclaredPass::FormShow() {
  lblSkier.caption = editor.SkierTitle();
  editor.Start();
  ShowPass();
}

void TfrmDeclaredPass::TGrid1Click() { editor.buffer.clear(); }

// Credits of a declaration come only from the rules, so the credit column takes no keys, and a
// code is only ever added to.
void TfrmDeclaredPass::TGrid1KeyPress(int key) {
  if (!OnTrickRow()) return;
  bool changed = false;
  if (TGrid1.col == kTrickColSkis)
    changed = editor.SkisKey(TGrid1.row, static_cast<char>(key));
  else if (TGrid1.col == kTrickColCode)
    changed = editor.CodeKey(TGrid1.row, key, false);
  if (changed) Refill();
}

void TfrmDeclaredPass::btnSaveClick() { editor.Write(); }

void TfrmDeclaredPass::btnInsClick() {
  if (!OnTrickRow()) return;
  editor.Insert(TGrid1.row);
  Refill();
}

void TfrmDeclaredPass::btnDelClick() {
  if (!OnTrickRow()) return;
  editor.Delete(TGrid1.row);
  Refill();
}

void TfrmDeclaredPass::btnPassClick() {
  if (editor.unsavedRows) {
    p_.prompt.Show("You have unsaved data!");
    return;
  }
  editor.SwitchPass();
  ShowPass();
}

void TfrmDeclaredPass::btnPrintClick() {
  PrintTrickSheet(p_.printer,
                  TrickSheet{editor.skierKey.str(), editor.PassRows(1), editor.PassRows(2), true});
}

void TfrmDeclaredPass::btnCloseClick() { Close(); }

void TfrmDeclaredPass::btnHelpClick() { p_.help.ShowTopic(412); }
