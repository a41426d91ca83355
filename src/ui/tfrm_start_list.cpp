#include "ui/tfrm_start_list.h"

#include "help/help_topics.h"
#include "printing/report_page.h"
#include "printing/start_list.h"
#include "ui/report_runs.h"
#include "ui/tfrm_options.h"

namespace {

StartListChoice Choice(const RadioGroup& g) {
  if (g.itemIndex == 1) return StartListChoice::Several;
  if (g.itemIndex == 2) return StartListChoice::All;
  return StartListChoice::Current;
}

}  // namespace

void TfrmPreviewStart::Describe(FormLayout& form) {
  form.AddMemo("", memPrevStart, 80, 30);
  form.AddButton(
      btnClose, [this] { Close(); }, true, true);
}

TfrmStartList::TfrmStartList(Tournament& t, Platform& p) : DialogModel("Starting Lists"), t_(t), p_(p) {
  rgStartLst.items = {"Start List for Current Division/Event",
                      "Start List for Several Divisions (Enter below)", "Start List for All Divisions"};
  edDivList.text = kDivListHint;
}

void TfrmStartList::Describe(FormLayout& form) {
  form.AddRadio("Select a Start List to Print", rgStartLst);
  form.AddEdit("Enter Divisions, separated by a comma, ie. M,GU12,BU12", edDivList);
  form.AddButton(
      btnPrint, [this] { btnPrintClick(); }, true);
  form.AddButton(btnPreview, [this] { btnPreviewClick(); });
  form.AddButton(btnDivChange, [this] { btnDivChangeClick(); });
  form.AddButton(btnHelp, [this] { btnHelpClick(); });
}

void TfrmStartList::FormShow() { rgStartLst.itemIndex = 0; }

std::string TfrmStartList::TypedDivisions() const {
  return edDivList.text == kDivListHint ? "" : edDivList.text;
}

void TfrmStartList::btnPrintClick() {
  PrintBuilt(t_, p_,
             [&] { return StartListDocument(t_, t_.Selected(), p_, Choice(rgStartLst), TypedDivisions()); });
}

void TfrmStartList::btnPreviewClick() {
  TfrmPreviewStart preview;
  std::optional<std::vector<std::string>> lines;
  RunReport(t_, p_, [&] {
    lines = StartListLines(t_, t_.Selected(), p_, Choice(rgStartLst), TypedDivisions(), true);
  });
  if (!lines) return;
  preview.memPrevStart.lines = std::move(*lines);
  p_.dialogs.ShowModal(preview);
}

void TfrmStartList::btnDivChangeClick() {
  TfrmOptions options(t_, p_);
  p_.dialogs.ShowModal(options);
}

void TfrmStartList::btnHelpClick() { p_.help.ShowTopic(kHelpStartLists); }
