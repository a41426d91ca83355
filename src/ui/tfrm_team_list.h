#pragma once
// "Team Names": the team codes the skiers carry, each beside its display name, and "Team Name
// Entry" that edits one name.
#include "core/tournament.h"
#include "help/help_topics.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

inline constexpr const char* kNoTeamIds = "No Team IDs found, check skier entries";

class TfrmTeamName : public DialogModel {
 public:
  // Edits the name of the team in `slot` (1..50) of the team table.
  TfrmTeamName(Tournament& t, Platform& p, int slot);

  void Describe(FormLayout& form) override;
  void FormShow() override;
  void btnSaveClick();
  void btnHelpClick();

  Edit edCode{3};  // shown only: the name belongs to this code
  Edit edName{20};
  Button btnSave{"OK"}, btnHelp{"Help"};

 private:
  Tournament& t_;
  Platform& p_;
  int slot_;
};

class TfrmTeamList : public DialogModel {
 public:
  TfrmTeamList(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;
  void FormShow() override;

  // Collects the codes again and fills both lists from the team table.
  void Rebuild();
  // A click in one list selects the same line in the other.
  void lbxTeamCodeClick();
  void lbxTeamNameClick();
  void btnEditClick();
  void btnHelpClick();

  ListBox lbxTeamCode, lbxTeamName;
  Button btnEdit{"Edit"}, btnHelp{"Help"};

 private:
  Tournament& t_;
  Platform& p_;
};
