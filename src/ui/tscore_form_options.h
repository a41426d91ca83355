#pragma once
// "Event Scoring Sheets": prints one of the judging forms, blank or seeded with the current
// division's skiers in start order.
#include "core/tournament.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

class TScoreFormOptions : public DialogModel {
 public:
  TScoreFormOptions(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;

  void btnPrtJudgeClick();
  void btnPrtBlankClick();
  void btnCurrOptClick();
  void btnHelpClick();

  RadioGroup rgJudgeSheets{{"Slalom Scoring and Judging Form", "Slalom Recap Form", "Jump Boat Score Form",
                            "Jump Master Score Form", "Trick Judging Sheets"}};
  RadioGroup rgBlankSheets{{"Slalom Scoring and Timing Form", "Slalom Recap Form", "Jump Boat Score Form",
                            "Jump Master Score Form", "Trick Judging Sheet"}};
  Button btnPrtJudge{"Print Form"}, btnPrtBlank{"Print Blank"}, btnCurrOpt{"Change Div/Event/Rnd"},
      btnHelp{"Help"};

 private:
  Tournament& t_;
  Platform& p_;
};
