#pragma once
// "Slalom Event Officials", "Trick Event Officials" and "Jump Event Officials": the officials of the
// current division and round for one event, each field one name slot of the officials record.
#include <array>
#include <vector>

#include "core/officials.h"
#include "core/tournament.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

inline constexpr const char* kOfficialsHeading = "ENTER OFFICIALS FOR CURRENT DIVISION/ROUND";

// What the three dialogs share; a dialog names its event (1 slalom, 2 trick, 3 jump) and which slot
// each of its fields fills.
class TfrmEventOfc : public DialogModel {
 public:
  struct Field {
    const char* caption;
    Edit* edit;
    int slot;
  };

  void Describe(FormLayout& form) override;
  // Reads the current division's officials (creating the file when there is none) and fills the
  // fields for the current round.
  void FormShow() override;

  void btnSaveClick();
  void btnCopyClick();
  void GetCopy();
  void btnHelpClick();

  Label lblHeading{kOfficialsHeading};
  Label lblWhere;  // the division and round being entered
  Button btnSave{"OK"}, btnCopy{"Copy"}, btnHelp{"Help"};

  // The record of the division last read.
  OfficialsRecord buffer;

 protected:
  TfrmEventOfc(std::string caption, Tournament& t, Platform& p, int event);
  void SetFields(std::vector<Field> fields) { fields_ = std::move(fields); }
  int Round() const;

 private:
  Tournament& t_;
  Platform& p_;
  int event_;
  std::vector<Field> fields_;
};

class TfrmSlalomOfc : public TfrmEventOfc {
 public:
  TfrmSlalomOfc(Tournament& t, Platform& p);
  Edit edT1a{20}, edT1b{20}, edT2a{20}, edT2b{20}, edBJ{20}, edBD{20};
};

class TfrmTrickOfc : public TfrmEventOfc {
 public:
  TfrmTrickOfc(Tournament& t, Platform& p);
  Edit edJ1{20}, edJ2{20}, edJ3{20}, edJ4{20}, edJ5{20}, edBJ{20}, edBD{20}, edTimer{20};
};

class TfrmJumpOfc : public TfrmEventOfc {
 public:
  TfrmJumpOfc(Tournament& t, Platform& p);
  Edit edJ1{20}, edJ2{20}, edBJ{20}, edMB1{20}, edMB2{20}, edBD{20}, edTimer{20};
};

// Shows the officials dialog of an event ('S', 'T' or 'J'); nothing for another letter.
void ShowOfficialsDialog(Tournament& t, Platform& p, char event);
