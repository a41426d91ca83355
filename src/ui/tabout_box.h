#pragma once
// The about box: the program's name, version and purpose.
#include "ui/dialog_model.h"

class TAboutBox : public DialogModel {
 public:
  TAboutBox();

  Label ProductName{"Tallivar"};
  Label Version{"Version 2022.1.1"};
  Label Comments{"Tallivar is a simple scoring program for water ski tournaments under ZETL or IWWF Rules"};
  Button OKButton{"OK"};

  void Describe(FormLayout& form) override;
  void OKButtonClick() { Close(); }
};
