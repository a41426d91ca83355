#pragma once
// The setup display: a read-only listing of the options in force.
#include <string>
#include <vector>

#include "core/tournament.h"
#include "ui/dialog_model.h"

// The listing's lines for the current state.
std::vector<std::string> SetupInfoLines(const Tournament& t);

class TfrmSetupInfo : public DialogModel {
 public:
  explicit TfrmSetupInfo(const Tournament& t);

  Label lblInfo{"The following options are currently in effect in Tallivar:"};
  Memo Memo1;

  void Describe(FormLayout& form) override;
  void FormShow() override;

 private:
  const Tournament& t_;
};
