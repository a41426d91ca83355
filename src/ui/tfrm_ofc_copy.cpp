#include "ui/tfrm_ofc_copy.h"

#include "core/divisions.h"
#include "help/help_topics.h"

TfrmOfcCopy::TfrmOfcCopy(Tournament& t, Platform& p, OfficialsRecord& buffer, int event)
    : DialogModel("Chose Copy Source"), t_(t), p_(p), buffer_(buffer), event_(event) {}

void TfrmOfcCopy::Describe(FormLayout& form) {
  form.AddLabel(lblChoose);
  form.AddLabel(lblSaved);
  form.AddList(
      "", lbDivList, [this] { lbDivListClick(); }, [this] { btnSaveClick(); }, 12);
  form.NewColumn();
  form.AddRadio("Select Round", rgRound, [this] { rgRoundClick(); });
  form.AddButton(
      btnSave, [this] { btnSaveClick(); }, ButtonRole::Accept);
  form.AddButton(
      btnHelp, [this] { btnHelpClick(); }, ButtonRole::Help);
}

void TfrmOfcCopy::ShowSettings() {
  lbDivList.Clear();
  divisions_.clear();
  // Each line shows a division's code and stands for exactly that division.
  for (const OfferedDivision& d : DivisionsOffered(t_.RulesMode())) {
    lbDivList.items.push_back(DivisionCode(d.number));
    divisions_.push_back(d.number);
  }
  rgRound.itemIndex = sourceRound - 1;
}

void TfrmOfcCopy::lbDivListClick() {
  if (lbDivList.selected()) sourceDivision = divisions_[static_cast<std::size_t>(lbDivList.itemIndex)];
}

void TfrmOfcCopy::rgRoundClick() {
  if (rgRound.itemIndex >= 0 && rgRound.itemIndex < 4) sourceRound = rgRound.itemIndex + 1;
}

void TfrmOfcCopy::btnSaveClick() {
  if (sourceDivision < 0) {
    // There is nothing to copy from; the user picks a division and presses OK again.
    p_.prompt.Show("No Source Division Selected!");
    return;
  }
  if (sourceRound > t_.RoundCount) p_.prompt.Show("Round selected not available in this event!");
  if (!p_.fs.Exists(OfficialsPath(t_))) {
    p_.prompt.Show("No officials have been previously input");
    Close();
    return;
  }
  OfficialsRecord source;
  p_.prompt.ShowEach(ReadOfficials(t_, p_.fs, sourceDivision, source).messages);
  const int round = t_.Selected().ScoredRound();
  for (int k = 1; k <= kOfficialSlots; ++k)
    buffer_.Slot(round, event_, k) = source.Slot(sourceRound, event_, k);
  Close();
}

void TfrmOfcCopy::btnHelpClick() { p_.help.ShowTopic(kHelpOfficials); }
