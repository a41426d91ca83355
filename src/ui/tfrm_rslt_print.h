#pragma once
// "Results Printing Options": the eight result reports of the current selection, and the other
// reports (awards, injuries, officials, skier sheets) as far as the program has them.
#include <functional>
#include <optional>
#include <string>

#include "core/tournament.h"
#include "platform/platform.h"
#include "printing/report_catalogue.h"
#include "ui/dialog_model.h"

class TfrmRsltPrint : public DialogModel {
 public:
  TfrmRsltPrint(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;
  // Enables the other reports that exist and preselects the first report of each group.
  void FormShow() override;

  void btnPrintClick();
  void btnOtherClick();
  void btnCurrOptClick();
  void btnHelpClick();

  RadioGroup rgPrint{
      {"Results for Current Division/Event/Round", "Results for the Current Division/Event/all Rounds",
       "Results for the Current Division/all Event and Rnds", "Results for Current Round/Event/all Divisions",
       "All Results for the Current Round", "Multi-Round Totals for all Skiers", "Complete Official Results",
       "Event Summary Information"},
      -1,
      true};
  Button btnPrint{" Print Results"};
  RadioGroup rgOther{{"Placement Summary", "Skier Rating Sheet", "Record Application Info",
                      "Event Officials - Current Division", "Event Officials Summary",
                      "Event Officials - Detailed", "Accident Report Summary"},
                     -1,
                     true};
  Button btnOther{"Print Report"};
  Button btnCurrOpt{"Change Div/Event/Rnd"};
  Button btnHelp{"Help"};

  // Picks the skier a skier sheet is printed for; by default the skier selection dialog. Nothing
  // when the user picked none. The skier sheets stay disabled while it is unset.
  std::function<std::optional<TSkier>()> pickSkier;

  // The report each item prints, by its catalogue name.
  static const char* PrintReportName(int item);
  static const char* OtherReportName(int item);
  static bool OtherNeedsSkier(int item);

 private:
  Tournament& t_;
  Platform& p_;
};
