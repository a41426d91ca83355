#include "printing/report_catalogue.h"

#include <algorithm>

#include "core/text.h"
#include "printing/award_reports.h"
#include "printing/entry_lists.h"
#include "printing/judging_sheets.h"
#include "printing/officials_reports.h"
#include "printing/result_reports.h"
#include "printing/schedule_day_report.h"
#include "printing/start_list.h"
#include "printing/team_standings.h"
#include "results/export_csv.h"
#include "results/export_ranking.h"
#include "results/export_scorebook.h"
#include "results/export_text.h"

int ReportOptions::GetInt(std::string_view key, int fallback) const {
  return Has(key) ? ToInteger(Get(key)) : fallback;
}

bool ReportEntry::Takes(std::string_view option) const {
  return std::find(options.begin(), options.end(), option) != options.end();
}

bool ReportEntry::Needs(std::string_view option) const {
  return std::find(needs.begin(), needs.end(), option) != needs.end();
}

namespace {

using Menu = ReportMenu;
using Options = std::vector<std::string>;

ReportEntry Report(std::string name, std::string description, ReportBuilder build, Options options = {},
                   Menu menu = Menu::None, std::string caption = {}) {
  return {std::move(name),
          OutputKind::Report,
          std::move(description),
          build,
          -1,
          nullptr,
          std::move(options),
          menu,
          std::move(caption)};
}

ReportEntry Needing(ReportEntry entry, Options needs) {
  entry.needs = std::move(needs);
  return entry;
}

ReportEntry Form(std::string name, std::string description, JudgingForm form) {
  return {std::move(name),        OutputKind::Form, std::move(description),        nullptr,
          static_cast<int>(form), nullptr,          {"division", "event", "blank"}};
}

ReportEntry Export(std::string name, std::string description, ExportBuilder lines) {
  return {std::move(name), OutputKind::Export, std::move(description), nullptr, -1, lines, {}};
}

}  // namespace

const std::vector<OutputOption>& OutputOptions() {
  static const std::vector<OutputOption> options = {
      {"division", "CODE", "the current division, by its code such as M or W3 (default M)"},
      {"event", "S|T|J", "the current event: S slalom, T trick, J jump (default S)"},
      {"round", "N", "the current round, 1 to 4 (default 1)"},
      {"divisions", "LIST", "several divisions by their codes, comma-separated, such as \"M,W\""},
      {"all", "", "every division"},
      {"day", "N", "the day of the tournament, 1 to 4 (default 1)"},
      {"skier", "NAME", "the skier, by first name and surname, such as \"Lars AAS\""},
      {"skier-division", "CODE", "the skier's division, for a name entered in more than one"},
      {"blank", "", "the blank form instead of one filled in with the division's skiers"},
  };
  return options;
}

const OutputOption* FindOutputOption(std::string_view name) {
  for (const auto& o : OutputOptions())
    if (o.name == name) return &o;
  return nullptr;
}

bool IsSelectionOption(std::string_view name) {
  return name == "division" || name == "event" || name == "round";
}

const std::vector<ReportEntry>& ReportCatalogue() {
  // clang-format off
  static const std::vector<ReportEntry> catalogue = {
      // Results, in the order of the printing dialog's list
      Report("single-round-results", "Results of the current division, event and round", &SingleRoundResults,
             {"division", "event", "round"}, Menu::Results, "Results for Current Division/Event/Round"),
      Report("event-results", "Results of the current division and event over all rounds", &EventResults,
             {"division", "event"}, Menu::Results, "Results for the Current Division/Event/all Rounds"),
      Report("division-results", "Results of the current division in every event, up to the current round",
             &DivisionResults, {"division", "round"}, Menu::Results, "Results for the Current Division/all Event and Rnds"),
      Report("event-round-results", "Results of the current event and round for every division", &EventRoundResults,
             {"event", "round"}, Menu::Results, "Results for Current Round/Event/all Divisions"),
      Report("round-results", "Every result of the current round", &RoundResults, {"round"}, Menu::Results,
             "All Results for the Current Round"),
      Report("multi-round-totals", "Totals over all rounds and overall points of every division", &MultiRoundTotals,
             {}, Menu::Results, "Multi-Round Totals for all Skiers"),
      Report("official-results", "The complete official results of the tournament", &OfficialResults, {},
             Menu::Results, "Complete Official Results"),
      Report("event-summary", "Entries per division and the best performances of the current round",
             &EventSummary, {"division", "round"}, Menu::Results, "Event Summary Information"),
      Report("results-view", "The results view: places of the current division", &ResultsViewReport, {"division"}),
      // Other reports, in the order of the printing dialog's second list
      Report("awards-summary", "Awards placement summary: places 1 to 3 of every division", &AwardsSummary, {},
             Menu::Other, "Placement Summary"),
      Needing(Report("rating-sheet", "One skier's results sheet for ratings", &RatingSheet,
                     {"skier", "skier-division"}, Menu::Other, "Skier Rating Sheet"), {"skier"}),
      Needing(Report("record-data", "One skier's performance data for a record application, current event and round",
                     &RecordData, {"event", "round", "skier", "skier-division"}, Menu::Other,
                     "Record Application Info"), {"skier"}),
      Report("officials-division", "The officials of the current division and round", &OfficialsDivisionReport,
             {"division", "round"}, Menu::Other, "Event Officials - Current Division"),
      Report("officials-summary", "Every official of the tournament with the events worked", &OfficialsSummaryReport,
             {}, Menu::Other, "Event Officials Summary"),
      Report("officials-detailed", "The officials of every division, all rounds", &OfficialsDetailedReport, {},
             Menu::Other, "Event Officials - Detailed"),
      Report("injury-summary", "Tournament injury summary form with the number of rides", &InjurySummary, {},
             Menu::Other, "Accident Report Summary"),
      // Teams
      Report("team-standings", "Team standings with the skiers who scored for each team", &TeamStandingsReport),
      Report("team-results", "Each team's total, as the team results window shows it", &TeamResultsReport),
      // Schedule
      Report("schedule-day", "Estimated schedule of one day of the tournament", &ScheduleDay, {"day"}),
      // Entry lists
      Report("entry-list-alphabetical", "Entry list: every skier in alphabetical order", &EntryListAlphabetical),
      Report("entry-list-by-division", "Entry list: every skier, division by division", &EntryListByDivision),
      Report("entry-list-division", "Entry list: the skiers of the current division", &EntryListDivision,
             {"division"}),
      Report("entry-view-alphabetical", "Entry view, as on screen: every skier", &EntryViewAlphabetical),
      Report("entry-view-by-division", "Entry view, as on screen: every skier by division", &EntryViewByDivision),
      Report("entry-view-division", "Entry view, as on screen: the current division", &EntryViewDivision,
             {"division"}),
      // Start lists
      Report("start-list", "Start list of the current event for the current division, several or all",
             &StartListReport, {"division", "event", "round", "divisions", "all"}),
      Report("start-list-preview", "The start list as its on-screen preview shows it", &StartListPreviewReport,
             {"division", "event", "round", "divisions", "all"}),
      // Judging forms, in the order of the scoring sheets dialog
      Form("slalom-scoring", "Slalom scoring and timing sheet", JudgingForm::SlalomScoring),
      Form("slalom-recap", "Slalom recap sheet", JudgingForm::SlalomRecap),
      Form("jump-boat", "Jump boat scoring sheet", JudgingForm::JumpBoat),
      Form("jump-master", "Jump master scoring sheet", JudgingForm::JumpMaster),
      Form("trick", "Trick judging sheet, one page per skier", JudgingForm::Trick),
      // Export files, as the Results menu writes them
      Export("txt", "The official results text file", &OfficialResultsLines),
      Export("csv", "The results CSV file", &ResultsCsvLines),
      Export("ranking", "The ranking list file for the international federation (_iwwf.txt)", &RankingLines),
      Export("scorebook", "The AWSA scorebook file", &ScorebookLines),
  };
  // clang-format on
  return catalogue;
}

std::vector<const ReportEntry*> CatalogueOf(OutputKind kind) {
  std::vector<const ReportEntry*> out;
  for (const auto& entry : ReportCatalogue())
    if (entry.kind == kind) out.push_back(&entry);
  return out;
}

std::vector<const ReportEntry*> MenuReports(ReportMenu menu) {
  std::vector<const ReportEntry*> out;
  for (const auto& entry : ReportCatalogue())
    if (entry.menu == menu && menu != ReportMenu::None) out.push_back(&entry);
  return out;
}

const ReportEntry* FindOutput(std::string_view name) {
  for (const auto& entry : ReportCatalogue())
    if (entry.name == name) return &entry;
  return nullptr;
}

const ReportEntry* FindReport(std::string_view name) {
  const ReportEntry* entry = FindOutput(name);
  return entry && entry->kind == OutputKind::Report ? entry : nullptr;
}

const char* OutputKindName(OutputKind kind) {
  switch (kind) {
    case OutputKind::Form:
      return "judging form";
    case OutputKind::Export:
      return "export file";
    case OutputKind::Report:
      break;
  }
  return "report";
}

std::optional<ReportDocument> BuildReport(std::string_view name, const Tournament& t, const Services& p,
                                          const ReportOptions& options) {
  const ReportEntry* entry = FindReport(name);
  if (!entry) return std::nullopt;
  ReportContext context{t, p, options, t.Selected()};
  return entry->build(context);
}

bool PrintNamedReport(Printer& printer, std::string_view name, const Tournament& t, const Services& p,
                      const ReportOptions& options) {
  auto doc = BuildReport(name, t, p, options);
  if (!doc || doc->lines.empty()) return false;  // a report with nothing to print sends no page
  return SendToPrinter(printer, *doc);
}
