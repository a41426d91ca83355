#include "ui/tfrm_options.h"

#include "core/skier_ops.h"
#include "core/work_list.h"

namespace {

constexpr char kEventLetters[] = {'S', 'T', 'J'};

int EventItem(char event) {
  for (int i = 0; i < 3; ++i)
    if (kEventLetters[i] == event) return i;
  return -1;
}

}  // namespace

std::string SelectionStatusText(const Tournament& t) {
  std::string code = DivisionCode(t.CurDivision).substr(0, 8);
  return "Div:" + code + "\t   Event:" + std::string(1, t.CurEvent) +
         "\t   Round:" + std::to_string(t.CurRound);
}

TfrmOptions::TfrmOptions(Tournament& t, Platform& p)
    : DialogModel("Current Activity Settings"), t_(t), p_(p) {}

void TfrmOptions::Describe(FormLayout& form) {
  form.AddLabel(lblHeading).Name("lblHeading");
  form.BeginGroup(lblDivision.caption);
  form.AddList(
          "", lbDivList, [this] { lbDivListClick(); }, {}, 12)
      .Name("lbDivList");
  form.EndGroup();
  form.NewColumn();
  form.AddRadio("Select Current Event", rgEvent, [this] { rgEventClick(); }).Name("rgEvent");
  form.AddRadio("Select Current Round", rgRound, [this] { rgRoundClick(); }).Name("rgRound");
  form.AddButton(
          btnSave, [this] { btnSaveClick(); }, ButtonRole::Accept)
      .Name("btnSave");
  form.AddButton(
          btnHelp, [this] { btnHelpClick(); }, ButtonRole::Help)
      .Name("btnHelp");
}

void TfrmOptions::FormShow() {
  offered = DivisionsOffered(t_.RulesMode());
  lbDivList.Clear();
  pendingDivision = kNoDivision;
  const std::string current = DivisionCode(t_.CurDivision);
  for (std::size_t i = 0; i < offered.size(); ++i) {
    lbDivList.items.push_back(offered[i].text);
    // Items shown with a "+" never equal a catalogue code, so those divisions start unselected.
    if (offered[i].text == current && !lbDivList.selected()) {
      lbDivList.itemIndex = static_cast<int>(i);
      pendingDivision = offered[i].number;
    }
  }
  rgEvent.itemIndex = EventItem(t_.CurEvent);
  rgRound.itemIndex = (t_.CurRound >= 1 && t_.CurRound <= 4) ? t_.CurRound - 1 : -1;
}

void TfrmOptions::lbDivListClick() {
  if (lbDivList.selected()) pendingDivision = offered[static_cast<std::size_t>(lbDivList.itemIndex)].number;
}

void TfrmOptions::rgEventClick() {
  if (rgEvent.itemIndex < 0 || rgEvent.itemIndex > 2) return;
  t_.CurEvent = kEventLetters[rgEvent.itemIndex];
}

void TfrmOptions::rgRoundClick() {
  if (rgRound.itemIndex < 0 || rgRound.itemIndex > 3) return;
  t_.CurRound = rgRound.itemIndex + 1;
  if (t_.CurRound > t_.RoundCount) p_.prompt.Show("Round selection not in Tournament setup!");
}

void TfrmOptions::btnSaveClick() {
  if (!lbDivList.selected() || pendingDivision == kNoDivision) {
    p_.prompt.Show("Division Not Selected!");
    return;
  }
  t_.CurDivision = pendingDivision;
  p_.Shown(PrepareSelection(t_, p_.random, t_.Selected()));
  Close();
}

void TfrmOptions::btnHelpClick() { p_.help.ShowTopic(kHelpCurrentOptions); }
