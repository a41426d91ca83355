#pragma once
// "Jump Results Input": one skier's three jumps of the current round, on the edit record.
#include <array>
#include <string>

#include "ui/result_dialogs.h"

class TfrmJumpRslt : public ResultDialog {
 public:
  static constexpr int kPasses = 6;

  TfrmJumpRslt(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;
  void FormShow() override;
  void Prepare() override;
  void CheckButtonClick();
  void btnSaveClick() override;

  Edit edJ1, edJ2, edJ3;
  ListBox RampListBox, SpeedListBox;
  // Jump/pass p's speed and segment times (edP1Sp, edP1T1 … edP6T3) at index p − 1.
  std::array<Edit, kPasses> edPSp, edPT1, edPT2, edPT3;
  Button CheckButton{"Check Times"};

 private:
  std::array<Edit*, 3> Jumps() { return {&edJ1, &edJ2, &edJ3}; }
  void ShowJumps();
  void StoreRampAndSpeed();
  void ApplyRunoff();
  void ColourSegmentTimes();
  std::string AuditLine() const;
};
