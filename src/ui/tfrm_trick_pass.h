#pragma once
// "Trick Pass Scoring": one pass of one skier scored trick by trick from the trick table, kept in
// the event's trick pass file, the pass total stored in the edit record.
#include <string_view>

#include "core/tournament.h"
#include "platform/platform.h"
#include "ui/controls.h"
#include "ui/dialog_model.h"
#include "ui/trick_pass_editor.h"

// Grid columns.
inline constexpr int kTrickColSkis = 1;
inline constexpr int kTrickColCode = 2;
inline constexpr int kTrickColCredit = 3;
inline constexpr int kTrickColPoints = 4;
inline constexpr int kTrickColTotal = 5;

// Fills the grid from the rows: row numbers, titles, the running total; "Y" for an empty row.
void FillTrickGrid(StringGrid& grid, const TrickRows& rows, int shownRows);

class TfrmTrickPass : public DialogModel {
 public:
  TfrmTrickPass(Tournament& t, Platform& p);

  // Set by the caller before showing.
  void SetPass(int pass) { editor.pass = pass; }
  void SetSkierKey(std::string_view key) { editor.skierKey = key; }
  int CurrentPass() const { return editor.pass; }
  int PassTotal() const;

  StringGrid TGrid1;
  Memo memCodes;
  Edit edPassNo;
  Label lblSkier;  // whose passes these are
  Button btnSave;
  Button btnSavScor;
  Button btnIns;
  Button btnDel;
  Button btnPass;
  Button btnPrint;
  Button btnHelp;

  void Describe(FormLayout& form) override;
  void FormShow() override;
  void TGrid1Click();
  void TGrid1KeyPress(int key);
  void btnSaveClick();
  void btnSavScorClick();
  void btnInsClick();
  void btnDelClick();
  void btnPassClick();
  void btnPrintClick();
  void btnHelpClick();

  TrickPassEditor editor;

 private:
  void ShowPass();
  void Refill();
  bool OnTrickRow() const { return TGrid1.row >= 1 && TGrid1.row <= kTrickRowCount; }

  Tournament& t_;
  Platform& p_;
};
