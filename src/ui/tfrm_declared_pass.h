#pragma once
// "Declared Trick Pass": the tricks a skier declares for both passes before the round, valued as
// the pass dialog would value them and kept in the same record of the trick pass file.
#include <string_view>

#include "core/tournament.h"
#include "platform/platform.h"
#include "ui/controls.h"
#include "ui/dialog_model.h"
#include "ui/trick_pass_editor.h"

inline constexpr int kDeclaredRowsShown = 29;

class TfrmDeclaredPass : public DialogModel {
 public:
  TfrmDeclaredPass(Tournament& t, Platform& p);

  // Set by the caller before showing; the key defaults to the working record's skier.
  void SetPass(int pass) { editor.pass = pass; }
  void SetSkierKey(std::string_view key) { editor.skierKey = key; }

  StringGrid TGrid1;
  Memo memCodes;
  Edit edPassNo;
  Label lblSkier;  // whose passes these are
  Button btnSave;
  Button btnIns;
  Button btnDel;
  Button btnPass;
  Button btnPrint;
  Button btnClose;
  Button btnHelp;

  void Describe(FormLayout& form) override;
  void FormShow() override;
  void TGrid1Click();
  void TGrid1KeyPress(int key);
  void btnSaveClick();
  void btnInsClick();
  void btnDelClick();
  void btnPassClick();
  void btnPrintClick();
  void btnCloseClick();
  void btnHelpClick();

  TrickPassEditor editor;

 private:
  void ShowPass();
  void Refill();
  bool OnTrickRow() const { return TGrid1.row >= 1 && TGrid1.row <= kDeclaredRowsShown; }

  Platform& p_;
};
