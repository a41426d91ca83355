#include "ui/tfrm_sched.h"

#include <cctype>

#include "core/divisions.h"
#include "help/help_topics.h"
#include "printing/schedule_day_report.h"
#include "seeding/schedule_day.h"
#include "ui/report_runs.h"

namespace {

constexpr std::size_t kDivisionBufferLength = 4;  // the longest division code

bool AllDigits(const std::string& s) {
  for (char c : s)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return !s.empty();
}

}  // namespace

TfrmSched::TfrmSched(Tournament& t, Platform& p) : DialogModel("Tallivar Event Schedule"), t_(t), p_(p) {
  grid.Resize(6, kSchedGridRows + 1);
  grid.fixedRows = 1;
  grid.fixedCols = 1;
  grid.colWidths = {4, 6, 7, 7, 12, 12};
  grid.row = 1;
  grid.col = kSchedDivCol;
}

void TfrmSched::Describe(FormLayout& form) {
  form.AddEdit("Event Day (1..4)", edDay, {}, [this] { edDayChange(); });
  form.AddEdit("Start Time for Day HH:MM", edStart, {}, [this] { edStartChange(); });
  form.AddLabel("Times per Skier :  (minutes, affects all)");
  form.AddEdit("Slalom", edST, {}, [this] { edSTChange(); });
  form.AddEdit("Trick", edTT, {}, [this] { edTTChange(); });
  form.AddEdit("Jump", edJT, {}, [this] { edJTChange(); });
  form.NewColumn();
  form.AddGrid(
      "Enter Divisions and/or Events:", grid, [this](int key) { FormKeyPress(key); },
      [this] { gridClick(); });
  form.AddButton(
      btnSave, [this] { SaveTheDay(); }, true);
  form.AddButton(btnInsert, [this] { btnInsertClick(); });
  form.AddButton(btnDelete, [this] { btnDeleteClick(); });
  form.AddButton(btnPrint, [this] { btnPrintClick(); });
  form.AddButton(btnHelp, [this] { btnHelpClick(); });
}

void TfrmSched::LoadDay(int day) {
  day_ = day;
  working_ = t_.schedule.days[static_cast<std::size_t>(day)];
  start_ = t_.schedule.startTimes[static_cast<std::size_t>(day)].str();
  edDay.text = std::to_string(day_);
  edStart.text = start_;
  buffer_.clear();
}

void TfrmSched::FillList() {
  LoadDay(1);
  edST.text = std::to_string(t_.schedule.slalomMinutes);
  edTT.text = std::to_string(t_.schedule.trickMinutes);
  edJT.text = std::to_string(t_.schedule.jumpMinutes);
  grid.row = 1;
  grid.col = kSchedDivCol;
  ShowGrid();
}

void TfrmSched::ShowGrid() {
  static const char* const kTitles[] = {"", "Div", "Event", "Entry", "Start Time", "End Time"};
  for (int c = 0; c < grid.colCount; ++c) grid.Cell(c, 0) = kTitles[c];
  for (int r = 1; r <= kSchedGridRows; ++r) {
    const ScheduleRow& row = working_.rows[static_cast<std::size_t>(r)];
    // An empty row shows nothing rather than the "XX" of no division.
    const bool empty = row.division == kNoDivision;
    grid.Cell(0, r) = std::to_string(r);
    grid.Cell(1, r) = empty ? "" : DivisionCode(row.division);
    grid.Cell(2, r) = row.event.str();
    grid.Cell(3, r) = empty ? "" : std::to_string(row.entries);
    grid.Cell(4, r) = row.start.str();
    grid.Cell(5, r) = row.end.str();
  }
  // While a code is being typed, its cell shows what was typed so far, matching a division or not.
  if (!buffer_.empty() && grid.col == kSchedDivCol && grid.row >= 1 && grid.row <= kSchedGridRows)
    grid.Cell(kSchedDivCol, grid.row) = buffer_;
}

void TfrmSched::Recompute() { RecomputeDay(t_, start_, working_); }

void TfrmSched::Modified() { t_.ScheduleChanged(); }

int TfrmSched::CurrentRow() const { return grid.row >= 1 && grid.row <= kScheduleRows ? grid.row : 1; }

void TfrmSched::gridClick() { buffer_.clear(); }

void TfrmSched::FormKeyPress(int key) {
  ScheduleRow& row = working_.rows[static_cast<std::size_t>(CurrentRow())];
  const bool alnum = key > 0 && key < 128 && std::isalnum(key);
  if (grid.col == kSchedDivCol) {
    bool changed = false;
    if (alnum && buffer_.size() < kDivisionBufferLength) {
      buffer_.push_back(static_cast<char>(std::toupper(key)));
      changed = true;
    } else if (key == keys::Backspace && !buffer_.empty()) {
      buffer_.pop_back();
      changed = true;
    }
    if (changed) {
      int division = row.division;
      if (buffer_.empty())
        division = kNoDivision;
      else
        DivisionNumber(buffer_, division);  // a code that names no division leaves the row as it was
      row.division = static_cast<std::uint8_t>(division);
    }
  } else if (grid.col == kSchedEventCol) {
    const int upper = key > 0 && key < 128 ? std::toupper(key) : 0;
    if (upper == 'S' || upper == 'T' || upper == 'J') row.event = std::string(1, static_cast<char>(upper));
  }
  Recompute();
  ShowGrid();
  Modified();
}

void TfrmSched::edStartChange() {
  start_ = edStart.text.substr(0, 5);
  Recompute();
  ShowGrid();
  Modified();
}

void TfrmSched::edSTChange() {
  const std::string& s = edST.text;
  if (s.size() == 1 && s[0] >= '1' && s[0] <= '9') {
    t_.schedule.slalomMinutes = s[0] - '0';
    Recompute();
    ShowGrid();
    Modified();
  } else {
    edST.text = std::to_string(t_.schedule.slalomMinutes);
  }
}

void TfrmSched::TakeMinutes(Edit& edit, int& minutes) {
  const std::string& s = edit.text;
  if (!AllDigits(s) || s[0] == '0') return;
  minutes = std::stoi(s);
  Recompute();
  ShowGrid();
  Modified();
}

void TfrmSched::edTTChange() { TakeMinutes(edTT, t_.schedule.trickMinutes); }
void TfrmSched::edJTChange() { TakeMinutes(edJT, t_.schedule.jumpMinutes); }

void TfrmSched::edDayChange() {
  // The field shows the current day; the key typed is the character that was added to it, or the
  // whole text when the typing replaced it.
  const std::string before = std::to_string(day_);
  const std::string& now = edDay.text;
  char key = 0;
  if (now.size() == 1) {
    key = now[0];
  } else if (now.size() == before.size() + 1) {
    std::size_t i = 0;
    while (i < before.size() && before[i] == now[i]) ++i;
    key = now[i];
  }
  edDay.text = before;
  if (key) edDayKeyPress(key);
}

void TfrmSched::edDayKeyPress(char key) {
  if (key < '1' || key > '4') return;
  // The day shown is replaced by the stored one; what was not stored with "OK" is dropped.
  LoadDay(key - '0');
  ShowGrid();
}

void TfrmSched::SaveTheDay() {
  t_.schedule.days[static_cast<std::size_t>(day_)] = working_;
  t_.schedule.startTimes[static_cast<std::size_t>(day_)] = start_;
}

void TfrmSched::btnInsertClick() { ChangeRows(InsertScheduleRow); }
void TfrmSched::btnDeleteClick() { ChangeRows(DeleteScheduleRow); }

void TfrmSched::ChangeRows(void (*change)(DayTable&, int)) {
  change(working_, CurrentRow());
  buffer_.clear();
  Recompute();
  ShowGrid();
  Modified();
  edDay.focus = true;
}

void TfrmSched::btnPrintClick() {
  // The day as shown, stored with "OK" or not.
  PrintBuilt(t_, p_, [&] { return ScheduleDayReport(day_, working_); });
  edDay.focus = true;
}

void TfrmSched::btnHelpClick() { p_.help.ShowTopic(kHelpSchedule); }

bool TfrmSched::DayDiffersFromStored() const {
  // The counts and times follow from these; a key that changed none of them changed nothing.
  const auto d = static_cast<std::size_t>(day_);
  if (start_ != t_.schedule.startTimes[d].view()) return true;
  for (std::size_t r = 1; r <= kScheduleRows; ++r) {
    const ScheduleRow &a = working_.rows[r], &b = t_.schedule.days[d].rows[r];
    if (a.division != b.division || a.event != b.event) return true;
  }
  return false;
}

bool TfrmSched::FormCloseQuery() {
  if (!DayDiffersFromStored()) return true;
  // Closing would drop the day's edits as silently as a change of day does; ask first.
  Answer a =
      p_.prompt.Ask("The changes to day " + std::to_string(day_) + " are not stored yet. Store them now?",
                    "Warning!", Buttons::YesNoCancel);
  if (a == Answer::Cancel) return false;
  if (a == Answer::Yes) SaveTheDay();
  return true;
}
