#include "ui/tfrm_skier_select.h"

#include "core/divisions.h"

std::string SkierSelectLine(const TSkier& s) {
  return s.FirstName.str() + " " + s.Surname.str() + " " + DivisionCode(s.Division);
}

TfrmSkierSelect::TfrmSkierSelect(Tournament& t, Platform& p)
    : DialogModel("Skier List - Select One"), t_(t), p_(p) {}

void TfrmSkierSelect::Describe(FormLayout& form) {
  form.AddList(
      "", lbxSkiers, {}, [this] { btnConfirmClick(); }, 20);
  form.AddButton(
      btnConfirm, [this] { btnConfirmClick(); }, true);
}

void TfrmSkierSelect::FormShow() {
  picked_.reset();
  lbxSkiers.Clear();
  t_.skiers.ForEach([this](const TSkier& s) { lbxSkiers.items.push_back(SkierSelectLine(s)); });
}

void TfrmSkierSelect::btnConfirmClick() {
  if (!lbxSkiers.selected()) {
    p_.prompt.Show("Nothing Selected!");
    return;
  }
  const std::string line = lbxSkiers.current();
  bool found = false;
  t_.skiers.ForEach([&](const TSkier& s) {
    if (found || SkierSelectLine(s) != line) return;
    found = true;
    picked_ = s;
  });
  if (!found) {
    p_.prompt.Show("Internal Pointer Error");
    return;
  }
  t_.Working = *picked_;
  Close();
}

std::optional<TSkier> SelectSkier(Tournament& t, Platform& p) {
  TfrmSkierSelect select(t, p);
  p.dialogs.ShowModal(select);
  return select.picked();
}
