#include "ui/tfrm_entry_list.h"

#include "core/skier_ops.h"
#include "entries/entry_lines.h"

TfrmEntryList::TfrmEntryList(Tournament& t, Platform& p)
    : DialogModel("Tallivar Entry List"), entryForm(t, p), t_(t), p_(p) {
  lbxNames.fixedPitch = true;
}

void TfrmEntryList::Describe(FormLayout& form) {
  // The headings stand above the columns of the lines: first name and surname, then the division,
  // member number, events, paid mark, team, federation and bib as EntryLine spaces them.
  form.AddLabel(lblNames).Name("lblNames").Heading({0});
  form.AddLabel(lblColumns).Name("lblColumns").Heading({31, 36, 46, 54, 58, 62, 66});
  form.AddList(
          "", lbxNames, {}, [this] { btnEditClick(); }, 20)
      .Name("lbxNames")
      .Width(84);
  form.BeginGroup();
  form.AddButton(
          btnAdd, [this] { btnAddClick(); }, ButtonRole::Other)
      .Name("btnAdd");
  form.AddButton(
          btnEdit, [this] { btnEditClick(); }, ButtonRole::Accept)
      .Name("btnEdit");
  form.AddButton(
          btnDelete, [this] { btnDeleteClick(); }, ButtonRole::Other)
      .Name("btnDelete");
  form.EndGroup();
  form.AddButton(
          btnHelp, [this] { btnHelpClick(); }, ButtonRole::Help)
      .Name("btnHelp");
}

void TfrmEntryList::FormShow() { RebuildLines(); }

void TfrmEntryList::RebuildLines() {
  lbxNames.Clear();
  t_.skiers.ForEach([this](const TSkier& s) { lbxNames.items.push_back(EntryLine(s)); });
}

void TfrmEntryList::btnAddClick() {
  entryForm.mode = TfrmEntry::Mode::Add;
  entryForm.ClearStep();
  p_.dialogs.ShowModal(entryForm);
  RebuildLines();
}

void TfrmEntryList::btnEditClick() {
  if (!lbxNames.selected()) {
    p_.prompt.Show("Select a Skier!");
    return;
  }
  auto node = FindByLineKey(t_.skiers, lbxNames.current());
  if (!node) {
    p_.prompt.Show("Skier name not found - Internal Error");
    return;
  }
  entryForm.mode = TfrmEntry::Mode::Edit;
  entryForm.FillFromRecord(**node);
  t_.Working = **node;
  t_.RemoveSkier(*node);
  p_.dialogs.ShowModal(entryForm);
  RebuildLines();
}

void TfrmEntryList::btnDeleteClick() {
  if (!lbxNames.selected()) {
    p_.prompt.Show("Nothing Selected!");
    return;
  }
  auto node = FindByLineKey(t_.skiers, lbxNames.current());
  if (!node) {
    p_.prompt.Show("Skier name not found - Internal Pointer Error");
    return;
  }
  if (p_.prompt.AskDestructive("Deleting entry!", "Warning", Buttons::YesNo) != Answer::Yes) return;
  t_.RemoveSkier(*node);
  RebuildLines();
}

void TfrmEntryList::btnHelpClick() { p_.help.ShowTopic(kHelpEntryList); }
