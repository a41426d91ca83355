#include "core/family_damage.h"

#include "core/event_files.h"

namespace {

constexpr std::size_t kProblemsShown = 3;

bool EndsWith(const std::string& s, std::string_view end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

// What the open does about the damaged file, by its part of the family.
std::string Consequence(const std::string& path) {
  if (EndsWith(path, ".ttl")) return "The settings that do not read keep the values they had.";
  if (EndsWith(path, ".sch")) return "The event opens with empty day tables.";
  if (EndsWith(path, ".bak")) return "The backup of the skier file cannot be used to go back.";
  if (EndsWith(path, ".ofc")) return "It is reported again when the officials are used.";
  if (EndsWith(path, ".ties")) return "Finalists tied in round 1 are drawn again.";
  return "It is reported again when the trick passes are used.";
}

std::string Problems(const FileCheck& c) {
  std::string text;
  for (std::size_t i = 0; i < c.problems.size() && i < kProblemsShown; ++i)
    text += (i == 0 ? "" : "; ") + c.problems[i];
  if (c.problems.size() > kProblemsShown)
    text += " (and " + std::to_string(c.problems.size() - kProblemsShown) + " more)";
  return text;
}

void KeepIfDamaged(FileSystem& fs, const std::string& path,
                   std::vector<std::string> (*problems)(std::string_view)) {
  // What is not a regular file is never read; the write that would replace it reports it.
  if (fs.Kind(path) != FileKind::Regular) return;
  auto bytes = fs.ReadAll(path);
  if (bytes && !problems(*bytes).empty()) WriteFileIfChanged(fs, DamagedCopyPath(path), *bytes);
}

}  // namespace

bool IsDamaged(const std::vector<FileCheck>& checks, const std::string& path) {
  for (const FileCheck& c : checks)
    if (c.path == path) return c.present && !c.problems.empty();
  return false;
}

std::string DamagedFilesNotice(const std::vector<FileCheck>& checks, const std::string& eventFile) {
  std::string files;
  for (const FileCheck& c : checks) {
    if (c.path == eventFile || !IsDamaged(checks, c.path)) continue;
    const std::string& first = c.problems[0];
    // A file that is not a regular one, or cannot be read, has no bytes to keep.
    if (first.rfind("is ", 0) == 0 || first.rfind("cannot be read", 0) == 0)
      files += "\n\"" + c.path + "\" " + first + ". " + Consequence(c.path) + "\n";
    else
      files += "\n\"" + c.path + "\" is damaged: " + Problems(c) + ". " + Consequence(c.path) +
               " The damaged file is kept as \"" + DamagedCopyPath(c.path) + "\" before it is replaced.\n";
  }
  if (files.empty()) return "";
  return "Some files of the event \"" + eventFile + "\" are damaged:\n" + files;
}

void KeepDamagedFiles(FileSystem& fs, const std::string& eventFile) {
  const std::string base = EventBaseOf(eventFile);
  KeepIfDamaged(fs, base + ".bak", SkierFileProblems);
  KeepIfDamaged(fs, base + ".ttl", TournamentFileProblems);
  KeepIfDamaged(fs, base + ".sch", ScheduleFileProblems);
}
