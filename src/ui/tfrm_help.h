#pragma once
// "Tallivar Help": the text of one help topic in a read-only memo, and a Close button.
#include "ui/dialog_model.h"

class TfrmHelp : public DialogModel {
 public:
  explicit TfrmHelp(int topic);

  void Describe(FormLayout& form) override;
  void btnCloseClick();

  Memo Memo1;
  Button btnClose{"Close"};
};
