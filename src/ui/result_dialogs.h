#pragma once
// The result dialogs of the three events, on the edit record (the working record), and what they
// share: the skier above the result, the runoff place, class and boat below it, OK and Help.
#include <string>
#include <string_view>

#include "core/short_string.h"
#include "core/tournament.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

class ResultDialog : public DialogModel {
 public:
  // Fills the controls from the edit record; called before the dialog is shown.
  virtual void Prepare() = 0;
  virtual void btnSaveClick() = 0;
  void btnHelpClick();
  // Whether OK stored the result and wrote its audit line.
  bool auditWritten() const { return auditWritten_; }

  Edit edName;
  Label lblDivision;  // the skier's division, beside the name
  Edit edTie;         // the place after a runoff
  ListBox ClassListBox, BoatListBox;
  Button btnSave{"OK"};
  Button btnHelp{"Help"};

 protected:
  ResultDialog(std::string caption, Tournament& t, Platform& p);

  TSkier& Record() { return t_.Working; }
  // The round scored, 1 to 4.
  int Round() const;
  void DescribeSkier(FormLayout& form, const std::string& nameCaption);
  // The runoff place, class and boat, closing the result group; then OK and Help.
  void DescribeRest(FormLayout& form, const std::string& tieCaption, const std::string& boatCaption);
  // Name, division, class and boat of the edit record.
  void ShowSkier(std::string_view eventClass, std::string_view boat);
  // The runoff place typed, 0 when the field is empty. Throws ConversionError.
  int TypedRunoffPlace() const;
  // Tells a possible national record (event 1 slalom, 2 trick, 3 jump): under the national rules, in
  // a class 2 to 4 event, below the adapted divisions.
  void TellPossibleRecord(int event, double score);
  // Stores the class and boat chosen and counts the typed result; with an audit line, writes it.
  // Then the dialog closes.
  void StoreAndClose(ShortString<1>& eventClass, ShortString<2>& boat, const std::string& auditLine = "");

  Tournament& t_;
  Platform& p_;

 private:
  bool auditWritten_ = false;
};

// Whether the event ("S", "T", "J") has a result dialog.
bool HasResultDialog(char event);
// Shows the event's result dialog modally on t.Working. Answers whether the dialog wrote the audit
// line of what it stored itself.
bool ShowResultDialog(Tournament& t, Platform& p, char event);
