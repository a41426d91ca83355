#pragma once
// "Current Activity Settings": picks the current division, event and round every result operation
// works on.
#include <string>
#include <vector>

#include "core/divisions.h"
#include "core/tournament.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

inline constexpr int kHelpCurrentOptions = 5;

// The main window's status bar text of the current selection: "Div:M\t   Event:S\t   Round:1".
std::string SelectionStatusText(const Tournament& t);

class TfrmOptions : public DialogModel {
 public:
  TfrmOptions(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;
  // Fills the division list of the rule set and shows the current selection.
  void FormShow() override;

  void lbDivListClick();
  void rgEventClick();
  void rgRoundClick();
  void btnSaveClick();
  void btnHelpClick();

  Label lblHeading{"SELECT CURRENT CHOICES:"};
  Label lblDivision{"Select Current Division"};
  ListBox lbDivList;
  RadioGroup rgEvent{{"Slalom", "Tricks", "Jump"}, -1, true};
  RadioGroup rgRound{{"Round 1", "Round 2", "Round 3", "Round 4"}, -1, true};
  Button btnSave{"Apply Choice"};
  Button btnHelp{"Help"};

  // The division picked in the list, applied only by "Apply Choice"; kNoDivision while none.
  int pendingDivision = kNoDivision;
  // The division each item of lbDivList stands for.
  std::vector<OfferedDivision> offered;

 private:
  Tournament& t_;
  Platform& p_;
};
