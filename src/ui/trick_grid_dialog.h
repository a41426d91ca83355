#pragma once
// What the trick pass and declared pass dialogs share: the pass grid with its editing buttons, the
// list of trick codes, switching passes and printing the sheet.
#include <string>
#include <string_view>

#include "core/tournament.h"
#include "ui/controls.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"
#include "ui/trick_pass_editor.h"

// Grid columns.
inline constexpr int kTrickColSkis = 1;
inline constexpr int kTrickColCode = 2;
inline constexpr int kTrickColCredit = 3;
inline constexpr int kTrickColPoints = 4;
inline constexpr int kTrickColTotal = 5;

// Fills the grid from the rows: row numbers, titles, the running total; "Y" for an empty row.
void FillTrickGrid(StringGrid& grid, const TrickRows& rows, int shownRows);

class TrickGridDialog : public DialogModel {
 public:
  // Set by the caller before showing.
  void SetPass(int pass) { editor.pass = pass; }
  void SetSkierKey(std::string_view key) { editor.skierKey = key; }

  StringGrid TGrid1;
  Memo memCodes;
  Edit edPassNo;
  Label lblSkier;  // whose passes these are
  Button btnSave;
  Button btnIns{"Insert"};
  Button btnDel{"Delete"};
  Button btnPass{"Switch Pass"};
  Button btnPrint{"Print"};
  Button btnHelp{"Help"};

  void FormShow() override;
  void TGrid1Click();
  void TGrid1KeyPress(int key);
  void btnSaveClick();
  void btnInsClick();
  void btnDelClick();
  void btnPassClick();
  void btnPrintClick();
  void btnHelpClick();

  TrickPassEditor editor;

 protected:
  // A declared pass takes no credit keys (its credits come only from the rules) and a code is only
  // ever added to.
  TrickGridDialog(std::string caption, Tournament& t, Platform& p, bool declared, int shownRows,
                  int helpTopic);
  // The skier, the pass number field, the grid with its editing buttons, then the code list.
  void DescribeEditor(FormLayout& form, const char* passCaption);

  Platform& p_;

 private:
  void ShowPass();
  void Refill();
  bool OnTrickRow() const { return TGrid1.row >= 1 && TGrid1.row <= shownRows_; }

  bool declared_;
  int shownRows_;
  int helpTopic_;
};
