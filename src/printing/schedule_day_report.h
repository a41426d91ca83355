#pragma once
// "Print Day": the estimated schedule of one day, one line per row that names a division.
#include "core/schedule.h"
#include "printing/report_catalogue.h"

ReportDocument ScheduleDayReport(int day, const DayTable& table);
// The catalogue's "schedule-day": the stored table of the day given by the option "day" (1..4,
// day 1 without it), as it was laid out when last stored.
ReportDocument ScheduleDay(ReportContext& c);
