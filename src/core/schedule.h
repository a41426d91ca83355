#pragma once
// The four day tables of the event schedule and the schedule settings. A row is 20 bytes, in the
// schedule file as in memory.
#include <cstdint>
#include <type_traits>

#include "core/per_round.h"
#include "core/short_string.h"

struct ScheduleRow {
  std::uint8_t division = 86;  // 86 = empty row
  ShortString<1> event;        // "S", "T", "J" or empty
  std::uint8_t reserved = 0;
  std::int32_t entries = 0;
  ShortString<5> start;
  ShortString<5> end;
};
static_assert(sizeof(ScheduleRow) == 20);
static_assert(offsetof(ScheduleRow, entries) == 4);
static_assert(offsetof(ScheduleRow, start) == 8);
static_assert(offsetof(ScheduleRow, end) == 14);
static_assert(std::is_trivially_copyable_v<ScheduleRow>);

struct DayTable {
  PerRound<ScheduleRow, 50> rows;  // rows[1..50]
};
static_assert(sizeof(DayTable) == 1000);

struct Schedule {
  PerRound<DayTable, 4> days;  // days[1..4]
  PerRound<ShortString<5>, 4> startTimes;
  int slalomMinutes = 5, trickMinutes = 4, jumpMinutes = 7;
  Schedule() {
    for (int d = 1; d <= 4; ++d) startTimes[d] = "08:00";
  }
};
