#include "ui/result_dialogs.h"

#include "ui/tfrm_jump_rslt.h"
#include "ui/tfrm_slal_rslt.h"

bool HasResultDialog(char event) {
  switch (event) {
    case 'S': return true;
    case 'J': return true;
    default: return false;
  }
}

void ShowResultDialog(Tournament& t, Platform& p, char event) {
  switch (event) {
    case 'S': {
      TfrmSlalRslt model(t, p);
      model.Prepare();
      p.dialogs.ShowModal(model);
      break;
    }
    case 'J': {
      TfrmJumpRslt model(t, p);
      model.Prepare();
      p.dialogs.ShowModal(model);
      break;
    }
    default: break;
  }
}
