#include "ui/tfrm_declared_pass.h"

#include "help/help_topics.h"
#include "ui/tfrm_trick_rslt.h"

TfrmDeclaredPass::TfrmDeclaredPass(Tournament& t, Platform& p)
    : TrickGridDialog("Declared Trick Pass", t, p, true, kDeclaredRowsShown, kHelpDeclaredPasses) {
  btnSave.caption = "Save";
  editor.skierKey = TrickSkierKey(t.Working);
}

void TfrmDeclaredPass::Describe(FormLayout& form) {
  DescribeEditor(form, "Pass Number:");
  form.AddButton(
          btnSave, [this] { btnSaveClick(); }, ButtonRole::Accept)
      .Name("btnSave");
  form.AddButton(
          btnClose, [this] { btnCloseClick(); }, ButtonRole::Reject)
      .Name("btnClose");
  form.AddButton(
          btnHelp, [this] { btnHelpClick(); }, ButtonRole::Help)
      .Name("btnHelp");
}

void TfrmDeclaredPass::btnCloseClick() { Close(); }
