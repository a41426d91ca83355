#include "ui/tfrm_event_ofc.h"

#include <memory>

#include "core/divisions.h"
#include "core/errors.h"
#include "help/help_topics.h"
#include "ui/tfrm_ofc_copy.h"

TfrmEventOfc::TfrmEventOfc(std::string caption, Tournament& t, Platform& p, int event)
    : DialogModel(std::move(caption)), t_(t), p_(p), event_(event) {}

int TfrmEventOfc::Round() const { return t_.Selected().ScoredRound(); }

void TfrmEventOfc::Describe(FormLayout& form) {
  form.AddLabel(lblHeading);
  form.AddLabel(lblWhere);
  for (const Field& f : fields_) form.AddEdit(f.caption, *f.edit);
  form.AddButton(
      btnSave, [this] { btnSaveClick(); }, ButtonRole::Accept);
  form.AddButton(
      btnCopy, [this] { btnCopyClick(); }, ButtonRole::Other);
  form.AddButton(
      btnHelp, [this] { btnHelpClick(); }, ButtonRole::Help);
}

void TfrmEventOfc::FormShow() {
  lblWhere.caption = "Division: " + DivisionCode(t_.CurDivision) + "    Round: " + std::to_string(Round());
  p_.prompt.ShowEach(PrepareOfficials(t_, p_.fs, buffer).messages);
  GetCopy();
  for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i].edit->focus = i == 0;
}

void TfrmEventOfc::GetCopy() {
  for (const Field& f : fields_) f.edit->SetText(buffer.Slot(Round(), event_, f.slot).str());
}

void TfrmEventOfc::btnSaveClick() {
  for (const Field& f : fields_) buffer.Slot(Round(), event_, f.slot) = f.edit->text;  // the slot keeps 20
  try {
    WriteOfficials(t_, p_.fs, t_.CurDivision, buffer);
  } catch (const IoError& e) {
    p_.prompt.Show(std::string("The officials were not saved.\n") + e.what());
    return;
  }
  Close();
}

void TfrmEventOfc::btnCopyClick() {
  TfrmOfcCopy copy(t_, p_, buffer, event_);
  p_.dialogs.ShowModal(copy);
  GetCopy();
}

void TfrmEventOfc::btnHelpClick() { p_.help.ShowTopic(kHelpOfficials); }

TfrmSlalomOfc::TfrmSlalomOfc(Tournament& t, Platform& p) : TfrmEventOfc("Slalom Event Officials", t, p, 1) {
  SetFields({{"Tower 1 Judge", &edT1a, 1},
             {"Tower 1 Judge ", &edT1b, 2},
             {"Tower 2 Judge", &edT2a, 3},
             {"Tower 2 Judge ", &edT2b, 4},
             {"Boat Judge", &edBJ, 5},
             {"Boat Driver", &edBD, 6}});
}

TfrmTrickOfc::TfrmTrickOfc(Tournament& t, Platform& p) : TfrmEventOfc("Trick Event Officials", t, p, 2) {
  SetFields({{"Judge 1", &edJ1, 1},
             {"Judge 2", &edJ2, 2},
             {"Judge 3", &edJ3, 3},
             {"Judge 4", &edJ4, 4},
             {"Judge 5", &edJ5, 5},
             {"Boat Judge", &edBJ, 6},
             {"Boat Driver", &edBD, 7},
             {"Timer", &edTimer, 8}});
}

TfrmJumpOfc::TfrmJumpOfc(Tournament& t, Platform& p) : TfrmEventOfc("Jump Event Officials", t, p, 3) {
  SetFields({{"Judge 1", &edJ1, 1},
             {"Judge 2", &edJ2, 2},
             {"Boat Judge", &edBJ, 3},
             {"MasterBoard 1", &edMB1, 4},
             {"MasterBoard 2", &edMB2, 5},
             {"Boat Driver", &edBD, 6},
             {"Timer", &edTimer, 7}});
}

void ShowOfficialsDialog(Tournament& t, Platform& p, char event) {
  std::unique_ptr<TfrmEventOfc> d;
  if (event == 'S') d = std::make_unique<TfrmSlalomOfc>(t, p);
  if (event == 'T') d = std::make_unique<TfrmTrickOfc>(t, p);
  if (event == 'J') d = std::make_unique<TfrmJumpOfc>(t, p);
  if (d) p.dialogs.ShowModal(*d);
}
