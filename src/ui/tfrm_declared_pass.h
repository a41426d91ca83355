#pragma once
// "Declared Trick Pass": the tricks a skier declares for both passes before the round, valued as
// the pass dialog would value them and kept in the same record of the trick pass file.
#include "core/tournament.h"
#include "ui/platform.h"
#include "ui/trick_grid_dialog.h"

inline constexpr int kDeclaredRowsShown = 29;

class TfrmDeclaredPass : public TrickGridDialog {
 public:
  // The skier key defaults to the working record's skier.
  TfrmDeclaredPass(Tournament& t, Platform& p);

  Button btnClose{"Close"};

  void Describe(FormLayout& form) override;
  void btnCloseClick();
};
