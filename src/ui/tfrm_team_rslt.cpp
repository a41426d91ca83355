#include "ui/tfrm_team_rslt.h"

#include "printing/team_standings.h"
#include "ui/report_runs.h"

TfrmTeamRslt::TfrmTeamRslt(Tournament& t, Platform& p) : DialogModel("Team Scoring Results"), t_(t), p_(p) {
  Memo1.fixedPitch = true;
}

void TfrmTeamRslt::Describe(FormLayout& form) {
  form.AddLabel(lblHeading);
  // Wide enough for the one line that lists the age-group pairs when the current division has none.
  bool noPair = TeamRuleOf(t_.settings.TeamMode.view()) == TeamRule::Iwsf && !IwsfPairOf(t_.CurDivision);
  form.AddMemo("", Memo1, noPair ? static_cast<int>(IwsfNoPairLine().size()) + 2 : 60, 20);
  form.AddButton(btnPrint, [this] { btnPrintClick(); });
  form.AddButton(btnHelp, [this] { btnHelpClick(); });
}

void TfrmTeamRslt::FormShow() {
  Memo1.lines.clear();
  standings_ = ComputeTeamStandings(t_);
  p_.prompt.ShowEach(standings_.messages);
  Memo1.lines = TeamResultLines(standings_);
}

void TfrmTeamRslt::btnPrintClick() {
  SortTeams(standings_.teams);
  PrintBuilt(t_, p_, [&] { return TeamStandingsDocument(t_, standings_); });
}

void TfrmTeamRslt::btnHelpClick() { p_.help.ShowTopic(kHelpTeamResults); }
