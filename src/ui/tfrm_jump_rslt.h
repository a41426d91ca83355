#pragma once
// "Jump Results Input": one skier's three jumps of the current round, on the edit record.
#include <array>
#include <string>

#include "core/tournament.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

class TfrmJumpRslt : public DialogModel {
 public:
  static constexpr int kPasses = 6;

  TfrmJumpRslt(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;
  void FormShow() override;
  // Fills the controls from the edit record.
  void Prepare();
  void CheckButtonClick();
  void btnSaveClick();
  void btnHelpClick();

  Edit edName;
  Label lblDivision;  // the skier's division, beside the name
  Edit edJ1, edJ2, edJ3;
  ListBox RampListBox, SpeedListBox;
  Edit edTie;
  ListBox ClassListBox, BoatListBox;
  // Jump/pass p's speed and segment times (edP1Sp, edP1T1 … edP6T3) at index p − 1.
  std::array<Edit, kPasses> edPSp, edPT1, edPT2, edPT3;
  Button CheckButton{"Check Times"};
  Button btnSave{"OK"};
  Button btnHelp{"Help"};

  // Whether OK stored the result and wrote its audit line.
  bool auditWritten() const { return auditWritten_; }

 private:
  TSkier& Record() { return t_.Working; }
  int Round() const;
  std::array<Edit*, 3> Jumps() { return {&edJ1, &edJ2, &edJ3}; }
  void ShowJumps();
  void StoreRampAndSpeed();
  void ApplyRunoff();
  void ColourSegmentTimes();
  std::string AuditLine() const;

  Tournament& t_;
  Platform& p_;
  bool auditWritten_ = false;
};
