#pragma once
// "Trick Results Input": the points of the two passes and the trick total of the edit record for
// the current round, typed or scored trick by trick in the pass dialog.
#include <string>

#include "ui/result_dialogs.h"

// First name, surname, one space and the division code, cut to 30 characters.
std::string TrickSkierKey(const TSkier& s);

class TfrmTrickRslt : public ResultDialog {
 public:
  TfrmTrickRslt(Tournament& t, Platform& p);

  Edit edPass1Total{5, "#####"};
  Edit edPass2Total{5, "#####"};
  Edit edTrickTotal{5, "#####"};
  Button btnPass1{"Edit Pass 1"};
  Button btnPass2{"Edit Pass 2"};

  void Prepare() override;
  void Describe(FormLayout& form) override;
  void FormShow() override;
  void edPass1TotalExit();
  void edPass2TotalExit();
  void btnPass1Click();
  void btnPass2Click();
  void btnSaveClick() override;

 private:
  void ShowPasses();
  void EditPass(int pass);
};
