#pragma once
// "Trick Results Input": the points of the two passes and the trick total of the edit record for
// the current round, typed or scored trick by trick in the pass dialog.
#include <string>

#include "core/tournament.h"
#include "ui/controls.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

// First name, surname, one space and the division code, cut to 30 characters.
std::string TrickSkierKey(const TSkier& s);

class TfrmTrickRslt : public DialogModel {
 public:
  TfrmTrickRslt(Tournament& t, Platform& p);

  Edit edName;
  Label lblDivision;  // the skier's division, beside the name
  Edit edPass1Total{5, "#####"};
  Edit edPass2Total{5, "#####"};
  Edit edTrickTotal{5, "#####"};
  Edit edTie;
  ListBox ClassList;
  ListBox BoatList;
  Button btnPass1;
  Button btnPass2;
  Button btnSave;
  Button btnHelp;

  // Fills the controls from the edit record; called before the dialog is shown.
  void Prepare();
  void Describe(FormLayout& form) override;
  void FormShow() override;
  void edPass1TotalExit();
  void edPass2TotalExit();
  void btnPass1Click();
  void btnPass2Click();
  void btnSaveClick();
  void btnHelpClick();

 private:
  std::size_t Round() const { return static_cast<std::size_t>(t_.CurRound); }
  void ShowPasses();
  void EditPass(int pass);

  Tournament& t_;
  Platform& p_;
};
