#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <map>
#include <set>

#include "cli/console_platform.h"
#include "cli/file_commands.h"
#include "core/divisions.h"
#include "core/event_files.h"
#include "core/output_target.h"
#include "core/settings_file.h"
#include "core/text.h"
#include "core/version.h"
#include "printing/report_catalogue.h"

namespace {

constexpr const char* kUsage =
    "Usage: tallivar report NAME EVENT.dat [--division CODE] [--event S|T|J] [--round N] [--pdf FILE]\n"
    "       tallivar report --list\n"
    "       tallivar judging-sheet FORM EVENT.dat [--blank] [--division CODE] [--event S|T|J] --pdf FILE\n"
    "       tallivar export txt|csv|ranking|scorebook EVENT.dat FILE\n"
    "       tallivar results-page EVENT.dat FILE\n"
    "       tallivar check EVENT.dat\n"
    "       tallivar --help | --version\n";

struct ReportArguments {
  std::string name, eventFile, division, event, pdf;
  int round = 0;
  bool list = false;
  // The report options of the catalogue, by name, and which of them were given.
  std::map<std::string, std::string> values;
  std::map<std::string, bool> flags;
};

void AddReportCommand(CLI::App& app, ReportArguments& a) {
  CLI::App* report =
      app.add_subcommand("report", "Write a report of an event to standard output or a PDF file");
  report->add_option("NAME", a.name, "The report; --list shows the names");
  report->add_option("EVENT", a.eventFile, "The event file (.dat)");
  report->add_option("--division", a.division, "The current division, by its code (default M)");
  report->add_option("--event", a.event, "The current event: S, T or J (default S)")
      ->check(CLI::IsMember({"S", "T", "J", "s", "t", "j"}));
  report->add_option("--round", a.round, "The current round, 1 to 4 (default 1)")->check(CLI::Range(1, 4));
  report->add_option("--pdf", a.pdf, "Write the printed pages to this PDF file instead");
  report->add_flag("--list", a.list, "List the report names, one per line");
  std::set<std::string> seen;
  for (const auto& entry : ReportCatalogue()) {
    for (const auto& o : entry.options)
      if (seen.insert(o).second) report->add_option("--" + o, a.values[o], "Option of some reports");
    for (const auto& f : entry.flags)
      if (seen.insert(f).second) report->add_flag("--" + f, a.flags[f], "Option of some reports");
  }
}

int UsageError(std::ostream& err, const std::string& message) {
  err << "tallivar: " << message << '\n' << kUsage;
  return kExitUsage;
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The options given on the line, checked against what the report understands.
bool CollectOptions(const ReportArguments& a, const ReportEntry& entry, ReportOptions& options,
                    std::string& wrong) {
  for (const auto& [key, value] : a.values) {
    if (value.empty()) continue;
    if (!Contains(entry.options, key)) return wrong = "--" + key, false;
    options.values[key] = value;
  }
  for (const auto& [key, on] : a.flags) {
    if (!on) continue;
    if (!Contains(entry.flags, key)) return wrong = "--" + key, false;
    options.values[key] = "";
  }
  return true;
}

// The terminal reads UTF-8; the program's text is Windows-1252.
void WriteLines(std::ostream& out, const ReportDocument& doc) {
  for (const auto& line : doc.lines) out << Utf8FromWindows1252(line) << '\n';
}

int RunReport(const ReportArguments& a, std::ostream& out, std::ostream& err, Platform& p,
              const PdfWriter& pdf) {
  if (a.list) {
    for (const auto& entry : ReportCatalogue()) out << entry.name << '\n';
    return kExitOk;
  }
  if (a.name.empty() || a.eventFile.empty())
    return UsageError(err, "a report name and an event file are needed");
  const ReportEntry* entry = FindReport(a.name);
  if (!entry) return UsageError(err, "there is no report \"" + a.name + "\" (tallivar report --list)");
  std::optional<int> division;
  if (!a.division.empty() && !(division = FindDivision(a.division)))
    return UsageError(err, "there is no division \"" + a.division + "\"");
  ReportOptions options;
  std::string wrong;
  if (!CollectOptions(a, *entry, options, wrong))
    return UsageError(err, "the report \"" + a.name + "\" takes no option " + wrong);
  if (!a.pdf.empty() && !pdf) return UsageError(err, "this program cannot write PDF files");

  Tournament t;
  ReadSettings(t, p);
  if (!OpenEvent(t, p, a.eventFile)) return kExitFailed;
  if (auto refusal = a.pdf.empty() ? std::nullopt : RefusedOutputTarget(p.fs, ProtectedFiles(t), a.pdf)) {
    err << "tallivar: " << *refusal << '\n';
    return kExitFailed;
  }
  if (division) t.CurDivision = *division;
  if (!a.event.empty()) t.CurEvent = static_cast<char>(std::toupper(static_cast<unsigned char>(a.event[0])));
  if (a.round > 0) t.CurRound = a.round;
  try {
    auto doc = BuildReport(a.name, t, p, options);
    // A report that said why it has nothing to print (no valid division, no sheet for tricks)
    // has failed, as the printing dialog sends no page for it.
    if (!doc || doc->lines.empty()) return kExitFailed;
    if (a.pdf.empty()) {
      WriteLines(out, *doc);
      out.flush();
      return out ? kExitOk : kExitFailed;
    }
    std::string error = pdf(*doc, a.pdf);
    if (!error.empty()) {
      err << "tallivar: " << error << '\n';
      return kExitFailed;
    }
  } catch (const std::exception& e) {
    err << "tallivar: the report failed: " << e.what() << '\n';
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace

bool WantsCommandLine(int argc, const char* const* argv) {
  if (argc < 2) return false;
  const std::string first = argv[1];
  return first == "report" || first == "export" || first == "results-page" || first == "check" ||
         first == "judging-sheet" ||
         first == "--help" || first == "-h" || first == "--version";
}

int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err, Platform& p,
                   const PdfWriter& pdf, const DrawnPdfWriter& drawn) {
  CLI::App app("Tallivar: scoring for water-ski tournaments. Without arguments it opens its window.",
               "tallivar");
  app.set_version_flag("--version", std::string("Tallivar ") + kProgramVersion);
  app.require_subcommand(1);
  ReportArguments report;
  AddReportCommand(app, report);
  FileCommandArguments files;
  AddFileCommands(app, files);
  SheetCommandArguments sheet;
  AddSheetCommand(app, sheet);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e, out, err);
    return UsageError(err, e.what());
  }
  if (auto status = RunFileCommand(files, out, err, p)) return *status;
  if (auto status = RunSheetCommand(sheet, err, p, drawn)) return *status;
  return RunReport(report, out, err, p, pdf);
}

int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                   const PdfWriter& pdf, const DrawnPdfWriter& drawn) {
  ConsolePlatform console(err);
  return RunCommandLine(argc, argv, out, err, console.platform, pdf, drawn);
}
