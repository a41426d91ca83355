#pragma once
// "Slalom Scores Input": one skier's slalom result for the current round, on the edit record.
#include <array>
#include <string>

#include "ui/result_dialogs.h"

class TfrmSlalRslt : public ResultDialog {
 public:
  static constexpr int kPasses = 8;

  TfrmSlalRslt(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;
  void FormShow() override;
  void Prepare() override;
  void edPassExit();
  void edSpeedExit();
  void edRopeExit();
  void CheckButtonClick();
  void btnSaveClick() override;

  Edit edPass{0, "#.##"};
  ListBox SpeedListBox, RopeListBox;
  Edit edSlTotal{0, "##.##"};
  // Pass p's speed, time and score (edP1Sp … edP8Sp and so on) at index p − 1.
  std::array<Edit, kPasses> edPSp, edPT1, edPSc;
  Button CheckButton{"Check Pass Times"};

 private:
  double SelectedSpeed() const;
  double SelectedRope() const;
  void RecomputeTotal();
  void ShowTotal();
  void ColourPassTimes();
  std::string AuditLine() const;
};
