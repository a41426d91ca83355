#include "printing/schedule_day_report.h"

#include "core/divisions.h"
#include "core/skier_ops.h"
#include "core/text.h"

namespace {
// The grid shows rows 1..49; the printed day lists the same rows.
constexpr int kPrintedRows = 49;
}  // namespace

std::vector<std::string> ScheduleDayLines(int day, const DayTable& table) {
  std::vector<std::string> out = {"        ESTIMATED DAY EVENT SCHEDULE for DAY " + std::to_string(day),
                                  " Division   Event   Entry          Start       End",
                                  " " + std::string(56, '-'), ""};
  for (int r = 1; r <= kPrintedRows; ++r) {
    const ScheduleRow& row = table.rows[static_cast<std::size_t>(r)];
    if (row.division == kNoDivision) continue;
    out.push_back(RightAlign(DivisionCode(row.division), 9) + RightAlign(row.event.view(), 8) +
                  IntField(row.entries, 8) + RightAlign(row.start.view(), 15) +
                  RightAlign(row.end.view(), 10));
  }
  return out;
}

void PrintScheduleDay(Tournament& t, Platform& p, int day, const DayTable& table) {
  Printer& printer = p.printer;
  printer.SetFont("Courier New", 12);
  printer.SetOrientation(Orientation::Portrait);
  if (!printer.BeginDoc("Event Schedule")) return;
  for (const auto& line : ScheduleDayLines(day, table)) printer.WriteLine(line);
  printer.EndDoc();
  SelectDivisionEvent(t, p, t.CurDivision);
}
