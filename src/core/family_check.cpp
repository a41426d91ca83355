#include "core/family_check.h"

#include <cstring>

#include "core/divisions.h"
#include "core/errors.h"
#include "core/event_files.h"
#include "core/file_io.h"
#include "core/officials_file.h"
#include "core/schedule_file.h"
#include "core/skier_file.h"
#include "core/text.h"
#include "core/tie_order_file.h"
#include "core/trick_file_copy.h"

namespace {

// The markers of the trick pass file; its reader lives with the trick scoring.
constexpr std::string_view kTrickStart = "------- Start of File --------";
constexpr std::size_t kTrickStrings = 62;  // key, 30 rows of each pass, end marker
constexpr std::size_t kTrickStringSize = 31;

using Problems = std::vector<std::string>;

std::string SizeProblem(std::size_t size, std::size_t record, const char* what) {
  return "wrong size: " + std::to_string(size) + " bytes is not a whole number of " + std::to_string(record) +
         "-byte " + what;
}

void CheckSkiers(std::string_view bytes, Problems& out) {
  if (bytes.size() % kSkierRecordSize != 0)
    out.push_back(SizeProblem(bytes.size(), kSkierRecordSize, "records"));
  const std::size_t count = bytes.size() / kSkierRecordSize;
  if (count < 2) {
    out.push_back("holds " + std::to_string(count) + " whole records; the list needs at least its two ends");
    return;
  }
  bool recordsSound = true;
  for (std::size_t i = 0; i < count; ++i) {
    TSkier s;
    std::memcpy(&s, bytes.data() + i * kSkierRecordSize, kSkierRecordSize);
    std::string why = CheckSkierRecord(s);
    if (why.empty()) continue;
    recordsSound = false;
    out.push_back("record " + std::to_string(i + 1) + ": " + why);
  }
  if (!recordsSound || bytes.size() % kSkierRecordSize != 0) return;
  std::list<TSkier> list;
  std::string why;
  if (!ParseSkierFile(bytes, list, why)) out.push_back(why);
}

bool IsNumberLine(const std::string& line) {
  return !line.empty() && Trim(line).find_first_not_of("0123456789") == std::string::npos;
}

void CheckTournamentLines(std::string_view bytes, Problems& out) {
  const std::vector<std::string> lines = SplitLines(bytes);
  auto bad = [&](std::size_t n, const std::string& why) {
    out.push_back("line " + std::to_string(n) + " does not read: " + why);
  };
  if (lines.size() < 22)
    out.push_back("only " + std::to_string(lines.size()) + " lines; the settings need 22");
  // The text lines with the longest text each may hold.
  const std::pair<std::size_t, std::size_t> texts[] = {{5, 80}, {6, 80},  {7, 80},  {8, 8},
                                                       {9, 8},  {10, 80}, {11, 80}, {12, 80}};
  for (auto [n, width] : texts)
    if (n <= lines.size() && lines[n - 1].size() > width)
      bad(n, "a text of " + std::to_string(lines[n - 1].size()) + " characters, more than " +
                 std::to_string(width));
  if (lines.size() >= 13) {
    const int rounds = ToIntegerOr(lines[12], 0);
    if (!IsNumberLine(lines[12]) || rounds < 1 || rounds > 4)
      bad(13, "\"" + lines[12] + "\" is not a round count 1 to 4");
  }
  for (std::size_t n : {14u, 16u, 17u, 18u})
    if (n <= lines.size() && !IsNumberLine(lines[n - 1]))
      bad(n, "\"" + lines[n - 1] + "\" is not a whole number");
  std::size_t teams = 0;
  while (teams < lines.size() && lines[teams] != "[TEAMS]") ++teams;
  if (teams == lines.size()) {
    out.push_back("there is no \"[TEAMS]\" line");
    return;
  }
  std::size_t end = teams + 1;
  while (end < lines.size() && lines[end] != "[END]") {
    if (lines[end].find(',') == std::string::npos)
      bad(end + 1, "\"" + lines[end] + "\" is not a team CODE,NAME");
    ++end;
  }
  if (end == lines.size()) out.push_back("the team list does not end in \"[END]\"");
}

template <std::size_t N>
void CheckShortString(const unsigned char* at, const std::string& where, Problems& out) {
  if (at[0] > N)
    out.push_back(where + ": a text of length " + std::to_string(at[0]) + " in a field of " +
                  std::to_string(N));
}

void CheckSchedule(std::string_view bytes, Problems& out) {
  if (bytes.size() != kScheduleFileSize) {
    out.push_back("wrong size: " + std::to_string(bytes.size()) + " bytes instead of " +
                  std::to_string(kScheduleFileSize));
    return;
  }
  for (std::size_t d = 1; d <= 4; ++d)
    for (std::size_t r = 1; r <= 50; ++r) {
      ScheduleRow row;
      std::memcpy(&row, bytes.data() + (d - 1) * sizeof(DayTable) + (r - 1) * sizeof(ScheduleRow),
                  sizeof row);
      const std::string where = "day " + std::to_string(d) + " row " + std::to_string(r);
      if (row.division > kNoDivision)
        out.push_back(where + ": division byte " + std::to_string(row.division) + " is out of range");
      if (!row.event.lengthValid() || !row.start.lengthValid() || !row.end.lengthValid())
        out.push_back(where + ": a short string is longer than its field");
    }
}

void CheckOfficials(std::string_view bytes, Problems& out) {
  if (bytes.size() % sizeof(OfficialsRecord) != 0)
    out.push_back(SizeProblem(bytes.size(), sizeof(OfficialsRecord), "division records"));
  const std::size_t count = bytes.size() / sizeof(OfficialsRecord);
  if (count > static_cast<std::size_t>(kOfficialsAllRecords))
    out.push_back("bad record number: " + std::to_string(count) + " records, but only divisions 0 to " +
                  std::to_string(kOfficialsAllRecords - 1) + " have officials");
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  for (std::size_t i = 0; i < count * sizeof(OfficialsRecord); i += 21)
    CheckShortString<20>(data + i,
                         "record " + std::to_string(i / sizeof(OfficialsRecord)) + " (division " +
                             DivisionCode(static_cast<int>(i / sizeof(OfficialsRecord))) + ")",
                         out);
}

void CheckTrickPasses(std::string_view bytes, Problems& out) {
  if (bytes.size() % kTrickRecordSize != 0)
    out.push_back(SizeProblem(bytes.size(), kTrickRecordSize, "records"));
  const std::size_t count = bytes.size() / kTrickRecordSize;
  if (count > kTrickRecordLimit)
    out.push_back("bad record number: " + std::to_string(count) + " records, more than " +
                  std::to_string(kTrickRecordLimit));
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned char* record = data + i * kTrickRecordSize;
    for (std::size_t k = 0; k < kTrickStrings; ++k)
      CheckShortString<30>(record + k * kTrickStringSize, "record " + std::to_string(i + 1), out);
  }
  if (count > 0) {
    const std::size_t len = std::min<std::size_t>(data[0], 30);
    if (std::string_view(bytes.data() + 1, len) != kTrickStart)
      out.push_back("record 1 is not the start of the file");
  }
}

void CheckTieOrder(std::string_view bytes, Problems& out) {
  TieOrders ties;
  std::string why;
  if (!ParseTieOrderText(bytes, ties, why)) out.push_back(why);
}

FileCheck CheckOne(FileSystem& fs, const std::string& path, bool required,
                   void (*check)(std::string_view, Problems&)) {
  FileCheck result{path, false, required, {}};
  try {
    const FileKind kind = fs.Kind(path);
    if (kind != FileKind::Missing && kind != FileKind::Regular) {
      // A FIFO or a device is never opened: reading it could wait for ever.
      result.present = true;
      result.problems.push_back(kind == FileKind::Folder ? "is a folder, not a file"
                                                         : "is not a regular file (a FIFO or a device); not read");
      return result;
    }
    auto bytes = fs.ReadAll(path);
    if (!bytes) {
      if (required) result.problems.push_back("missing");
      return result;
    }
    result.present = true;
    check(*bytes, result.problems);
  } catch (const IoError& e) {
    result.present = true;
    result.problems.push_back(std::string("cannot be read: ") + e.what());
  }
  return result;
}

}  // namespace

std::vector<FileCheck> CheckEventFamily(FileSystem& fs, const std::string& eventFile) {
  const std::string base = EventBaseOf(eventFile);
  return {
      CheckOne(fs, eventFile, true, CheckSkiers),
      CheckOne(fs, base + ".bak", false, CheckSkiers),
      CheckOne(fs, base + ".ttl", true, CheckTournamentLines),
      CheckOne(fs, base + ".sch", false, CheckSchedule),
      CheckOne(fs, base + ".ofc", false, CheckOfficials),
      CheckOne(fs, base + ".trk", false, CheckTrickPasses),
      CheckOne(fs, TieOrderPath(base), false, CheckTieOrder),
  };
}

Problems SkierFileProblems(std::string_view bytes) {
  Problems out;
  CheckSkiers(bytes, out);
  return out;
}

Problems TournamentFileProblems(std::string_view bytes) {
  Problems out;
  CheckTournamentLines(bytes, out);
  return out;
}

Problems ScheduleFileProblems(std::string_view bytes) {
  Problems out;
  CheckSchedule(bytes, out);
  return out;
}

bool FamilyIsSound(const std::vector<FileCheck>& checks) {
  for (const auto& c : checks)
    if (!c.problems.empty()) return false;
  return true;
}
