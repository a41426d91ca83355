#pragma once
// "Starting Lists": prints or previews the start list of the current division, of typed divisions
// or of every division; "Start List Preview" shows the preview.
#include <string>
#include <vector>

#include "core/tournament.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

inline constexpr const char* kDivListHint = "Enter divisions, ie. M,W,BU14,EM";

class TfrmPreviewStart : public DialogModel {
 public:
  TfrmPreviewStart() : DialogModel("Start List Preview") { memPrevStart.fixedPitch = true; }
  void Describe(FormLayout& form) override;

  Memo memPrevStart;
  Button btnClose{"Close"};
};

class TfrmStartList : public DialogModel {
 public:
  TfrmStartList(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;
  // The first choice is selected whenever the dialog is shown.
  void FormShow() override;

  void btnPrintClick();
  void btnPreviewClick();
  void btnDivChangeClick();
  void btnHelpClick();

  RadioGroup rgStartLst;
  Edit edDivList;
  Button btnPrint{"Print List"}, btnPreview{"Preview"}, btnDivChange{"Change Div/Ev"}, btnHelp{"Help"};

 private:
  // The typed divisions; the hint the field starts with names none.
  std::string TypedDivisions() const;

  Tournament& t_;
  Platform& p_;
};
