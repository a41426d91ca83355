#include "cli/report_command.h"

#include "cli/output_help.h"
#include "core/text.h"

void AddReportCommand(CLI::App& app, ReportCommand& a) {
  CLI::App* report = app.add_subcommand("report", "Write a report of an event to standard output or a file");
  a.args.kind = OutputKind::Report;
  AddOutputArguments(report, a.args, true);
  report->add_option("-o,--output", a.output, "The file for the report's lines; - for standard output");
  report->add_option("--pdf", a.pdf, "Write the printed pages to this PDF file instead");
  report->add_flag("--list", a.list, "List the reports, one per line with its description");
}

namespace {

// The terminal reads UTF-8; the program's text is Windows-1252.
std::string TextOf(const ReportDocument& doc) {
  std::string text;
  for (const auto& line : doc.lines) text += Utf8FromWindows1252(line) + '\n';
  return text;
}

std::optional<std::string> ArgumentProblem(const ReportCommand& a) {
  if (a.args.name.empty() || a.args.eventFile.empty()) return "a report name and an event file are needed";
  if (a.args.command->count("--output") > 0 && !a.pdf.empty()) return "--output and --pdf cannot go together";
  if (a.pdf == kStandardOutput) return "a PDF file cannot go to standard output: name a file for --pdf";
  return SelectionProblem(a.args.selection);
}

}  // namespace

std::optional<int> RunReportCommand(const ReportCommand& a, Session& s) {
  if (!a.args.command->parsed()) return std::nullopt;
  if (a.list) {
    s.out << OutputList(OutputKind::Report);
    return kExitOk;
  }
  std::string problem;
  const ReportEntry* entry = nullptr;
  if (auto p = ArgumentProblem(a))
    problem = *p;
  else if ((entry = ChosenOutput(a.args, problem)))
    problem = OptionProblem(a.args, *entry).value_or("");
  if (!problem.empty()) return UsageError(s, problem);
  if (!a.pdf.empty() && !s.pdf) return UsageError(s, "this program cannot write PDF files");

  Tournament t;
  if (!OpenSelected(s, t, a.args.eventFile, a.args.selection)) return kExitFailed;
  try {
    auto doc = BuildReport(entry->name, t, s.p, OptionsOf(a.args));
    // A report that said why it has nothing to print (no valid division, no sheet for tricks)
    // has failed, as the printing dialog sends no page for it.
    if (!doc || doc->lines.empty()) return kExitFailed;
    if (a.pdf.empty()) return WriteOutput(s, t, a.output, TextOf(*doc));
    return WritePdfOutput(s, t, a.pdf, [&] { return s.pdf(*doc, a.pdf); });
  } catch (const std::exception& e) {
    return Fail(s, std::string("the report failed: ") + e.what());
  }
}
