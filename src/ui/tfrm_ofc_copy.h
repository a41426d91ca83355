#pragma once
// "Chose Copy Source": takes one event's officials of another division and round into the current
// division and round of the officials being entered. Nothing is saved until the event dialog's OK.
#include <vector>

#include "core/officials.h"
#include "core/tournament.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

class TfrmOfcCopy : public DialogModel {
 public:
  // `buffer` is the current division's record of the event dialog; `event` 1 slalom, 2 trick, 3 jump.
  TfrmOfcCopy(Tournament& t, Platform& p, OfficialsRecord& buffer, int event);

  void Describe(FormLayout& form) override;
  void FormShow() override { ShowSettings(); }

  // Lists the divisions of the current rules.
  void ShowSettings();
  void lbDivListClick();
  void rgRoundClick();
  void btnSaveClick();
  void btnHelpClick();

  Label lblChoose{"CHOOSE A DIVISION and ROUND TO COPY FROM:"};
  Label lblSaved{"Previous officials must have been saved before copying"};
  ListBox lbDivList;
  RadioGroup rgRound{{"Round 1", "Round 2", "Round 3", "Round 4"}, 0, true};
  Button btnSave{"OK"}, btnHelp{"Help"};

  int sourceDivision = -1;  // none chosen yet
  int sourceRound = 1;

 private:
  Tournament& t_;
  Platform& p_;
  OfficialsRecord& buffer_;
  int event_;
  std::vector<int> divisions_;  // the division of each list line
};
