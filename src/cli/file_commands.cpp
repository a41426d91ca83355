#include "cli/file_commands.h"

#include "core/family_check.h"
#include "core/file_io.h"
#include "printing/results_page.h"
#include "results/export_fields.h"

namespace {

int RunExport(const FileCommands& a, Session& s) {
  std::string problem;
  const ReportEntry* entry = ChosenOutput(a.exportArgs, problem);
  if (!entry) return UsageError(s, problem);
  Tournament t;
  if (!OpenSelected(s, t, a.exportArgs.eventFile, {})) return kExitFailed;
  return WriteOutput(s, t, a.target, JoinCrLf(entry->exportLines(t)));
}

int RunResultsPage(const FileCommands& a, Session& s) {
  Tournament t;
  if (!OpenSelected(s, t, a.eventFile, {})) return kExitFailed;
  return WriteOutput(s, t, a.target, ResultsPageHtml(t, s.p, SavedAt(a.eventFile, s.p)));
}

int RunCheck(const FileCommands& a, Session& s) {
  // A missing event is no damaged one: there is nothing to check.
  if (!s.p.fs.Exists(a.eventFile)) return Fail(s, "there is no event file \"" + a.eventFile + "\"");
  std::ostream& out = s.out;
  const auto checks = CheckEventFamily(s.p.fs, a.eventFile);
  for (const FileCheck& c : checks) {
    if (!c.present && c.problems.empty()) {
      out << c.path << ": not there\n";
    } else if (c.problems.empty()) {
      out << c.path << ": sound\n";
    } else {
      out << c.path << ": " << c.problems.size() << (c.problems.size() == 1 ? " fault\n" : " faults\n");
      for (const auto& problem : c.problems) out << "  " << problem << '\n';
    }
  }
  const bool sound = FamilyIsSound(checks);
  out << (sound ? "The event's files are sound.\n" : "The event's files are damaged.\n");
  return sound ? kExitOk : kExitFailed;
}

}  // namespace

void AddFileCommands(CLI::App& app, FileCommands& a) {
  CLI::App* exportCommand =
      app.add_subcommand("export", "Write a results export file, the same as the Results menu's");
  a.exportArgs.kind = OutputKind::Export;
  AddOutputArguments(exportCommand, a.exportArgs);
  exportCommand->add_option("FILE", a.target, "The file to write; - for standard output")->required();

  a.pageCommand = app.add_subcommand("results-page", "Write the provisional results page (HTML) of an event");
  a.pageCommand->add_option("EVENT", a.eventFile, "The event file (.dat)")->required();
  a.pageCommand->add_option("FILE", a.target, "The HTML file to write; - for standard output")->required();

  a.checkCommand = app.add_subcommand(
      "check", "Check every file of an event's family and say what is wrong; exit status 1 when damaged");
  a.checkCommand->add_option("EVENT", a.eventFile, "The event file (.dat)")->required();
}

std::optional<int> RunFileCommand(const FileCommands& a, Session& s) {
  if (a.exportArgs.command->parsed()) return RunExport(a, s);
  if (a.pageCommand->parsed()) return RunResultsPage(a, s);
  if (a.checkCommand->parsed()) return RunCheck(a, s);
  return std::nullopt;
}
