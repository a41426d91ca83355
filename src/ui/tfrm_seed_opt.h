#pragma once
// "Seeding Options": computes the current event's seeds by one of seven options.
#include "core/tournament.h"
#include "seeding/seeding.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

// The option chosen last, kept for the program's run by whoever shows the dialog.
struct SeedOptionMemory {
  int option = -1;  // -1: none chosen since the program started
};

class TfrmSeedOpt : public DialogModel {
 public:
  TfrmSeedOpt(Tournament& t, Platform& p, SeedOptionMemory& memory);

  void Describe(FormLayout& form) override;
  void FormShow() override;

  void rgSeedsClick();
  // The gate, the confirmation, the option, then every work-list record written back.
  void btnApplyClick();
  void btnReviewClick();
  void btnCurrOptClick();
  void btnHelpClick();

  RadioGroup rgSeeds;
  Button btnCurrOpt{"Chg Div/Event/Rnd"}, btnReview{"Review"}, btnApply{"Apply"}, btnHelp{"Help"};

 private:
  // The option Apply runs: the one ticked, else the one remembered, else the first.
  SeedOption ChosenOption() const;
  void RunFinalsSelection();
  // Shows the outcome's messages; answers whether it went through.

  Tournament& t_;
  Platform& p_;
  SeedOptionMemory& memory_;
};
