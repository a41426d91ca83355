#pragma once
// "Skier Import": loads a comma-separated entry file into a grid and, on "OK", turns every row into
// a skier of the list.
#include <string>

#include "core/tournament.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

inline constexpr int kHelpImport = 22;

class TfrmImport : public DialogModel {
 public:
  TfrmImport(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;
  void FormShow() override;

  void btnGetFileClick();
  void btnImportClick();
  void btnHelpClick();
  // Reads a chosen file into the grid; rows beyond its last line keep what they held.
  void LoadFile(const std::string& path);

  StringGrid strGridImport;
  Label lblWarning{
      "All import data must conform to specific format or unexpected errors may occur!  See Help for "
      "details"};
  Button btnGetFile{"Get Import File"}, btnImport{"OK"}, btnHelp{"Help"};

 private:
  bool RowIsBlank(int row) const;

  Tournament& t_;
  Platform& p_;
};
