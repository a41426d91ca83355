#include "core/event_files.h"

#include <algorithm>
#include <list>
#include <optional>

#include "core/audit_log.h"
#include "core/errors.h"
#include "core/event_backups.h"
#include "core/family_damage.h"
#include "core/file_io.h"
#include "core/officials_file.h"
#include "core/schedule_file.h"
#include "core/settings_file.h"
#include "core/skier_file.h"
#include "core/skier_ops.h"
#include "core/tie_order_file.h"
#include "core/timing_files.h"
#include "core/tournament_file.h"
#include "core/work_list.h"

namespace {

void WriteAuditLine(Tournament& t, FileSystem& fs, Clock& clock) {
  const std::string log = AuditLogPath(t);
  if (fs.Exists(log))
    LogEntry(t, fs, clock, " - Event Files Saved");
  else
    AppendToFile(fs, log, "**Event Files Saved\r\n\r\n");
}

void WriteBackup(FileSystem& fs, const std::optional<std::string>& oldSkierFile, const std::string& bak) {
  if (oldSkierFile)
    WriteFileIfChanged(fs, bak, *oldSkierFile);
  else if (fs.Exists(bak))
    fs.Remove(bak);  // there was no skier file before this save
}

// Puts the previous skier file back after a failure at or after its replacement.
std::string RestoreSkierFile(FileSystem& fs, const std::string& path, const std::optional<std::string>& old) {
  try {
    if (old)
      WriteFileIfChanged(fs, path, *old);
    else
      fs.Remove(path);
  } catch (const IoError& e) {
    return std::string("\nThe previous skier file could not be put back: ") + e.what();
  }
  return "";
}

int HighestEntryNo(const std::list<TSkier>& nodes) {
  int highest = 0;
  for (const TSkier& s : nodes) highest = std::max(highest, static_cast<int>(s.EntryNo));
  return highest;
}

void RemoveLeftoverTempFiles(FileSystem& fs, const std::string& eventFile, const std::string& base) {
  for (const std::string& f : ReplacedFamilyFiles(eventFile, base)) {
    const std::string temp = TempNameFor(f);
    try {
      if (fs.Exists(temp)) fs.Remove(temp);
    } catch (const IoError&) {
      // A leftover that cannot be removed now is tried again at the next open.
    }
  }
}

void Refuse(Outcome& out, const std::string& path, const std::string& why) {
  out.Fail("\"" + path + "\" is not a valid event file: " + why);
}

}  // namespace

void RequireOwnEventFiles(const Tournament& t) {
  if (!t.EventReadOnly) return;
  throw IoError("The event \"" + t.EventFile.str() +
                "\" is open read-only: its files are not changed.\nUse Save As to keep your changes under "
                "another name.");
}

void WriteFileIfChanged(FileSystem& fs, const std::string& path, const std::string& bytes) {
  // Only a plain file is read: reading a FIFO would wait for a writer for ever, and the write
  // below says why such a file is not replaced.
  std::optional<std::string> old;
  if (fs.Kind(path) == FileKind::Regular) old = fs.ReadAll(path);
  if (old && *old == bytes) return;
  WriteFileSafely(fs, path, bytes);
}

std::string EventBaseOf(std::string_view eventFile) {
  // Only the file name counts: a folder such as "club.data" is no part of the family's name.
  std::size_t slash = eventFile.find_last_of('/');
  std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  std::size_t dat = eventFile.find(".dat", nameStart);
  if (dat != std::string_view::npos) return std::string(eventFile.substr(0, dat));
  std::size_t dot = eventFile.rfind('.');
  if (dot == std::string_view::npos || dot <= nameStart) return std::string(eventFile);
  return std::string(eventFile.substr(0, dot));
}

std::string DamagedCopyPath(const std::string& path) { return path + ".damaged"; }

std::vector<std::string> EventDataFiles(const std::string& eventFile, const std::string& base) {
  std::vector<std::string> files{eventFile,     base + ".bak", base + ".ttl",     base + ".sch",
                                 base + ".ofc", base + ".trk", TieOrderPath(base)};
  // The damaged bytes kept aside before a save replaced them.
  for (const std::string& kept : {base + ".bak", base + ".ttl", base + ".sch", base + ".trk", TieOrderPath(base)})
    files.push_back(DamagedCopyPath(kept));
  return files;
}

std::vector<std::string> ReplacedFamilyFiles(const std::string& eventFile, const std::string& base) {
  std::vector<std::string> files = EventDataFiles(eventFile, base);
  // The outputs made from the event: officials summary, timing files and the results exports.
  for (const char* output :
       {"_officials.txt", "-jumptimes.txt", "-slalomtimes.txt", ".txt", ".csv", "_iwwf.txt", ".pdf"})
    files.push_back(base + output);
  return files;
}

Outcome SaveEvent(Tournament& t, FileSystem& fs, Clock& clock, Random& random) {
  if (t.EventFile.empty()) return {.ok = false, .messages = {}};
  t.EventBase = EventBaseOf(t.EventFile);
  const std::string datPath = t.EventFile.str();
  const std::string base = t.EventBase.str();
  // What a save keeps is the order every later list shows.
  DrawTiesOfRound(t, random, t.CurRound);
  Outcome out = PrepareSelection(t, random, t.Selected());
  std::optional<std::string> oldSkierFile;
  bool skierFileTouched = false;
  try {
    // A skier file that is there but cannot be read stops the save before anything is touched:
    // taking it for a missing one would delete the backup, and the skier file on a failure.
    oldSkierFile = fs.ReadAll(datPath);
    KeepDamagedFiles(fs, datPath);
    WriteBackup(fs, oldSkierFile, base + ".bak");
    WriteFileIfChanged(fs, base + ".ttl", TournamentFileText(t));
    WriteFileIfChanged(fs, base + ".sch", ScheduleFileBytes(t.schedule));
    out.Append(WriteOfficialsSummary(t, fs));
    WriteTimingFiles(t, fs);
    WriteTieOrderFile(fs, TieOrderPath(base), t.ties);
    skierFileTouched = true;
    WriteFileIfChanged(fs, datPath, SkierFileBytes(t.skiers));
  } catch (const IoError& e) {
    std::string message = std::string("The event was not saved.\n") + e.what();
    if (skierFileTouched) message += RestoreSkierFile(fs, datPath, oldSkierFile);
    return std::move(out.Fail(message));
  }
  // The whole family is on disk: the save stands whatever happens to the log line, and the log
  // only ever records a save that happened.
  t.MarkSaved();
  try {
    WriteAuditLine(t, fs, clock);
  } catch (const IoError& e) {
    out.Tell(std::string("The event was saved, but the audit log could not be written.\n") + e.what());
  }
  try {
    WriteBackupSet(fs, datPath, clock.Now());
  } catch (const IoError& e) {
    out.Tell(std::string("The event was saved, but its backup could not be written.\n") + e.what());
  }
  return out;
}

namespace {

void ReadFamily(Tournament& t, FileSystem& fs, Random& random, const std::string& path, Outcome& out) {
  const std::string base = EventBaseOf(path);
  auto skierBytes = fs.ReadAll(path);
  if (!skierBytes) return Refuse(out, path, "there is no such file");
  std::list<TSkier> nodes;
  std::string why;
  if (!ParseSkierFile(*skierBytes, nodes, why)) return Refuse(out, path, why);
  skierBytes.reset();

  // A damaged schedule costs the day tables only.
  Schedule schedule;
  const std::string schPath = base + ".sch";
  if (auto sch = fs.ReadAll(schPath)) ParseScheduleFile(*sch, schedule, why);

  TournamentFileValues values = TournamentValuesOf(t);
  const std::string ttlPath = base + ".ttl";
  bool ttlRead = false;
  Outcome found;  // a missing tournament file is told, and the open goes on
  const bool ttlThere = FileExists(fs, ttlPath, found);
  out.Append(found);
  if (ttlThere)
    if (auto ttl = fs.ReadAll(ttlPath)) {
      ParseTournamentFile(SplitLines(*ttl), values);
      if (!values.entryCounterRead) values.EntryCounter = HighestEntryNo(nodes);
      ttlRead = true;
    }

  // The same look as the check command: the scorer hears of every damaged file (the tie order
  // file among them), and the save keeps its bytes aside before replacing it.
  const std::vector<FileCheck> checks = CheckEventFamily(fs, path);
  if (IsDamaged(checks, schPath)) schedule = Schedule{};
  const std::string damageNotice = DamagedFilesNotice(checks, path);
  std::string tieNotice;  // already named by the notice above
  TieOrders ties = ReadTieOrderFile(fs, TieOrderPath(base), tieNotice);

  // Everything is read: the open event takes the new state over.
  t.EventFile = path;
  t.EventBase = base;
  t.LoadSkiers(std::move(nodes));
  t.schedule.days = schedule.days;
  t.ties = std::move(ties);
  if (ttlRead) {
    ApplyTournamentValues(t, values);
    if (values.readStandards) out.Append(ReadNops(t, fs));
    if (values.readRecords) out.Append(ReadRecords(t, fs));
  }
  RemoveLeftoverTempFiles(fs, path, base);
  // A lot drawn while opening is new to the event: it stays unsaved, so it is kept like any change.
  t.MarkSaved();
  out.Append(PrepareSelection(t, random, t.Selected()));
  if (!damageNotice.empty()) out.Tell(damageNotice);
}

}  // namespace

Outcome OpenEvent(Tournament& t, FileSystem& fs, Random& random, const std::string& path) {
  Outcome out;
  try {
    ReadFamily(t, fs, random, path, out);
  } catch (const IoError& e) {
    // A file of the family that is there but cannot be read: the open stops, the open event stays.
    out.Fail(std::string("The event was not opened.\n") + e.what());
  }
  return out;
}
