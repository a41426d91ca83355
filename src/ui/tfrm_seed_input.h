#pragma once
// "Seed Score Input": the working entry's seed scores of the three events and its ramp of the
// current round, typed by hand from the skier entry form.
#include "core/tournament.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

class TfrmSeedInput : public DialogModel {
 public:
  TfrmSeedInput(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;
  void FormShow() override;
  // With unsaved changes: "You have unsaved data! Save Now?"; Yes saves as OK does.
  bool FormCloseQuery() override;

  void edSeedChange() { changed = true; }
  void btnSaveClick();
  void btnHelpClick();

  Edit edName;
  Edit edSlalom{0, "##.##"}, edTrick{0, "#####"}, edJump{0, "##.#"}, edRamp{0, "#.###"};
  Button btnSave{"OK"}, btnHelp{"Help"};
  bool changed = false;

 private:
  // Reads the four fields into the working entry; a field that is no number is named in a message
  // and nothing at all is stored.
  bool Store();

  Tournament& t_;
  Platform& p_;
};
