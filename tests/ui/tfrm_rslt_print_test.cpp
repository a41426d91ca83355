#include "ui/tfrm_rslt_print.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/divisions.h"
#include "core/work_list.h"
#include "help/help_topics.h"
#include "printing/result_reports.h"
#include "support/results_tournament.h"
#include "support/skier_builders.h"
#include "ui/program_dialogs.h"
#include "ui/tfrm_options.h"
#include "ui/tfrm_rslt_view.h"
#include "ui/tfrm_skier_select.h"

namespace {

struct ResultsDialogs : ::testing::Test {
  TestPlatform tp;
  Tournament t;
  ResultsDialogs() { sample::BuildResultsTournament(t, tp); }
};

}  // namespace

TEST_F(ResultsDialogs, EachPrintChoiceSendsItsReportAndKeepsTheSelection) {
  const char* titles[] = {"Single Round Results", "Event Results", "Division Results",
                          "Event Round Results",  "Round Results", "Multi-Round Totals",
                          "Official Results",     "Event Summary"};
  TfrmRsltPrint dialog(t, tp);
  dialog.FormShow();
  EXPECT_EQ(dialog.rgPrint.itemIndex, 0);
  for (int i = 0; i < 8; ++i) {
    dialog.rgPrint.itemIndex = i;
    dialog.btnPrintClick();
    ASSERT_EQ(tp.printer.documents.size(), static_cast<std::size_t>(i + 1));
    EXPECT_EQ(tp.printer.documents.back().title, titles[i]);
    EXPECT_EQ(tp.printer.documents.back().font, "Courier New");
    // The current division's slalom skiers still start: AAS, BERG, DAHL.
    EXPECT_EQ(StartOrder(t, t.Selected()).skiers.size(), 3u) << titles[i];
  }
  // The printed lines are the report's lines.
  auto doc = BuildReport("event-summary", t, tp);
  EXPECT_EQ(tp.printer.AllLines(), doc->lines);
}

TEST_F(ResultsDialogs, OtherReportsStayDisabledUntilTheyExist) {
  TfrmRsltPrint dialog(t, tp);
  dialog.FormShow();
  ASSERT_EQ(dialog.rgOther.items.size(), 7u);
  for (int i = 0; i < 7; ++i) {
    const bool exists = FindReport(TfrmRsltPrint::OtherReportName(i)) != nullptr;
    EXPECT_EQ(dialog.rgOther.ItemEnabled(i), exists) << i;
  }
  // A disabled choice prints nothing.
  for (int i = 0; i < 7; ++i) {
    if (dialog.rgOther.ItemEnabled(i)) continue;
    dialog.rgOther.itemIndex = i;
    dialog.btnOtherClick();
    EXPECT_TRUE(tp.printer.documents.empty()) << i;
  }
}

TEST_F(ResultsDialogs, ChangeSelectionAndHelp) {
  TfrmRsltPrint dialog(t, tp);
  tp.dialogs.Expect<TfrmOptions>([&](TfrmOptions& o) {
    o.rgEvent.itemIndex = 2;
    o.rgEventClick();
  });
  dialog.btnCurrOptClick();
  EXPECT_EQ(t.CurEvent, 'J');
  dialog.btnHelpClick();
  EXPECT_EQ(tp.help.topics.back(), kHelpPrintResults);
}

TEST_F(ResultsDialogs, ViewShowsTheDivisionAndFollowsTheNewSelection) {
  TfrmRsltView view(t, tp);
  view.FormShow();
  ASSERT_EQ(view.Memo1.lines.size(), 10u);
  EXPECT_EQ(view.Memo1.lines[4], "Current Round Results for M");
  EXPECT_EQ(view.Memo1.lines[7].substr(0, 9), "AAS, Lars");
  tp.dialogs.Expect<TfrmOptions>([&](TfrmOptions& o) {
    for (std::size_t i = 0; i < o.offered.size(); ++i)
      if (o.offered[i].text == "W") o.lbDivList.itemIndex = static_cast<int>(i);
    o.lbDivListClick();
    o.btnSaveClick();
  });
  view.btnOptionsClick();
  EXPECT_EQ(view.Memo1.lines[4], "Current Round Results for W");
  EXPECT_EQ(view.Memo1.lines.size(), 9u);
  view.btnCloseClick();
  EXPECT_TRUE(view.closeRequested());
}

TEST_F(ResultsDialogs, ViewListsByPlaceInTheCurrentEventOnRequest) {
  t.CurEvent = 'J';  // jump places 1, 3, 2 in list order
  TfrmRsltView view(t, tp);
  view.FormShow();
  FormLayout form;
  view.Describe(form);
  auto names = [&view] {
    std::vector<std::string> first;
    for (std::size_t i = 7; i < view.Memo1.lines.size(); ++i)
      first.push_back(view.Memo1.lines[i].substr(0, 4));
    return first;
  };
  EXPECT_EQ(names(), (std::vector<std::string>{"AAS,", "BERG", "DAHL"}));
  view.cbByPlace.checked = true;
  form.FindName("cbByPlace")->onClick();
  EXPECT_EQ(names(), (std::vector<std::string>{"AAS,", "DAHL", "BERG"}));
  EXPECT_EQ(view.Memo1.lines.size(), 10u);
}

TEST_F(ResultsDialogs, MenuCommandsOpenTheResultsDialogs) {
  TForm1 form(t, tp);
  WireProgramDialogs(form, t, tp);
  for (const auto& menu : form.Menus())
    for (const auto& c : menu.items) {
      if (c.name == "ViewResults1" || c.name == "PrintResults1") {
        EXPECT_TRUE(c.enabled) << c.name;
      }
    }
  tp.dialogs.Expect<TfrmRsltView>().Expect<TfrmRsltPrint>();
  form.ViewResults1Click();
  form.PrintResults1Click();
  EXPECT_TRUE(tp.dialogs.script.empty());
}

TEST_F(ResultsDialogs, SkierSheetsPrintOnlyForTheSkierConfirmedNow) {
  TfrmRsltPrint dialog(t, tp);
  dialog.FormShow();
  EXPECT_TRUE(dialog.rgOther.ItemEnabled(1));
  dialog.rgOther.itemIndex = 1;  // "Skier Rating Sheet"
  tp.dialogs.Expect<TfrmSkierSelect>([](TfrmSkierSelect& s) {
    s.lbxSkiers.itemIndex = 1;  // Per BERG
    s.btnConfirmClick();
  });
  dialog.btnOtherClick();
  ASSERT_EQ(tp.printer.documents.size(), 1u);
  EXPECT_EQ(tp.printer.documents[0].title, "Skier Rating Sheet");
  const auto lines = tp.printer.AllLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), " NAME:       Per BERG"), lines.end());
  // Closed without confirming: no sheet, although BERG is still in the working entry.
  tp.dialogs.Expect<TfrmSkierSelect>();
  dialog.btnOtherClick();
  EXPECT_EQ(tp.printer.documents.size(), 1u);
  // The awards summary and the injury summary need no skier.
  for (int item : {0, 6}) {
    dialog.rgOther.itemIndex = item;
    dialog.btnOtherClick();
  }
  EXPECT_EQ(tp.printer.documents.size(), 3u);

  // The same name entered in a second division: the sheet is of the one picked.
  AddSkier(t, tp, "BERG", "Per", *FindDivision("MU21"), "S");
  dialog.rgOther.itemIndex = 1;
  tp.dialogs.Expect<TfrmSkierSelect>([](TfrmSkierSelect& s) {
    s.lbxSkiers.itemIndex = 2;
    ASSERT_EQ(s.lbxSkiers.items[2], "Per BERG MU21");
    s.btnConfirmClick();
  });
  dialog.btnOtherClick();
  const auto again = tp.printer.AllLines();
  EXPECT_NE(std::find(again.begin(), again.end(), " DIVISION:   MU21"), again.end());
}
