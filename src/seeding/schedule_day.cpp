#include "seeding/schedule_day.h"

#include <cctype>

#include "core/divisions.h"
#include "core/skier_ops.h"
#include "core/text.h"

namespace {

std::optional<int> WholeNumber(std::string_view text) {
  std::string s = Trim(text);
  if (s.empty() || s.size() > 4) return std::nullopt;
  int n = 0;
  for (char c : s) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::size_t Index(int row) { return static_cast<std::size_t>(row); }

}  // namespace

std::string ClockText(int minutes) {
  const int hours = minutes / 60, rest = minutes % 60;
  return RightAlign(std::to_string(hours), 2) + ":" + (rest < 10 ? "0" : "") + std::to_string(rest);
}

std::optional<int> ReadClock(std::string_view start) {
  // "hh:mm" as the field is meant to be filled; a one-digit hour ("8:00") reads the same way.
  const auto colon = start.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  auto hours = WholeNumber(start.substr(0, colon));
  auto minutes = WholeNumber(start.substr(colon + 1));
  if (!hours || !minutes) return std::nullopt;
  return *hours * 60 + *minutes;
}

int CountEntrants(const Tournament& t, int division, std::string_view event) {
  if (division == kNoDivision || event.size() != 1) return 0;
  return CountEntered(t, division, event[0]);
}

int MinutesPerSkier(const Schedule& s, std::string_view event) {
  if (event == "S") return s.slalomMinutes;
  if (event == "T") return s.trickMinutes;
  if (event == "J") return s.jumpMinutes;
  return 0;
}

void RecomputeDay(const Tournament& t, std::string_view start, DayTable& day) {
  const std::optional<int> begin = ReadClock(start);
  int clock = begin.value_or(0);
  for (int r = 1; r <= kScheduleRows; ++r) {
    ScheduleRow& row = day.rows[Index(r)];
    row.entries = CountEntrants(t, row.division, row.event.view());
    const int duration = row.entries * MinutesPerSkier(t.schedule, row.event.view());
    if (duration < 1 || !begin) {
      row.start = kNoClock;
      row.end = kNoClock;
      continue;
    }
    // The changeover comes before every row but the first, even when the rows above took no time.
    if (r != 1) clock += kChangeoverMinutes;
    row.start = ClockText(clock);
    clock += duration;
    row.end = ClockText(clock);
  }
}

void InsertScheduleRow(DayTable& day, int row) {
  if (row < 1 || row > kScheduleRows) return;
  for (int r = kScheduleRows; r > row; --r) day.rows[Index(r)] = day.rows[Index(r - 1)];
  day.rows[Index(row)] = ScheduleRow{};
}

void DeleteScheduleRow(DayTable& day, int row) {
  if (row < 1 || row > kScheduleRows) return;
  for (int r = row; r < kScheduleRows; ++r) day.rows[Index(r)] = day.rows[Index(r + 1)];
  day.rows[Index(kScheduleRows)] = ScheduleRow{};
}
