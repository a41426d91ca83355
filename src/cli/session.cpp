#include "cli/session.h"

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "cli/output_help.h"
#include "core/divisions.h"
#include "core/errors.h"
#include "core/event_files.h"
#include "core/file_io.h"
#include "core/output_target.h"
#include "core/settings_file.h"
#include "core/skier_ops.h"

int Fail(const Session& s, const std::string& message) {
  s.err << kMessagePrefix << message << '\n';
  return kExitFailed;
}

int UsageError(const Session& s, const std::string& message) {
  s.err << kMessagePrefix << message << '\n' << UsageSynopsis();
  return kExitUsage;
}

std::optional<std::string> SelectionProblem(const SelectionArgs& selection) {
  if (selection.division.empty() || FindDivision(selection.division)) return std::nullopt;
  return "there is no division \"" + selection.division + "\"";
}

bool OpenSelected(Session& s, Tournament& t, const std::string& eventFile, const SelectionArgs& selection,
                  char defaultEvent) {
  t.SettingsFile = s.settingsFile;
  s.p.prompt.ShowEach(ReadSettings(t, s.p.fs).messages);
  if (!s.p.Shown(OpenEvent(t, s.p.fs, s.p.random, eventFile))) return false;
  Selection chosen = t.Selected();
  if (!selection.division.empty()) chosen.division = *FindDivision(selection.division);
  if (!selection.event.empty())
    chosen.event = static_cast<char>(std::toupper(static_cast<unsigned char>(selection.event[0])));
  else if (defaultEvent != 0)
    chosen.event = defaultEvent;
  if (selection.round > 0) chosen.round = selection.round;
  t.Select(chosen);
  DrawTiesOfRound(t, s.p.random, t.CurRound);
  return true;
}

DateTime SavedAt(const std::string& eventFile, Platform& p) {
  std::error_code ec;
  const auto written = std::filesystem::last_write_time(eventFile, ec);
  if (ec) return p.clock.Now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
  std::tm local{};
  localtime_r(&seconds, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

namespace {

// Why a file cannot be created at `path`, as far as its folder tells: the PDF writer says only
// that it failed.
std::string FolderProblem(const std::string& path) {
  const std::string folder = FolderOf(path);  // "." for a bare file name
  if (::access(folder.c_str(), W_OK | X_OK) != 0) return std::strerror(errno);
  if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) return std::strerror(errno);
  return {};
}

}  // namespace

int WriteTo(Session& s, const std::string& target, const std::function<std::string()>& write, bool explain) {
  const std::string error = write();
  if (error.empty()) return kExitOk;
  const std::string why = explain ? FolderProblem(target) : std::string();
  return Fail(s, why.empty() ? error : error + ": " + why);
}

int WriteOutput(Session& s, const Tournament& t, const std::string& target, const std::string& bytes) {
  if (target == kStandardOutput) {
    s.out << bytes;
    s.out.flush();
    return s.out ? kExitOk : Fail(s, "cannot write to standard output");
  }
  return WriteTo(
      s, target,
      [&]() -> std::string {
        try {
          WriteOutputFile(s.p.fs, t, target, bytes);
        } catch (const IoError& e) {
          return e.what();
        }
        return {};
      },
      false);
}

int WritePdfOutput(Session& s, const Tournament& t, const std::string& target,
                   const std::function<std::string()>& write) {
  if (auto refusal = RefusedOutputTarget(s.p.fs, ProtectedFiles(t), target)) return Fail(s, *refusal);
  return WriteTo(s, target, write, true);
}
