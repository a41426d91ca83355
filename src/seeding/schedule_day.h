#pragma once
// One day of the event schedule laid end to end: each row's entrants are counted, the rows that
// take time run one after the other from the day's start time with a changeover between them.
#include <optional>
#include <string>
#include <string_view>

#include "core/schedule.h"
#include "core/tournament.h"

inline constexpr int kScheduleRows = 50;
inline constexpr int kChangeoverMinutes = 5;
// What a row shows for a time it does not have.
inline constexpr const char* kNoClock = "     ";

// A clock reading in minutes after midnight as the schedule shows it: hours right-aligned in two
// characters (" 8:05"), never wrapped at 24 ("25:10").
std::string ClockText(int minutes);
// The minutes after midnight of a start time "hh:mm"; nothing when either part is no whole number.
std::optional<int> ReadClock(std::string_view start);
// The skiers of the division entered in the event ("S", "T", "J"); none for an empty row.
int CountEntrants(const Tournament& t, int division, std::string_view event);
// The minutes one skier needs in the event; 0 for no event.
int MinutesPerSkier(const Schedule& s, std::string_view event);
// Counts every row's entrants and gives each row that takes time its start and end, beginning at
// `start`. An unreadable start leaves every row without times.
void RecomputeDay(const Tournament& t, std::string_view start, DayTable& day);

// Rows from `row` to 49 move down one (row 50's content is lost) and `row` becomes empty.
void InsertScheduleRow(DayTable& day, int row);
// Rows below `row` move up one and row 50 becomes empty.
void DeleteScheduleRow(DayTable& day, int row);
