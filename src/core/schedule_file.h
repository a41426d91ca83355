#pragma once
// The schedule file (".sch"): exactly four 1000-byte records, the day tables of days 1 to 4.
#include <cstddef>
#include <string>
#include <string_view>

#include "core/schedule.h"

inline constexpr std::size_t kScheduleFileSize = 4 * sizeof(DayTable);

std::string ScheduleFileBytes(const Schedule& s);

// Reads the four day tables into `s` and answers true, or answers false with `why` and leaves `s`
// as it was. Rows that name no division or hold over-long texts become empty rows.
bool ParseScheduleFile(std::string_view bytes, Schedule& s, std::string& why);
