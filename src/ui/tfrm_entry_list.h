#pragma once
// "Tallivar Entry List": one fixed-pitch line per skier, and the door to adding, changing and
// deleting entries.
#include "core/tournament.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"
#include "ui/tfrm_entry.h"

inline constexpr int kHelpEntryList = 20;

class TfrmEntryList : public DialogModel {
 public:
  TfrmEntryList(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;
  void FormShow() override;

  void RebuildLines();
  void btnAddClick();
  void btnEditClick();
  void btnDeleteClick();
  void btnHelpClick();

  Label lblNames{"SKIER NAME:"};
  Label lblColumns{"DIV             ID                EVENTS - PAID -   TEAM - FED - BIB"};
  ListBox lbxNames;
  Button btnAdd{"Add Entry"}, btnEdit{"Edit Entry"}, btnDelete{"Delete Entry"}, btnHelp{"Help"};

  // The entry form that Add and Edit open; its seed and declared pass hooks are set by the owner.
  TfrmEntry entryForm;

 private:
  Tournament& t_;
  Platform& p_;
};
