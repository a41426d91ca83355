#include "ui/tfrm_rslt_view.h"

#include "printing/report_page.h"
#include "printing/result_reports.h"
#include "ui/report_runs.h"
#include "ui/tfrm_options.h"

TfrmRsltView::TfrmRsltView(Tournament& t, Platform& p)
    : DialogModel("Results View - Current Division"), t_(t), p_(p) {
  Memo1.readOnly = true;
  Memo1.fixedPitch = true;
}

void TfrmRsltView::Describe(FormLayout& form) {
  // As wide as a whole line of the view, so the overall column is never cut.
  form.AddMemo("", Memo1, 94, 24);
  form.AddCheck("List by place in the current event", cbByPlace, [this] { Rebuild(); }).Name("cbByPlace");
  form.AddButton(btnOptions, [this] { btnOptionsClick(); });
  form.AddButton(
      btnClose, [this] { btnCloseClick(); }, false, true);
}

void TfrmRsltView::FormShow() { Rebuild(); }

void TfrmRsltView::btnOptionsClick() {
  TfrmOptions options(t_, p_);
  p_.dialogs.ShowModal(options);
  Rebuild();
}

void TfrmRsltView::Rebuild() {
  RunReport(t_, p_, [&] { Memo1.lines = ResultsViewLines(t_, t_.Selected(), p_.prompt, cbByPlace.checked); });
}
