#include "ui/quick_grid.h"

#include <algorithm>

#include "core/skier_ops.h"
#include "core/text.h"
#include "results/overall.h"
#include "results/placement.h"
#include "ui/tfrm_options.h"
#include "ui/tfrm_result_list.h"

namespace {
constexpr int kHelpTopic = 401;
}

std::optional<double> BufferNumber(const std::string& buffer) {
  std::string b = buffer;
  if (!b.empty() && b.back() == '.') b.pop_back();
  if (b.empty()) return std::nullopt;
  double v = ToNumberOr(b, -1);
  if (v < 0) return std::nullopt;
  return v;
}

QuickGrid::QuickGrid(std::string caption, Tournament& t, Platform& p, std::vector<std::string> titles,
                     std::string saveCaption)
    : DialogModel(std::move(caption)), t_(t), p_(p), titles_(std::move(titles)), event_(t.CurEvent) {
  btnSave.caption = std::move(saveCaption);
  grid.Resize(static_cast<int>(titles_.size()), kQuickGridRows + 1);
  grid.fixedRows = 1;
  // Every title readable in full; the names get room for a whole surname.
  for (const auto& title : titles_) grid.colWidths.push_back(std::max(8, static_cast<int>(title.size()) + 2));
  grid.colWidths[0] = 16;
  grid.colWidths[1] = 16;
}

void QuickGrid::Describe(FormLayout& form) {
  const char* name = event_ == 'T' ? "StrGridTrick" : event_ == 'J' ? "StrGridJump" : "strGridSlalom";
  form.AddGrid(
          "", grid, [this](int key) { KeyEntry(key); }, [this] { GridSelect(); })
      .Name(name);
  form.AddButton(
          btnSave, [this] { btnSaveClick(); }, ButtonRole::Accept)
      .Name("btnSave");
  form.AddButton(
          btnDetail, [this] { btnDetailClick(); }, ButtonRole::Other)
      .Name("btnDetail");
  form.AddButton(
          btnOptions, [this] { btnOptionsClick(); }, ButtonRole::Other)
      .Name("btnOptions");
  form.AddButton(
          btnHelp, [this] { btnHelpClick(); }, ButtonRole::Help)
      .Name("btnHelp");
}

void QuickGrid::ShowRecord(int row, const TSkier& s) {
  for (int c = 0; c < grid.colCount; ++c) grid.Cell(c, row) = CellText(s, c);
}

void QuickGrid::FillRows() {
  for (int c = 0; c < grid.colCount; ++c) grid.Cell(c, 0) = titles_[static_cast<std::size_t>(c)];
  for (int r = 1; r <= kQuickGridRows; ++r) {
    if (r <= t_.WorkCount)
      ShowRecord(r, t_.WorkAt(r));
    else
      for (int c = 0; c < grid.colCount; ++c) grid.Cell(c, r).clear();
  }
}

void QuickGrid::FillList() {
  event_ = t_.CurEvent;
  PrepareWorkList();
  FillRows();
  if (t_.WorkCount >= 1) t_.Working = t_.WorkAt(1);
  grid.row = 1;
  grid.col = 2;
  cellRow_ = grid.row;
  cellCol_ = grid.col;
  buffer_.clear();
  gridChanged_ = false;
}

void QuickGrid::EnterCell() {
  cellRow_ = grid.row;
  cellCol_ = grid.col;
  buffer_.clear();
  if (grid.row >= 1 && grid.row <= t_.WorkCount) t_.Working = t_.WorkAt(grid.row);
}

void QuickGrid::GridSelect() { EnterCell(); }

void QuickGrid::KeyEntry(int key) {
  if (grid.row != cellRow_ || grid.col != cellCol_) EnterCell();
  const int row = grid.row, col = grid.col;
  if (row < 1 || row > t_.WorkCount || row > kQuickGridRows) return;
  const bool special = SpecialKey(col, key);
  if (!special) {
    if (key == keys::Backspace) {
      if (!buffer_.empty()) buffer_.pop_back();
    } else if (Accepts(col, key)) {
      buffer_.push_back(static_cast<char>(key));
    } else {
      return;
    }
    SetFromBuffer(col);
  }
  ShowRecord(row, t_.Working);
  if (!special) grid.Cell(col, row) = buffer_;
  t_.WorkAt(row) = t_.Working;
  t_.Unsaved = true;
  gridChanged_ = true;
}

void QuickGrid::Recompute() {
  // The grid's own event, whatever the current activity has become meanwhile.
  const char saved = t_.CurEvent;
  t_.CurEvent = event_;
  ComputeEventPoints(t_, event_);
  PlaceEvent(t_, p_);
  ComputeOverallScores(t_);
  PlaceOverall(t_, p_.prompt);
  t_.CurEvent = saved;
}

void QuickGrid::btnSaveClick() {
  for (int k = 1; k <= t_.WorkCount; ++k) WriteBack(t_, k);
  gridChanged_ = false;
  Recompute();
  FillRows();
}

bool QuickGrid::FormCloseQuery() {
  if (gridChanged_) {
    Answer a = p_.prompt.Ask("You have unsaved data! Save Now?", "Warning!", Buttons::YesNoCancel);
    // Cancel keeps the grid open with its edits, rather than closing and dropping them.
    if (a == Answer::Cancel) return false;
    if (a == Answer::Yes)
      for (int k = 1; k <= t_.WorkCount; ++k) WriteBack(t_, k);
  }
  // Unsaved grid edits that were not written back are dropped by the recomputation's new selection.
  Recompute();
  gridChanged_ = false;
  return true;
}

void QuickGrid::btnDetailClick() {
  // The grid is closed (with its question) before the result list rebuilds the work list, so
  // edits answered Yes are written back first.
  if (!FormCloseQuery()) return;
  Close();
  TfrmResultList list(t_, p_);
  p_.dialogs.ShowModal(list);
}

void QuickGrid::btnOptionsClick() {
  TfrmOptions options(t_, p_);
  p_.dialogs.ShowModal(options);
  if (t_.CurEvent != event_) {
    if (FormCloseQuery()) Close();
    return;
  }
  FillList();
}

void QuickGrid::btnHelpClick() { p_.help.ShowTopic(kHelpTopic); }
