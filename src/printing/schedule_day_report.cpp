#include "printing/schedule_day_report.h"

#include "core/divisions.h"
#include "core/errors.h"
#include "core/text.h"

namespace {
// The grid shows rows 1..49; the printed day lists the same rows.
constexpr int kPrintedRows = 49;
}  // namespace

ReportDocument ScheduleDayReport(int day, const DayTable& table) {
  ReportDocument doc{"Event Schedule", Orientation::Portrait, 12, {}, {}, {}};
  PageWriter w(doc);
  w.SetRule(PageBreakRule::Never, 0);
  w.SetHeader([day](PageWriter& pw) {
    pw.HeaderLine("        ESTIMATED DAY EVENT SCHEDULE for DAY " + std::to_string(day));
    pw.HeaderLine(" Division   Event   Entry          Start       End");
    pw.HeaderLine(" " + std::string(56, '-'));
    pw.HeaderLine("");
  });
  w.StartPage();
  for (int r = 1; r <= kPrintedRows; ++r) {
    const ScheduleRow& row = table.rows[static_cast<std::size_t>(r)];
    if (row.division == kNoDivision) continue;
    w.Line(RightAlign(DivisionCode(row.division), 9) + RightAlign(row.event.view(), 8) +
           IntField(row.entries, 8) + RightAlign(row.start.view(), 15) + RightAlign(row.end.view(), 10));
  }
  return doc;
}

ReportDocument ScheduleDay(ReportContext& c) {
  const int day = c.options.GetInt("day", 1);
  if (day < 1 || day > 4) throw ConversionError("Day " + std::to_string(day) + " is no schedule day (1..4)");
  return ScheduleDayReport(day, c.t.schedule.days[static_cast<std::size_t>(day)]);
}
