#pragma once
// The preferences dialog: the start-up defaults kept in the settings file.
#include "core/tournament.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

class TfrmPreferences : public DialogModel {
 public:
  TfrmPreferences(Tournament& t, Platform& p);

  Label lblTitle{"SELECT DEFAULT VALUES FOR TALLIVAR STARTUP"};
  ListBox lbFed;
  ListBox lbProv;
  Label lblProvNote{"(ZETL Rules)"};
  RadioGroup rgOverall;
  Edit lbedSiteCodePref;
  Button btnSave{"OK"};

  void Describe(FormLayout& form) override;
  void FormShow() override;
  // Stores the choices and writes the settings file; the open event keeps its rule set. Throws
  // IoError when the file cannot be written.
  void btnSaveClick();

 private:
  Tournament& t_;
  Platform& p_;

  void StoreRuleDefaults();
};
