#include "ui/tfrm_trick_pass.h"

#include "help/help_topics.h"

TfrmTrickPass::TfrmTrickPass(Tournament& t, Platform& p)
    : TrickGridDialog("Trick Pass Scoring", t, p, false, kTrickRowCount, kHelpTrickPasses), t_(t) {
  btnSave.caption = "Save Details";
}

int TfrmTrickPass::PassTotal() const { return ::PassTotal(editor.rows); }

void TfrmTrickPass::Describe(FormLayout& form) {
  DescribeEditor(form, "Skier Trick Pass:");
  form.AddButton(
          btnSave, [this] { btnSaveClick(); }, ButtonRole::Other)
      .Name("btnSave");
  form.AddButton(
          btnSavScor, [this] { btnSavScorClick(); }, ButtonRole::Accept)
      .Name("btnSavScor");
  form.AddButton(
          btnHelp, [this] { btnHelpClick(); }, ButtonRole::Help)
      .Name("btnHelp");
}

void TfrmTrickPass::btnSavScorClick() {
  const std::size_t r = static_cast<std::size_t>(t_.CurRound);
  if (editor.pass == 1)
    t_.Working.TrickPass1[r] = PassTotal();
  else
    t_.Working.TrickPass2[r] = PassTotal();
  t_.ResultTyped();
  editor.Write();
}
