#pragma once
// "Trick Pass Scoring": one pass of one skier scored trick by trick from the trick table, kept in
// the event's trick pass file, the pass total stored in the edit record.
#include "core/tournament.h"
#include "ui/platform.h"
#include "ui/trick_grid_dialog.h"

class TfrmTrickPass : public TrickGridDialog {
 public:
  TfrmTrickPass(Tournament& t, Platform& p);

  int CurrentPass() const { return editor.pass; }
  int PassTotal() const;

  Button btnSavScor{"Save Score"};

  void Describe(FormLayout& form) override;
  void btnSavScorClick();

 private:
  Tournament& t_;
};
