#pragma once
// "Results View - Current Division": the places and scores of the current division in the current
// round, read only.
#include "core/tournament.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

class TfrmRsltView : public DialogModel {
 public:
  TfrmRsltView(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;
  void FormShow() override;

  // Shows the current-activity dialog, then the view of the selection it left.
  void btnOptionsClick();
  void btnCloseClick() { Close(); }

  Memo Memo1;
  // The scorer's other way to read the list: by place in the current event.
  CheckBox cbByPlace;
  Button btnOptions{"Change Division/Round"};
  Button btnClose{"Close"};

 private:
  void Rebuild();
  Tournament& t_;
  Platform& p_;
};
