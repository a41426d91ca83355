#include "core/officials.h"

#include <algorithm>
#include <cstring>

#include "core/divisions.h"
#include "core/errors.h"
#include "core/event_files.h"
#include "core/text.h"

namespace {

constexpr std::size_t kRecordBytes = sizeof(OfficialsRecord);

bool EventHasOwnName(const Tournament& t) {
  const std::string base = t.EventBase.str();
  const std::size_t slash = base.find_last_of("/\\");
  const std::string name = Trim(slash == std::string::npos ? base : base.substr(slash + 1));
  return !name.empty() && UpperCase(name) != "TALLIVAR";
}

std::string EmptyRecords(int count) {
  return std::string(static_cast<std::size_t>(count) * kRecordBytes, '\0');
}

}  // namespace

std::string OfficialsSizeProblem(const std::string& path, std::size_t size) {
  if (size % kRecordBytes == 0) return "";
  return "The officials file \"" + path + "\" is damaged: its size (" + std::to_string(size) +
         " bytes) is not a whole number of officials records. The whole records are used; the file is kept "
         "as \"" +
         DamagedCopyPath(path) + "\" before the officials are next saved.";
}

Outcome ReadOfficials(const Tournament& t, FileSystem& fs, int division, OfficialsRecord& buffer) {
  Outcome outcome;
  if (division < 0 || division >= kOfficialsAllDivisions) {
    buffer = OfficialsRecord{};  // no division, no officials
    return outcome;
  }
  const std::string path = OfficialsPath(t);
  std::optional<std::string> bytes;
  try {
    bytes = fs.ReadAll(path);
  } catch (const IoError& e) {
    return outcome.Fail(e.what());
  }
  if (!bytes) return outcome;
  if (auto problem = OfficialsSizeProblem(path, bytes->size()); !problem.empty()) outcome.Tell(problem);
  buffer = ParseOfficialsFile(*bytes)[static_cast<std::size_t>(division)];
  return outcome;
}

void WriteOfficials(const Tournament& t, FileSystem& fs, int division, const OfficialsRecord& buffer) {
  if (division < 0 || division >= kOfficialsAllDivisions) return;
  RequireOwnEventFiles(t);
  const std::string path = OfficialsPath(t);
  std::string bytes = fs.ReadAll(path).value_or(EmptyRecords(kOfficialsDivisions));
  if (bytes.size() % kRecordBytes != 0) {
    // Nothing of a damaged file is dropped without a copy the user can go back to.
    WriteFileIfChanged(fs, DamagedCopyPath(path), bytes);
    bytes.resize(bytes.size() - bytes.size() % kRecordBytes);
  }
  const std::size_t at = static_cast<std::size_t>(division) * kRecordBytes;
  if (bytes.size() < at + kRecordBytes) {
    // Short files (and the 60-record files of before) grow to a record for every division.
    const std::size_t whole = static_cast<std::size_t>(
        division < kOfficialsDivisions ? kOfficialsDivisions : kOfficialsAllDivisions);
    bytes.resize(std::max(whole * kRecordBytes, at + kRecordBytes), '\0');
  }
  std::memcpy(bytes.data() + at, &buffer, kRecordBytes);
  WriteFileIfChanged(fs, path, bytes);
}

Outcome PrepareOfficials(const Tournament& t, FileSystem& fs, OfficialsRecord& buffer) {
  if (fs.Exists(OfficialsPath(t))) return ReadOfficials(t, fs, t.CurDivision, buffer);
  buffer = OfficialsRecord{};
  Outcome outcome;
  if (t.EventReadOnly) return outcome;
  // A new file under the program's default name: the scorer is warned that it is not the event's.
  if (!EventHasOwnName(t)) outcome.Tell("No event data file was previously created");
  try {
    WriteFileIfChanged(fs, OfficialsPath(t), EmptyRecords(kOfficialsDivisions));
  } catch (const IoError& e) {
    outcome.Fail(e.what());
  }
  return outcome;
}

std::vector<std::string> OfficialsBlock(int division, int round, const OfficialsRecord& r) {
  auto s = [&](int event, int slot) { return r.Slot(round, event, slot).str(); };
  struct Row {
    const char* slalomLabel;
    int slalomSlot;
    const char* trickLabel;
    int trickSlot;
    const char* jumpLabel;
    int jumpSlot;
  };
  static constexpr Row kRows[] = {
      {"T1J ", 1, " J1  ", 1, " J1  ", 1}, {"T1J ", 2, " J2  ", 2, " J2  ", 2},
      {"T2J ", 3, " J3  ", 3, " BJ  ", 3}, {"T2J ", 4, " J4  ", 4, " BD  ", 6},
      {"BJ  ", 5, " J5  ", 5, " MB1 ", 4}, {"BD  ", 6, " BJ  ", 6, " MB2 ", 5},
      {"ET  ", 7, " BD  ", 7, " ET  ", 7}, {nullptr, 0, " ET  ", 8, nullptr, 0},
  };
  std::vector<std::string> lines = {
      "Division: " + DivisionCode(division) + "    Round:" + RightAlign(std::to_string(round), 2), "",
      "-------- SLALOM ---------- --------- TRICKS ----------- -------- JUMP---------",
      "Position        Name         Position        Name         Position        Name", ""};
  for (const Row& row : kRows) {
    std::string line =
        row.slalomLabel ? row.slalomLabel + PadRight(s(1, row.slalomSlot), 20) : std::string(24, ' ');
    line += row.trickLabel + PadRight(s(2, row.trickSlot), 20);
    if (row.jumpLabel) line += row.jumpLabel + s(3, row.jumpSlot);
    lines.push_back(line);
  }
  lines.insert(lines.end(), {"", ""});
  return lines;
}

std::vector<int> OfficialsReportDivisions(int rulesMode) {
  int first = 0, last = 55;
  switch (rulesMode) {
    case kZetlRules:
      first = 6;
      break;
    case kAwsaRules:
      first = 0;
      break;
    case kIwwfRules:
      first = 56, last = 57;
      break;
    default:
      first = 60, last = 85;
      break;
  }
  std::vector<int> out;
  for (int n = first; n <= last; ++n) out.push_back(n);
  return out;
}
