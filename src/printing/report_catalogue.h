#pragma once
// Every output of the program by its name: the text reports, the drawn judging forms and the export
// files. The printing dialogs, the command line's dispatch, its lists and its help all read this
// one table, so a new output is one entry in report_catalogue.cpp.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "printing/report_page.h"

// Options an output may take besides the current selection, as the command line gives them:
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

// What a report is built from: the tournament, which it only reads, the services (the clock for
// "Posted:", the prompter for messages), the report's options and the selection it reports on.
struct ReportContext {
  const Tournament& t;
  const Services& p;
  const ReportOptions& options;
  Selection selection;
};

using ReportBuilder = ReportDocument (*)(ReportContext& context);
// An export file's lines, as the Results menu writes them (joined by CR LF).
using ExportBuilder = std::vector<std::string> (*)(const Tournament& t);

enum class OutputKind { Report, Form, Export };

// Where the printing dialogs show a report: "Results Printing Options" has a list of result
// reports and a list of other reports.
enum class ReportMenu { None, Results, Other };

// An option of some outputs. "division", "event" and "round" are the current selection: every
// report and form accepts them, and an entry names those it reads.
struct OutputOption {
  std::string name;   // "day" for "--day"
  std::string value;  // "N" in the help's "--day N"; empty for a flag
  std::string help;   // one line
};

struct ReportEntry {
  std::string name;  // "multi-round-totals"
  OutputKind kind = OutputKind::Report;
  std::string description;                // one line, for the lists and the help
  ReportBuilder build = nullptr;          // a report
  int form = -1;                          // a drawn form: its JudgingForm
  ExportBuilder exportLines = nullptr;    // an export file
  std::vector<std::string> options = {};  // the options it reads, by name ("division", "day", "all")
  ReportMenu menu = ReportMenu::None;
  std::string caption = {};             // its item in the printing dialog
  std::vector<std::string> needs = {};  // the options it cannot do without ("skier")

  bool Takes(std::string_view option) const;
  bool Needs(std::string_view option) const;
};

// Every option of the table, in the order the help shows them.
const std::vector<OutputOption>& OutputOptions();
const OutputOption* FindOutputOption(std::string_view name);
bool IsSelectionOption(std::string_view name);

const std::vector<ReportEntry>& ReportCatalogue();
// The entries of one kind, in the table's order.
std::vector<const ReportEntry*> CatalogueOf(OutputKind kind);
// The reports of one list of the printing dialog, in the order the dialog shows them.
std::vector<const ReportEntry*> MenuReports(ReportMenu menu);
// An entry of any kind, or nullptr.
const ReportEntry* FindOutput(std::string_view name);
// A text report (kind Report), or nullptr.
const ReportEntry* FindReport(std::string_view name);
// "report", "judging form" or "export file".
const char* OutputKindName(OutputKind kind);

// Builds a report by name for the tournament's current selection. nullopt when no report has that
// name. The lots of a final are drawn before (DrawTiesOfRound): a report shows them, draws none.
std::optional<ReportDocument> BuildReport(std::string_view name, const Tournament& t, const Services& p,
                                          const ReportOptions& options = {});
// Builds a report and sends it to the printer; false when there is no such report, it has nothing
// to print or the print job was cancelled.
bool PrintNamedReport(Printer& printer, std::string_view name, const Tournament& t, const Services& p,
                      const ReportOptions& options = {});
