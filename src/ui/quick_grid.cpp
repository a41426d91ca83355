#include "ui/quick_grid.h"

#include <algorithm>

#include "core/skier_ops.h"
#include "core/text.h"
#include "results/recompute.h"
#include "ui/tfrm_options.h"
#include "ui/tfrm_result_list.h"

namespace {
constexpr int kHelpTopic = 401;

// The fields of a round that a grid can change.
bool SameRoundFields(const TSkier& a, const TSkier& b, int r) {
  return a.SlalomBuoys[r] == b.SlalomBuoys[r] && a.SlalomSpeed[r] == b.SlalomSpeed[r] &&
         a.SlalomRope[r] == b.SlalomRope[r] && a.SlalomScore[r] == b.SlalomScore[r] &&
         a.TrickPass1[r] == b.TrickPass1[r] && a.TrickPass2[r] == b.TrickPass2[r] &&
         a.TrickScore[r] == b.TrickScore[r] && a.JumpDistance[1][r] == b.JumpDistance[1][r] &&
         a.JumpDistance[2][r] == b.JumpDistance[2][r] && a.JumpDistance[3][r] == b.JumpDistance[3][r] &&
         a.JumpRamp[r] == b.JumpRamp[r] && a.JumpSpeed[r] == b.JumpSpeed[r];
}
}  // namespace

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
  for (int c = 0; c < grid.colCount; ++c)
    grid.Cell(c, row) = c == 0 ? s.Surname.str() : c == 1 ? s.FirstName.str() : CellText(s, c);
}

void QuickGrid::FillRows() {
  for (int c = 0; c < grid.colCount; ++c) grid.Cell(c, 0) = titles_[static_cast<std::size_t>(c)];
  rowSkiers_.clear();
  for (int r = 1; r <= kQuickGridRows; ++r) {
    if (r <= listed()) {
      const TSkier& s = work_.skiers[static_cast<std::size_t>(r - 1)];
      ShowRecord(r, s);
      rowSkiers_.push_back(IdentityOf(s));
    } else {
      for (int c = 0; c < grid.colCount; ++c) grid.Cell(c, r).clear();
    }
  }
}

std::optional<SkierIdentity> QuickGrid::RowSkier(int row) const {
  if (row < 1 || row > static_cast<int>(rowSkiers_.size())) return std::nullopt;
  return rowSkiers_[static_cast<std::size_t>(row - 1)];
}

int QuickGrid::WorkIndexOfRow(int row) const {
  const std::optional<SkierIdentity> who = RowSkier(row);
  return who ? IndexOf(work_, *who) : 0;
}

int QuickGrid::RowOf(const SkierIdentity& who) const {
  for (std::size_t i = 0; i < rowSkiers_.size(); ++i)
    if (rowSkiers_[i] == who) return static_cast<int>(i) + 1;
  return 0;
}

void QuickGrid::FillList() {
  event_ = t_.CurEvent;
  // Every grid shows the skiers entered in its own event.
  Outcome told;
  work_ = DrawnStartOrder(t_, p_.random, t_.Selected(), told);
  p_.Shown(told);
  FillRows();
  if (listed() >= 1) t_.Working = work_.skiers.front();
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
  if (int k = WorkIndexOfRow(grid.row)) t_.Working = work_.skiers[static_cast<std::size_t>(k - 1)];
}

void QuickGrid::GridSelect() { EnterCell(); }

void QuickGrid::KeyEntry(int key) {
  if (grid.row != cellRow_ || grid.col != cellCol_) EnterCell();
  const int row = grid.row, col = grid.col;
  const int k = WorkIndexOfRow(row);
  if (k == 0) return;
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
  // A key that changes no value (Backspace on an empty cell, the same speed again) leaves the
  // event saved.
  TSkier& listedSkier = work_.skiers[static_cast<std::size_t>(k - 1)];
  if (SameRoundFields(t_.Working, listedSkier, round())) return;
  listedSkier = t_.Working;
  t_.KeepGridEdit({t_.CurDivision, event_, round()}, t_.Working);
  gridChanged_ = true;
}

void QuickGrid::Recompute(bool writeBack) {
  // The grid's own event, whatever the current activity has become meanwhile; the current one
  // comes back even when the audit log cannot be written. The list is filled again with the
  // skiers entered in the event, in the new running order.
  struct RestoreEvent {
    Tournament& t;
    char event;
    ~RestoreEvent() { t.CurEvent = event; }
  } restore{t_, t_.CurEvent};
  t_.CurEvent = event_;
  if (writeBack)
    RecomputeAfterScore(t_, p_, work_);
  else
    RecomputeStandings(t_, p_);
  work_ = StartOrder(t_, t_.Selected());
}

void QuickGrid::btnSaveClick() {
  // The new running order may move skiers to other rows (a jumper on a higher ramp skis in a later
  // group), so the cursor goes with the skier it was on rather than staying on its row number.
  const std::optional<SkierIdentity> current = RowSkier(grid.row);
  gridChanged_ = false;
  Recompute(true);
  t_.gridEdits = {};
  FillRows();
  if (current) {
    if (int row = RowOf(*current)) grid.row = row;
  }
  // The edit record follows the refilled row, and the next key starts a new value.
  EnterCell();
  grid.focus = true;
}

bool QuickGrid::FormCloseQuery() {
  if (gridChanged_) {
    Answer a = p_.prompt.Ask("You have unsaved data! Save Now?", "Warning!", Buttons::YesNoCancel);
    // Cancel keeps the grid open with its edits, rather than closing and dropping them.
    if (a == Answer::Cancel) return false;
    // Grid edits that are not written back are dropped with the list filled again.
    Recompute(a == Answer::Yes);
  } else {
    Recompute(false);
  }
  t_.gridEdits = {};
  gridChanged_ = false;
  return true;
}

void QuickGrid::btnDetailClick() {
  // The grid is closed (with its question) before the result list fills its own list, so edits
  // answered Yes are written back first.
  if (!FormCloseQuery()) return;
  Close();
  TfrmResultList list(t_, p_);
  p_.dialogs.ShowModal(list);
}

void QuickGrid::btnOptionsClick() {
  // Choosing a division or event fills the list again, and with it would go the values typed since
  // the last OK; the scorer decides about them first.
  if (gridChanged_ && !FormCloseQuery()) return;
  TfrmOptions options(t_, p_);
  p_.dialogs.ShowModal(options);
  if (t_.CurEvent != event_) {
    if (FormCloseQuery()) Close();
    return;
  }
  FillList();
  grid.focus = true;
}

void QuickGrid::btnHelpClick() { p_.help.ShowTopic(kHelpTopic); }
