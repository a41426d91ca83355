#pragma once
// "Tallivar Event Schedule": one day of the schedule at a time. The user types divisions and events
// into the grid and the program lays the rows end to end from the day's start time. Edits work on a
// copy of the day; "OK" stores it.
#include <string>

#include "core/schedule.h"
#include "core/tournament.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

inline constexpr int kSchedGridRows = 49;  // the grid shows rows 1..49 under its heading
inline constexpr int kSchedDivCol = 1;
inline constexpr int kSchedEventCol = 2;

class TfrmSched : public DialogModel {
 public:
  TfrmSched(Tournament& t, Platform& p);

  void Describe(FormLayout& form) override;
  void FormShow() override { FillList(); }
  bool FormCloseQuery() override;

  void FillList();
  void gridClick();
  void FormKeyPress(int key);
  void edStartChange();
  void edSTChange();
  void edTTChange();
  void edJTChange();
  // The day field changed: the key typed into it decides.
  void edDayChange();
  void edDayKeyPress(char key);
  void SaveTheDay();
  void btnInsertClick();
  void btnDeleteClick();
  void btnPrintClick();
  void btnHelpClick();

  Edit edDay{2}, edStart{5, "##:##"}, edST{2}, edTT{2}, edJT{2};
  StringGrid grid;
  Button btnSave{"OK"}, btnInsert{"Insert"}, btnDelete{"Delete"}, btnPrint{"Print Day"}, btnHelp{"Help"};

  int day() const { return day_; }
  const std::string& start() const { return start_; }
  const DayTable& working() const { return working_; }
  const std::string& buffer() const { return buffer_; }

 private:
  void LoadDay(int day);
  void Recompute();
  void ShowGrid();
  void Modified();
  // Inserts or deletes the current row, as the two buttons do.
  void ChangeRows(void (*change)(DayTable&, int));
  bool DayDiffersFromStored() const;
  int CurrentRow() const;
  // The minutes field of trick or jump: a whole number starting with 1..9 is taken.
  void TakeMinutes(Edit& edit, int& minutes);

  Tournament& t_;
  Platform& p_;
  DayTable working_{};
  int day_ = 1;
  std::string start_;
  std::string buffer_;
};
