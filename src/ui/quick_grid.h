#pragma once
// The quick score entry grids: one skier of the current division per row, typed cell by cell.
// Each event's grid says which columns it has, which keys a column takes and what the typed text
// sets; the typing buffer, the writing back and the recomputation are shared here.
#include <optional>
#include <string>
#include <vector>

#include "core/skier_identity.h"
#include "core/tournament.h"
#include "core/work_list.h"
#include "ui/dialog_model.h"
#include "ui/platform.h"

inline constexpr int kQuickGridRows = 75;

class QuickGrid : public DialogModel {
 public:
  QuickGrid(std::string caption, Tournament& t, Platform& p, std::vector<std::string> titles,
            std::string saveCaption);

  StringGrid grid;
  Button btnSave, btnDetail{"Detailed Input"}, btnOptions{"Chose Ev/Div/Rnd"}, btnHelp{"Help"};

  void Describe(FormLayout& form) override;
  void FormShow() override { FillList(); }
  bool FormCloseQuery() override;

  void FillList();
  void GridSelect();
  void KeyEntry(int key);
  void btnSaveClick();
  void btnDetailClick();
  void btnOptionsClick();
  void btnHelpClick();

  const std::string& buffer() const { return buffer_; }
  bool gridChanged() const { return gridChanged_; }
  // The event whose grid this is ("S", "T", "J").
  char event() const { return event_; }
  // The grid's skiers in running order, as typed since the last Complete.
  const WorkList& list() const { return work_; }

 protected:
  // Whether a key is taken by a column; the name columns take none.
  virtual bool Accepts(int col, int key) const = 0;
  // Sets the edit record's field of the column from the buffer (empty buffers have their own value)
  // and runs the column's follow-up computation.
  virtual void SetFromBuffer(int col) = 0;
  // The text a score column shows for a record (the first two columns show the name).
  virtual std::string CellText(const TSkier& s, int col) const = 0;
  // Keys that do something other than typing (the jump speed column); answers true when handled.
  virtual bool SpecialKey(int, int) { return false; }

  void ShowRecord(int row, const TSkier& s);
  void SetBuffer(std::string b) { buffer_ = std::move(b); }
  int round() const { return t_.CurRound; }
  int listed() const { return static_cast<int>(work_.skiers.size()); }

  Tournament& t_;
  Platform& p_;

 private:
  void FillRows();
  void EnterCell();
  // The skier a row shows; none for a blank row.
  std::optional<SkierIdentity> RowSkier(int row) const;
  // The list index (1..) of the skier a row shows, 0 for a blank row or a skier the list no longer
  // holds.
  int WorkIndexOfRow(int row) const;
  // The row that shows the skier, 0 when none does.
  int RowOf(const SkierIdentity& who) const;
  void Recompute(bool writeBack);

  std::vector<std::string> titles_;
  WorkList work_;
  // The skier each row shows (row n at index n - 1): values typed in a row are stored on that
  // skier, wherever the running order has moved them in the list.
  std::vector<SkierIdentity> rowSkiers_;
  char event_;
  std::string buffer_;
  bool gridChanged_ = false;
  int cellRow_ = -1, cellCol_ = -1;
};

// A typed number, or nothing when the text does not convert ("2." reads as 2).
std::optional<double> BufferNumber(const std::string& buffer);
