#pragma once
// "Print Day": the estimated schedule of one day, one line per row that names a division.
#include <string>
#include <vector>

#include "core/schedule.h"
#include "core/tournament.h"
#include "platform/platform.h"

std::vector<std::string> ScheduleDayLines(int day, const DayTable& table);
// Prints the lines in "Courier New" 12, portrait; nothing when the user cancels.
void PrintScheduleDay(Tournament& t, Platform& p, int day, const DayTable& table);
