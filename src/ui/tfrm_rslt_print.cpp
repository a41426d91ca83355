#include "ui/tfrm_rslt_print.h"

#include <array>

#include "help/help_topics.h"
#include "printing/award_reports.h"
#include "ui/tfrm_options.h"
#include "ui/tfrm_skier_select.h"

namespace {

constexpr std::array<const char*, 8> kPrintReports = {
    "single-round-results", "event-results",      "division-results", "event-round-results",
    "round-results",        "multi-round-totals", "official-results", "event-summary"};

constexpr std::array<const char*, 7> kOtherReports = {
    "awards-summary",    "rating-sheet",       "record-data",   "officials-division",
    "officials-summary", "officials-detailed", "injury-summary"};

}  // namespace

const char* TfrmRsltPrint::PrintReportName(int item) {
  return item >= 0 && item < static_cast<int>(kPrintReports.size())
             ? kPrintReports[static_cast<std::size_t>(item)]
             : nullptr;
}

const char* TfrmRsltPrint::OtherReportName(int item) {
  return item >= 0 && item < static_cast<int>(kOtherReports.size())
             ? kOtherReports[static_cast<std::size_t>(item)]
             : nullptr;
}

bool TfrmRsltPrint::OtherNeedsSkier(int item) { return item == 1 || item == 2; }

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
  PrintNamedReport(name, t_, p_);
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
  PrintNamedReport(name, t_, p_, options);
}

void TfrmRsltPrint::btnCurrOptClick() {
  TfrmOptions options(t_, p_);
  p_.dialogs.ShowModal(options);
}

void TfrmRsltPrint::btnHelpClick() { p_.help.ShowTopic(kHelpPrintResults); }
