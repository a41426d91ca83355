#include "ui/result_dialogs.h"

#include "ui/tfrm_jump_rslt.h"
#include "ui/tfrm_slal_rslt.h"
#include "ui/tfrm_trick_rslt.h"

namespace {

// Every result dialog is prepared from the edit record before it is shown.
template <typename Dialog>
bool ShowPrepared(Tournament& t, Platform& p) {
  Dialog model(t, p);
  model.Prepare();
  p.dialogs.ShowModal(model);
  if constexpr (requires { model.auditWritten(); })
    return model.auditWritten();
  else
    return false;
}

}  // namespace

bool HasResultDialog(char event) {
  switch (event) {
    case 'S':
    case 'J':
    case 'T':
      return true;
    default:
      return false;
  }
}

bool ShowResultDialog(Tournament& t, Platform& p, char event) {
  switch (event) {
    case 'S':
      return ShowPrepared<TfrmSlalRslt>(t, p);
    case 'J':
      return ShowPrepared<TfrmJumpRslt>(t, p);
    case 'T':
      return ShowPrepared<TfrmTrickRslt>(t, p);
    default:
      return false;
  }
}
