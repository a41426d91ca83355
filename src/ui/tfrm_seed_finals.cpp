#include "ui/tfrm_seed_finals.h"

#include <algorithm>

#include "core/skier_ops.h"
#include "help/help_topics.h"
#include "seeding/seeding.h"

TfrmSeedFinals::TfrmSeedFinals(Tournament& t, Platform& p)
    : DialogModel("Finals Seed Selection"), t_(t), p_(p) {}

void TfrmSeedFinals::Describe(FormLayout& form) {
  form.AddLabel(lblTitle);
  form.AddCheckList("", cblFinals, [this] { cblFinalsClickCheck(); });
  form.AddButton(
      btnSave, [this] { btnSaveClick(); }, true);
  form.AddButton(btnHelp, [this] { btnHelpClick(); });
}

void TfrmSeedFinals::FormShow() {
  work_ = DivisionList(t_, t_.CurDivision);
  if (work_.overfull) p_.prompt.Show(OverfullMessage(t_.CurDivision));
  cblFinals = CheckListBox{};
  for (TSkier& s : work_.skiers)
    cblFinals.Add(s.FirstName.str() + " " + s.Surname.str(), FinalistOf(s, t_.CurEvent) == 1);
  shown_ = cblFinals.checked;
}

void TfrmSeedFinals::cblFinalsClickCheck() {
  const std::size_t n = std::min(work_.skiers.size(), cblFinals.checked.size());
  for (std::size_t k = 0; k < n; ++k) {
    const bool on = cblFinals.checked[k];
    if (on == shown_[k]) continue;
    TSkier& s = work_.skiers[k];
    if (on) {
      FinalistOf(s, t_.CurEvent) = 1;
    } else {
      s.SlalomFinalist = s.TrickFinalist = s.JumpFinalist = 0;
    }
    shown_[k] = on;
  }
}

void TfrmSeedFinals::btnSaveClick() {
  // Saving the finals is how the scorer asks for a new lot.
  StoreFinalists(t_, work_);
  p_.Shown(PrepareSelection(t_, p_.random, t_.Selected()));
  Close();
}

void TfrmSeedFinals::btnHelpClick() { p_.help.ShowTopic(kHelpSeeding); }
