#include "cli/file_commands.h"

#include <chrono>
#include <ctime>
#include <filesystem>

#include "cli/command_line.h"
#include "core/errors.h"
#include "core/event_files.h"
#include "core/family_check.h"
#include "core/output_target.h"
#include "core/settings_file.h"
#include "printing/results_page.h"
#include "results/export_csv.h"
#include "results/export_fields.h"
#include "results/export_ranking.h"
#include "results/export_scorebook.h"
#include "results/export_text.h"

namespace {

// The same lines the menu's exports write, by the name the command line gives them.
std::vector<std::string> ExportLines(const std::string& kind, const Tournament& t) {
  if (kind == "txt") return OfficialResultsLines(t);
  if (kind == "csv") return ResultsCsvLines(t);
  if (kind == "ranking") return RankingLines(t);
  return ScorebookLines(t);
}

bool Open(Tournament& t, Platform& p, const std::string& eventFile) {
  ReadSettings(t, p);
  return OpenEvent(t, p, eventFile);
}

int RunExport(const FileCommandArguments& a, std::ostream& err, Platform& p) {
  Tournament t;
  if (!Open(t, p, a.eventFile)) return kExitFailed;
  try {
    WriteOutputFile(p.fs, t, a.target, JoinCrLf(ExportLines(a.kind, t)));
  } catch (const IoError& e) {
    err << "tallivar: " << e.what() << '\n';
    return kExitFailed;
  }
  return kExitOk;
}

// The page's banner gives the time the event was last saved: the skier file's modification time.
DateTime SavedAt(const std::string& eventFile, Platform& p) {
  std::error_code ec;
  const auto written = std::filesystem::last_write_time(eventFile, ec);
  if (ec) return p.clock.Now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
  std::tm local{};
  localtime_r(&seconds, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

int RunResultsPage(const FileCommandArguments& a, std::ostream& err, Platform& p) {
  Tournament t;
  if (!Open(t, p, a.eventFile)) return kExitFailed;
  try {
    WriteOutputFile(p.fs, t, a.target, ResultsPageHtml(t, p, SavedAt(a.eventFile, p)));
  } catch (const IoError& e) {
    err << "tallivar: " << e.what() << '\n';
    return kExitFailed;
  }
  return kExitOk;
}

int RunCheck(const FileCommandArguments& a, std::ostream& out, Platform& p) {
  const auto checks = CheckEventFamily(p.fs, a.eventFile);
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

void AddFileCommands(CLI::App& app, FileCommandArguments& a) {
  a.exportCommand =
      app.add_subcommand("export", "Write a results export file, the same as the Results menu's");
  a.exportCommand->add_option("KIND", a.kind, "txt, csv, ranking or scorebook")
      ->required()
      ->check(CLI::IsMember({"txt", "csv", "ranking", "scorebook"}));
  a.exportCommand->add_option("EVENT", a.eventFile, "The event file (.dat)")->required();
  a.exportCommand->add_option("FILE", a.target, "The file to write")->required();

  a.pageCommand = app.add_subcommand("results-page", "Write the provisional results page (HTML) of an event");
  a.pageCommand->add_option("EVENT", a.eventFile, "The event file (.dat)")->required();
  a.pageCommand->add_option("FILE", a.target, "The HTML file to write")->required();

  a.checkCommand = app.add_subcommand(
      "check", "Check every file of an event's family and say what is wrong; exit status 1 when damaged");
  a.checkCommand->add_option("EVENT", a.eventFile, "The event file (.dat)")->required();
}

std::optional<int> RunFileCommand(const FileCommandArguments& a, std::ostream& out, std::ostream& err,
                                  Platform& p) {
  if (a.exportCommand && a.exportCommand->parsed()) return RunExport(a, err, p);
  if (a.pageCommand && a.pageCommand->parsed()) return RunResultsPage(a, err, p);
  if (a.checkCommand && a.checkCommand->parsed()) return RunCheck(a, out, p);
  return std::nullopt;
}
