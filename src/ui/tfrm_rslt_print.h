#pragma once
// "Results Printing Options": the eight result reports of the current selection, and the other
// reports (awards, injuries, officials, skier sheets), as the report catalogue lists them.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/tournament.h"
#include "printing/report_catalogue.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

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

  // The two lists are the catalogue's reports of each list, by their captions.
  RadioGroup rgPrint{Captions(ReportMenu::Results), -1, true};
  Button btnPrint{" Print Results"};
  RadioGroup rgOther{Captions(ReportMenu::Other), -1, true};
  Button btnOther{"Print Report"};
  Button btnCurrOpt{"Change Div/Event/Rnd"};
  Button btnHelp{"Help"};

  // Picks the skier a skier sheet is printed for; by default the skier selection dialog. Nothing
  // when the user picked none. The skier sheets stay disabled while it is unset.
  std::function<std::optional<TSkier>()> pickSkier;

  static std::vector<std::string> Captions(ReportMenu menu);
  // The report each item prints, by its catalogue name.
  static const char* PrintReportName(int item);
  static const char* OtherReportName(int item);
  static bool OtherNeedsSkier(int item);

 private:
  Tournament& t_;
  Platform& p_;
};
