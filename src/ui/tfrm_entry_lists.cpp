#include "ui/tfrm_entry_lists.h"

#include "help/help_topics.h"
#include "printing/entry_lists.h"
#include "ui/report_runs.h"

TEntryListsView::TEntryListsView() : DialogModel("View Entry") {
  EntryViews.readOnly = true;
  EntryViews.fixedPitch = true;
}

void TEntryListsView::Describe(FormLayout& form) {
  form.AddMemo("", EntryViews, 72, 28);
  form.AddButton(
      btnClose, [this] { Close(); }, true, true);
}

TfrmEntryLists::TfrmEntryLists(Tournament& t, Platform& p)
    : DialogModel("Review Entry Lists"), t_(t), p_(p) {}

void TfrmEntryLists::Describe(FormLayout& form) {
  form.AddRadio("Select an Entry List to Print/View", rgEntry);
  form.AddButton(btnPrint, [this] { btnPrintClick(); });
  form.AddButton(
      btnView, [this] { btnViewClick(); }, true);
  form.AddButton(btnHelp, [this] { btnHelpClick(); });
}

std::optional<EntryListKind> TfrmEntryLists::chosen() const {
  switch (rgEntry.itemIndex) {
    case 0:
      return EntryListKind::Alphabetical;
    case 1:
      return EntryListKind::ByDivision;
    case 2:
      return EntryListKind::CurrentDivision;
    default:
      return std::nullopt;
  }
}

void TfrmEntryLists::btnPrintClick() {
  if (auto kind = chosen())
    RunReport(t_, p_, [&] { PrintNamedReport(p_.printer, EntryListReportName(*kind), t_, p_); });
}

void TfrmEntryLists::btnViewClick() {
  if (auto kind = chosen()) view.EntryViews.lines = EntryViewLines(t_, *kind, t_.CurDivision);
  p_.dialogs.ShowModal(view);
}

void TfrmEntryLists::btnHelpClick() { p_.help.ShowTopic(kHelpEntryReports); }
