#include "ui/tscore_form_options.h"

#include "help/help_topics.h"
#include "printing/judging_sheets.h"
#include "ui/report_runs.h"
#include "ui/tfrm_options.h"

TScoreFormOptions::TScoreFormOptions(Tournament& t, Platform& p)
    : DialogModel("Event Scoring Sheets"), t_(t), p_(p) {}

void TScoreFormOptions::Describe(FormLayout& form) {
  form.AddRadio("Select a Seeded Judging Form", rgJudgeSheets);
  form.AddButton(
      btnPrtJudge, [this] { btnPrtJudgeClick(); }, true);
  form.NewColumn();
  form.AddRadio("Select a Blank Judging Form", rgBlankSheets);
  form.AddButton(btnPrtBlank, [this] { btnPrtBlankClick(); });
  form.AddButton(btnCurrOpt, [this] { btnCurrOptClick(); });
  form.AddButton(btnHelp, [this] { btnHelpClick(); });
}

void TScoreFormOptions::btnPrtJudgeClick() {
  const int item = rgJudgeSheets.itemIndex;
  if (item < 0 || item >= static_cast<int>(rgJudgeSheets.items.size())) return;
  RunReport(t_, p_, [&] { PrintSeededForm(p_.printer, t_, p_, static_cast<JudgingForm>(item)); });
}

void TScoreFormOptions::btnPrtBlankClick() {
  const int item = rgBlankSheets.itemIndex;
  if (item < 0 || item >= static_cast<int>(rgBlankSheets.items.size())) return;
  PrintBlankForm(p_.printer, t_, static_cast<JudgingForm>(item));
}

void TScoreFormOptions::btnCurrOptClick() {
  TfrmOptions options(t_, p_);
  p_.dialogs.ShowModal(options);
}

void TScoreFormOptions::btnHelpClick() { p_.help.ShowTopic(kHelpSheets); }
