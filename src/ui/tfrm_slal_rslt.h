#pragma once
// "Slalom Scores Input": one skier's slalom result for the current round, on the edit record.
#include <array>
#include <string>
#include <string_view>

#include "core/tournament.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

// The class and boat lists that the slalom and jump dialogs share.
void FillClassList(ListBox& list);
void FillBoatList(ListBox& list);
// The list item of a stored class ("2" → "CRC" …) or boat code; unknown values pick "1" or "XX".
int ClassItemOf(std::string_view eventClass);
int BoatItemOf(std::string_view boat);
// What a list choice stores: "1" … "4" and "CC", "MC", "ML", "XX".
std::string ClassOfItem(int item);
std::string BoatOfItem(int item);
// The runoff place typed into a tie field, 0 when the field is empty. Throws ConversionError.
int TypedRunoffPlace(const Edit& tie);

class TfrmSlalRslt : public DialogModel {
 public:
  static constexpr int kPasses = 8;

  TfrmSlalRslt(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;
  void FormShow() override;
  // Fills the controls from the edit record.
  void Prepare();
  void edPassExit();
  void edSpeedExit();
  void edRopeExit();
  void CheckButtonClick();
  void btnSaveClick();
  void btnHelpClick();

  Edit edName;
  Label lblDivision;  // the skier's division, beside the name
  Edit edPass{0, "#.##"};
  ListBox SpeedListBox, RopeListBox;
  Edit edSlTotal{0, "##.##"};
  Edit edTie;
  // Pass p's speed, time and score (edP1Sp … edP8Sp and so on) at index p − 1.
  std::array<Edit, kPasses> edPSp, edPT1, edPSc;
  ListBox ClassListBox, BoatListBox;
  Button CheckButton{"Check Pass Times"};
  Button btnSave{"OK"};
  Button btnHelp{"Help"};

  // Whether OK stored the result and wrote its audit line.
  bool auditWritten() const { return auditWritten_; }

 private:
  TSkier& Record() { return t_.Working; }
  int Round() const;
  double SelectedSpeed() const;
  double SelectedRope() const;
  void RecomputeTotal();
  void ShowTotal();
  void ColourPassTimes();
  std::string AuditLine() const;

  Tournament& t_;
  Platform& p_;
  bool auditWritten_ = false;
};
