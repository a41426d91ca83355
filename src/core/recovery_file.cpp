#include "core/recovery_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "core/errors.h"
#include "core/event_files.h"
#include "core/file_io.h"
#include "core/schedule_file.h"
#include "core/settings_file.h"
#include "core/skier_file.h"
#include "core/skier_identity.h"
#include "core/tie_order_file.h"
#include "core/tournament_file.h"

namespace {

constexpr std::string_view kMagic = "Tallivar recovery 1\n";

std::uint64_t CheckSum(std::string_view bytes) {
  std::uint64_t h = 1469598103934665603ULL;  // FNV-1a
  for (unsigned char c : bytes) {
    h ^= c;
    h *= 1099511628211ULL;
  }
  return h;
}

std::string Hex(std::uint64_t v) {
  char buf[17];
  std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
  return buf;
}

void AddSection(std::string& out, std::string_view name, std::string_view bytes) {
  out.append(name).append(" ").append(std::to_string(bytes.size())).append("\n").append(bytes).append("\n");
}

// The scores the restored work will hold: those typed in a grid count too.
int ScoresWithGridEdits(const std::list<TSkier>& nodes, const Tournament::GridEdits& edits) {
  if (edits.skiers.empty()) return CountScores(nodes);
  std::list<TSkier> edited = nodes;
  ApplyGridEdits(edited, edits);
  return CountScores(edited);
}

// "division event round" on one line, then the edited records as in the skier file.
std::string GridEditsBytes(const Tournament::GridEdits& e) {
  std::string out = std::to_string(e.division) + " " + std::string(1, e.event) + " " + std::to_string(e.round) + "\n";
  for (const TSkier& s : e.skiers) out.append(reinterpret_cast<const char*>(&s), sizeof s);
  return out;
}

bool ParseGridEdits(std::string_view bytes, Tournament::GridEdits& out) {
  const std::size_t end = bytes.find('\n');
  if (end == std::string_view::npos) return false;
  Tournament::GridEdits e;
  char event = 0;
  int used = 0;
  const std::string head(bytes.substr(0, end));
  if (std::sscanf(head.c_str(), "%d %c %d%n", &e.division, &event, &e.round, &used) != 3 ||
      static_cast<std::size_t>(used) != head.size() || e.division < 0 || e.division > 85 ||
      (event != 'S' && event != 'T' && event != 'J') || e.round < 1 || e.round > 4)
    return false;
  e.event = event;
  bytes.remove_prefix(end + 1);
  if (bytes.empty() || bytes.size() % sizeof(TSkier) != 0) return false;
  for (std::size_t at = 0; at < bytes.size(); at += sizeof(TSkier)) {
    TSkier s{};
    std::memcpy(&s, bytes.data() + at, sizeof s);
    if (!CheckSkierRecord(s).empty()) return false;
    e.skiers.push_back(s);
  }
  out = std::move(e);
  return true;
}

// Reads the file front to back; every step names what it expected when the file is not that.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : rest_(bytes) {}
  // The value of a line "name value".
  bool Line(std::string_view name, std::string& value) {
    std::size_t end = rest_.find('\n');
    if (end == std::string_view::npos || rest_.substr(0, name.size() + 1) != std::string(name) + " ")
      return Fail(name);
    value = std::string(rest_.substr(name.size() + 1, end - name.size() - 1));
    rest_.remove_prefix(end + 1);
    return true;
  }
  bool Number(std::string_view name, long long& n) {
    std::string text;
    if (!Line(name, text) || text.empty()) return Fail(name);
    char* end = nullptr;
    n = std::strtoll(text.c_str(), &end, 10);
    return (*end == 0 && n >= 0) || Fail(name);
  }
  bool Section(std::string_view name, std::string& bytes) {
    long long size = 0;
    if (!Number(name, size)) return false;
    if (static_cast<unsigned long long>(size) + 1 > rest_.size() ||
        rest_[static_cast<std::size_t>(size)] != '\n')
      return Fail(name);
    bytes = std::string(rest_.substr(0, static_cast<std::size_t>(size)));
    rest_.remove_prefix(static_cast<std::size_t>(size) + 1);
    return true;
  }
  // Whether the next part is `name`: parts added later are optional, so copies written before
  // them still read.
  bool Next(std::string_view name) const { return rest_.starts_with(std::string(name) + " "); }
  std::string why;

 private:
  bool Fail(std::string_view name) {
    if (why.empty()) why = "the part \"" + std::string(name) + "\" is missing or cut short";
    return false;
  }
  std::string_view rest_;
};

std::string TimeStamp(const DateTime& d) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day, d.hour, d.minute,
                d.second);
  return buf;
}

bool ParseTimeStamp(const std::string& text, DateTime& d) {
  return std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d", &d.year, &d.month, &d.day, &d.hour, &d.minute,
                     &d.second) == 6;
}

// The longest file name the usual file systems take, in bytes.
constexpr std::size_t kNameMax = 255;
constexpr int kAsideTries = 100;

// At most `size` bytes of a file name, never cut inside a UTF-8 character.
std::string CutName(const std::string& name, std::size_t size) {
  if (name.size() <= size) return name;
  std::size_t end = size;
  while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
  return name.substr(0, end);
}

}  // namespace

bool SameEventFile(const std::string& a, const std::string& b) {
  namespace fs = std::filesystem;
  if (a == b) return true;
  std::error_code ec1, ec2;
  if (fs::equivalent(a, b, ec1)) return true;
  const fs::path ca = fs::weakly_canonical(a, ec1), cb = fs::weakly_canonical(b, ec2);
  if (!ec1 && !ec2 && ca == cb) return true;
  // An event whose folder was moved or renamed: its old path is gone and its file name is the same.
  return !fs::exists(a, ec1) && fs::path(a).filename() == fs::path(b).filename();
}

std::string RecoveryPathOfEvent(const std::string& eventFile) { return EventBaseOf(eventFile) + ".recovery"; }

std::string EventOfRecoveryCopy(const std::string& copyPath) {
  constexpr std::string_view kEnd = ".recovery";
  const bool ends = copyPath.size() >= kEnd.size() && copyPath.compare(copyPath.size() - kEnd.size(), kEnd.size(), kEnd) == 0;
  return (ends ? copyPath.substr(0, copyPath.size() - kEnd.size()) : copyPath) + ".dat";
}

std::string UntitledRecoveryPath(const Tournament& t) {
  return (t.SettingsDir.empty() ? std::string(".") : t.SettingsDir) + "/untitled.recovery";
}

int CountScores(const std::list<TSkier>& nodes) {
  if (nodes.size() < 2) return 0;
  int scores = 0;
  for (auto it = std::next(nodes.begin()); it != std::prev(nodes.end()); ++it)
    for (int r = 1; r <= 4; ++r)
      scores += (it->SlalomScore[r] > 0) + (it->TrickScore[r] > 0) + (JumpRoundResult(*it, r) > 0);
  return scores;
}

void ApplyGridEdits(std::list<TSkier>& nodes, const Tournament::GridEdits& edits) {
  for (const TSkier& edited : edits.skiers)
    for (TSkier& s : nodes)
      if (IsSkier(s, IdentityOf(edited))) s = edited;
}

std::string RecoveryFileBytes(const Tournament& t, bool named, const DateTime& now) {
  const std::string skierBytes = SkierFileBytes(t.skiers);
  const std::string ttl = TournamentFileText(t);
  const std::string sch = ScheduleFileBytes(t.schedule);
  std::string out;
  out.reserve(skierBytes.size() + ttl.size() + sch.size() + 512);
  out.append(kMagic);
  out.append("written ").append(TimeStamp(now)).append("\n");
  out.append("event ").append(t.EventFile.str()).append("\n");
  out.append("named ").append(named ? "1" : "0").append("\n");
  out.append("skiers ").append(std::to_string(t.SkierCount())).append("\n");
  out.append("scores ").append(std::to_string(ScoresWithGridEdits(t.skiers.nodes(), t.gridEdits))).append("\n");
  AddSection(out, "tournament", ttl);
  AddSection(out, "schedule", sch);
  AddSection(out, "skiers-file", skierBytes);
  // After the parts every copy has: an older program reads up to here and skips the rest.
  AddSection(out, "tie-order", TieOrderText(t.ties));
  if (!t.gridEdits.skiers.empty()) AddSection(out, "grid-edits", GridEditsBytes(t.gridEdits));
  const std::string sum = Hex(CheckSum(out));
  out.append("check ").append(sum).append("\n");
  return out;
}

bool ParseRecoveryFile(std::string_view bytes, RecoveryFile& out, std::string& why) {
  if (bytes.substr(0, kMagic.size()) != kMagic) {
    why = "it is not a Tallivar recovery file";
    return false;
  }
  // The check sum covers everything before its own line.
  std::size_t check = bytes.rfind("check ");
  if (check == std::string_view::npos ||
      bytes.substr(check) != "check " + Hex(CheckSum(bytes.substr(0, check))) + "\n") {
    why = "its contents do not match their check sum (the file is cut short or damaged)";
    return false;
  }
  Reader in(bytes.substr(kMagic.size(), check - kMagic.size()));
  std::string written, named, sch, skierBytes;
  long long skiers = 0, scores = 0;
  RecoveryFile r;
  if (!in.Line("written", written) || !in.Line("event", r.eventFile) || !in.Line("named", named) ||
      !in.Number("skiers", skiers) || !in.Number("scores", scores) ||
      !in.Section("tournament", r.tournamentText) || !in.Section("schedule", sch) ||
      !in.Section("skiers-file", skierBytes)) {
    why = in.why;
    return false;
  }
  std::string ties;
  if (in.Next("tie-order") && (!in.Section("tie-order", ties) || !ParseTieOrderText(ties, r.ties, why))) {
    why = in.why.empty() ? "its tie order is damaged: " + why : in.why;
    return false;
  }
  std::string edits;
  if (in.Next("grid-edits") && (!in.Section("grid-edits", edits) || !ParseGridEdits(edits, r.gridEdits))) {
    why = in.why.empty() ? "its scores typed in a grid are damaged" : in.why;
    return false;
  }
  if (!ParseTimeStamp(written, r.written)) {
    why = "its time of writing is unreadable";
    return false;
  }
  if (!ParseSkierFile(skierBytes, r.nodes, why)) {
    why = "its skiers are damaged: " + why;
    return false;
  }
  if (!ParseScheduleFile(sch, r.schedule, why)) {
    why = "its schedule is damaged: " + why;
    return false;
  }
  r.named = named == "1";
  r.skiers = static_cast<int>(r.nodes.size()) - 2;
  r.scores = ScoresWithGridEdits(r.nodes, r.gridEdits);
  out = std::move(r);
  return true;
}

std::string RecoveryAsideName(FileSystem& fs, const std::string& path, const DateTime& now) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, ".%04d-%02d-%02d_%02d-%02d-%02d", now.year, now.month, now.day, now.hour,
                now.minute, now.second);
  const std::filesystem::path whole(path);
  const std::string name = whole.filename().string();
  for (int n = 1; n <= kAsideTries; ++n) {
    const std::string suffix = stamp + (n == 1 ? std::string() : "-" + std::to_string(n));
    // A name the file system cannot take would never be free: it is cut to fit instead, keeping
    // ".recovery" so the file still says what it is.
    const std::string ext = whole.extension().string();
    const std::string fitted =
        ext.size() + suffix.size() < kNameMax
            ? CutName(name.substr(0, name.size() - ext.size()), kNameMax - ext.size() - suffix.size()) + ext
            : CutName(name, kNameMax - suffix.size());
    const std::string aside = (whole.parent_path() / (fitted + suffix)).string();
    if (fs.Kind(aside) == FileKind::Missing) return aside;
  }
  throw IoError("No free name to set \"" + path + "\" aside under: " + std::to_string(kAsideTries) +
                " dated names are taken");
}

void SetRecoveryAside(FileSystem& fs, const std::string& path, const std::string& aside) {
  try {
    fs.Rename(path, aside);
    fs.SyncFolder(FolderOf(path));
  } catch (const IoError& e) {
    throw IoError("Could not set the recovery file \"" + path + "\" aside: " + e.what());
  }
}

Outcome RestoreRecovery(Tournament& t, FileSystem& fs, RecoveryFile& r) {
  TournamentFileValues values = TournamentValuesOf(t);
  ParseTournamentFile(SplitLines(r.tournamentText), values);
  t.EventFile = r.eventFile;
  t.EventBase = EventBaseOf(r.eventFile);
  t.LoadSkiers(std::move(r.nodes));
  t.schedule.days = r.schedule.days;
  t.ties = std::move(r.ties);
  ApplyTournamentValues(t, values);
  Outcome outcome;
  if (values.readStandards) outcome.Append(ReadNops(t, fs));
  if (values.readRecords) outcome.Append(ReadRecords(t, fs));
  t.MarkChanged();
  return outcome;
}

std::string RecoveryTimeText(const DateTime& d) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d at %02d:%02d:%02d", d.day, d.month, d.year, d.hour, d.minute,
                d.second);
  return buf;
}
