#pragma once
// "Team Scoring Results": the team standings under the tournament's team rule, computed afresh
// each time the window opens, and their printout with the skiers who scored for each team.
#include "core/tournament.h"
#include "help/help_topics.h"
#include "results/team_scoring.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

class TfrmTeamRslt : public DialogModel {
 public:
  TfrmTeamRslt(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;
  void FormShow() override;
  void btnPrintClick();
  void btnHelpClick();

  Label lblHeading{kTeamResultHeading};
  Memo Memo1;
  Button btnPrint{"Print  Details"}, btnHelp{"Help"};

  const TeamStandings& standings() const { return standings_; }

 private:
  Tournament& t_;
  Platform& p_;
  TeamStandings standings_;
};
