#include "printing/report_catalogue.h"

#include "core/text.h"
#include "printing/award_reports.h"
#include "printing/entry_lists.h"
#include "printing/officials_reports.h"
#include "printing/result_reports.h"
#include "printing/schedule_day_report.h"
#include "printing/start_list.h"
#include "printing/team_standings.h"

int ReportOptions::GetInt(std::string_view key, int fallback) const {
  return Has(key) ? ToInteger(Get(key)) : fallback;
}

const std::vector<ReportEntry>& ReportCatalogue() {
  // clang-format off
  static const std::vector<ReportEntry> catalogue = {
      // Results
      {"multi-round-totals", "Multi-round totals and overall points of every division", &MultiRoundTotals, {}},
      {"round-results", "All results of the current round", &RoundResults, {}},
      {"event-round-results", "The current event and round for all divisions", &EventRoundResults, {}},
      {"single-round-results", "The current division, event and round", &SingleRoundResults, {}},
      {"event-results", "The current division and event over all rounds", &EventResults, {}},
      {"division-results", "The current division in all events after the round", &DivisionResults, {}},
      {"official-results", "The complete official results", &OfficialResults, {}},
      {"event-summary", "Entries and best performances per division", &EventSummary, {}},
      {"results-view", "The results view of the current division", &ResultsViewReport, {}},
      // Officials
      {"officials-division", "The officials of the current division and round", &OfficialsDivisionReport, {}},
      {"officials-summary", "Every official of the event with the events worked", &OfficialsSummaryReport, {}},
      {"officials-detailed", "The officials of every division of the rules, all rounds", &OfficialsDetailedReport, {}},
      // Teams
      {"team-standings", "Team standings with the skiers who scored for each team", &TeamStandingsReport, {}},
      {"team-results", "The team results window: each team's total", &TeamResultsReport, {}},
      // Schedule
      {"schedule-day", "Estimated event schedule of one day (--day 1..4)", &ScheduleDay, {"day"}},
      // Entry lists
      {"entry-list-alphabetical", "Entry list: all skiers in alphabetical order", &EntryListAlphabetical, {}},
      {"entry-list-by-division", "Entry list: all skiers by division", &EntryListByDivision, {}},
      {"entry-list-division", "Entry list: the skiers of the current division", &EntryListDivision, {}},
      {"entry-view-alphabetical", "Entry view on screen: all skiers", &EntryViewAlphabetical, {}},
      {"entry-view-by-division", "Entry view on screen: all skiers by division", &EntryViewByDivision, {}},
      {"entry-view-division", "Entry view on screen: the current division", &EntryViewDivision, {}},
      // Start lists
      {"start-list", "Start list of the current division and event (--divisions \"M,W\" or --all for more)",
       &StartListReport, {"divisions"}, {"all"}},
      {"start-list-preview", "The on-screen start list preview, with the same choices as start-list",
       &StartListPreviewReport, {"divisions"}, {"all"}},
      // Other reports
      {"awards-summary", "Awards placement summary: places 1 to 3 of every division", &AwardsSummary, {}},
      {"injury-summary", "Tournament injury summary form with the number of rides", &InjurySummary, {}},
      {"rating-sheet", "Skier results sheet for ratings (--skier \"FIRST SURNAME\" [--skier-division CODE])", &RatingSheet, {"skier", "skier-division"}},
      {"record-data", "Record performance data of the current event and round (--skier \"FIRST SURNAME\" [--skier-division CODE])",
       &RecordData, {"skier", "skier-division"}},
  };
  // clang-format on
  return catalogue;
}

const ReportEntry* FindReport(std::string_view name) {
  for (const auto& entry : ReportCatalogue())
    if (entry.name == name) return &entry;
  return nullptr;
}

std::optional<ReportDocument> BuildReport(std::string_view name, Tournament& t, Platform& p,
                                          const ReportOptions& options) {
  const ReportEntry* entry = FindReport(name);
  if (!entry) return std::nullopt;
  ReportContext context{t, p, options};
  ReportDocument doc = entry->build(context);
  RefillWorkList(t, p);
  return doc;
}

bool PrintNamedReport(std::string_view name, Tournament& t, Platform& p, const ReportOptions& options) {
  auto doc = BuildReport(name, t, p, options);
  if (!doc || doc->lines.empty()) return false;  // a report with nothing to print sends no page
  return SendToPrinter(p.printer, *doc);
}
