#pragma once
// "Finals Seed Selection": ticks the skiers of the current division who ski the final of the
// current event.
#include <vector>

#include "core/tournament.h"
#include "core/work_list.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

class TfrmSeedFinals : public DialogModel {
 public:
  TfrmSeedFinals(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;
  // Every skier of the division, whatever events they entered, ticked when a finalist.
  void FormShow() override;

  // A tick sets the current event's finalist flag; taking a tick away clears the skier's finalist
  // flags of all three events. Only the listed copies change until "Save".
  void cblFinalsClickCheck();
  // Keeps the ticks and draws the order of finalists tied in round 1 again.
  void btnSaveClick();
  void btnHelpClick();

  Label lblTitle{"Select skiers to be entered in Finals from list below:"};
  CheckListBox cblFinals;
  Button btnSave{"Save"}, btnHelp{"Help"};

 private:
  Tournament& t_;
  Platform& p_;
  WorkList work_;            // every skier of the division, as ticked
  std::vector<bool> shown_;  // the ticks as the list holds them
};
