#pragma once
// Every printable report by its name, so the printing dialogs and the command line build the same
// document the same way. A new report is one line in the table of report_catalogue.cpp.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "printing/report_page.h"

// Options a report may take besides the current selection, as the command line gives them:
// "--day 2" is {"day", "2"}, a flag such as "--all" is {"all", ""}.
struct ReportOptions {
  std::map<std::string, std::string> values;

  bool Has(std::string_view key) const { return values.find(std::string(key)) != values.end(); }
  std::string Get(std::string_view key, std::string_view fallback = "") const {
    auto it = values.find(std::string(key));
    return it == values.end() ? std::string(fallback) : it->second;
  }
  // The option as an integer, or fallback when absent; throws ConversionError for a non-number.
  int GetInt(std::string_view key, int fallback) const;
};

// What a report is built from: the tournament with its current selection, the desktop services
// (the clock for "Posted:", the prompter for messages) and the report's options.
struct ReportContext {
  Tournament& t;
  Platform& p;
  const ReportOptions& options;
};

using ReportBuilder = ReportDocument (*)(ReportContext& context);

struct ReportEntry {
  std::string name;         // "multi-round-totals"
  std::string description;  // one line for `tallivar report --list` and help
  ReportBuilder build = nullptr;
  // The options it understands besides the selection: those that take a value ("day" for
  // "--day 2", "skier", "divisions") and those that are flags ("all", "blank").
  std::vector<std::string> options = {};
  std::vector<std::string> flags = {};
};

const std::vector<ReportEntry>& ReportCatalogue();
const ReportEntry* FindReport(std::string_view name);

// Builds a report by name, then fills the work list for the current division again (every report
// ends that way). nullopt when no report has that name.
std::optional<ReportDocument> BuildReport(std::string_view name, Tournament& t, Platform& p,
                                          const ReportOptions& options = {});
// Builds a report and sends it to the platform printer; false when there is no such report or the
// print job was cancelled.
bool PrintNamedReport(std::string_view name, Tournament& t, Platform& p, const ReportOptions& options = {});
