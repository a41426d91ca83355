#include "ui/tfrm_rslt_print.h"

#include "help/help_topics.h"
#include "printing/award_reports.h"
#include "ui/report_runs.h"
#include "ui/tfrm_options.h"
#include "ui/tfrm_skier_select.h"

namespace {

const char* NameAt(ReportMenu menu, int item) {
  const auto reports = MenuReports(menu);
  return item >= 0 && item < static_cast<int>(reports.size())
             ? reports[static_cast<std::size_t>(item)]->name.c_str()
             : nullptr;
}

}  // namespace

std::vector<std::string> TfrmRsltPrint::Captions(ReportMenu menu) {
  std::vector<std::string> captions;
  for (const ReportEntry* entry : MenuReports(menu)) captions.push_back(entry->caption);
  return captions;
}

const char* TfrmRsltPrint::PrintReportName(int item) { return NameAt(ReportMenu::Results, item); }

const char* TfrmRsltPrint::OtherReportName(int item) { return NameAt(ReportMenu::Other, item); }

// The skier sheets are printed for a skier picked first.
bool TfrmRsltPrint::OtherNeedsSkier(int item) {
  const ReportEntry* entry = FindReport(OtherReportName(item) ? OtherReportName(item) : "");
  return entry && entry->Takes("skier");
}

TfrmRsltPrint::TfrmRsltPrint(Tournament& t, Platform& p)
    : DialogModel("Results Printing Options"), t_(t), p_(p) {
  pickSkier = [this] { return SelectSkier(t_, p_); };
}

void TfrmRsltPrint::Describe(FormLayout& form) {
  form.AddRadio("Select Results To Print", rgPrint);
  form.AddButton(
      btnPrint, [this] { btnPrintClick(); }, true);
  form.NewColumn();
  form.AddRadio("Select Other Reports", rgOther);
  form.AddButton(btnOther, [this] { btnOtherClick(); });
  form.AddButton(btnCurrOpt, [this] { btnCurrOptClick(); });
  form.AddButton(btnHelp, [this] { btnHelpClick(); });
}

void TfrmRsltPrint::FormShow() {
  if (rgPrint.itemIndex < 0) rgPrint.itemIndex = 0;
  rgOther.itemEnabled.assign(rgOther.items.size(), false);
  int firstEnabled = -1;
  for (int i = 0; i < static_cast<int>(rgOther.items.size()); ++i) {
    bool available = FindReport(OtherReportName(i)) != nullptr && (!OtherNeedsSkier(i) || pickSkier);
    rgOther.itemEnabled[static_cast<std::size_t>(i)] = available;
    if (available && firstEnabled < 0) firstEnabled = i;
  }
  if (!rgOther.ItemEnabled(rgOther.itemIndex) || rgOther.itemIndex < 0) rgOther.itemIndex = firstEnabled;
  btnOther.enabled = firstEnabled >= 0;
}

void TfrmRsltPrint::btnPrintClick() {
  const char* name = PrintReportName(rgPrint.itemIndex);
  if (!name) return;
  RunReport(t_, p_, [&] { PrintNamedReport(p_.printer, name, t_, p_); });
}

void TfrmRsltPrint::btnOtherClick() {
  const int item = rgOther.itemIndex;
  const char* name = OtherReportName(item);
  if (!name || !rgOther.ItemEnabled(item) || !FindReport(name)) return;
  ReportOptions options;
  if (OtherNeedsSkier(item)) {
    if (!pickSkier) return;
    auto skier = pickSkier();
    // Closing the pick without confirming prints nothing, even when a skier was picked before:
    // the sheet is never printed for someone the user did not choose this time.
    if (!skier) return;
    options.values["skier"] = FullName(*skier);
    options.values["skier-division"] = DivisionCode(skier->Division);
  }
  RunReport(t_, p_, [&] { PrintNamedReport(p_.printer, name, t_, p_, options); });
}

void TfrmRsltPrint::btnCurrOptClick() {
  TfrmOptions options(t_, p_);
  p_.dialogs.ShowModal(options);
}

void TfrmRsltPrint::btnHelpClick() { p_.help.ShowTopic(kHelpPrintResults); }
