#include "core/settings_file.h"

#include <algorithm>
#include <filesystem>

#include "core/errors.h"
#include "core/file_io.h"
#include "core/text.h"

namespace {

constexpr std::size_t kSettingLineLength = 80;
constexpr std::size_t kTableLineLength = 60;
const char* const kNewline = "\r\n";

std::vector<std::string> LinesOf(const std::string& bytes, std::size_t maxLength) {
  std::vector<std::string> lines = SplitLines(bytes);
  for (auto& l : lines)
    if (l.size() > maxLength) l.resize(maxLength);
  return lines;
}

std::string JoinPath(const std::string& dir, const char* name) {
  if (dir.empty() || dir == ".") return name;
  return (std::filesystem::path(dir) / name).string();
}

// The index of the first line equal to `marker`, or lines.size().
std::size_t Find(const std::vector<std::string>& lines, std::string_view marker, std::size_t from = 0) {
  for (std::size_t i = from; i < lines.size(); ++i)
    if (lines[i] == marker) return i;
  return lines.size();
}

// A number of the records or standards table; anything that is no number a result can be reads as 0.
double TableNumber(std::string_view text) {
  double v = ToNumberOr(text, 0);
  return IsPlausibleNumber(v) ? v : 0;
}

// The lines of the settings file after a table's heading, its title first; nothing when the file
// or the heading is missing. Once the file was read the tables count as loaded, whatever it holds.
std::vector<std::string> TableSection(Tournament& t, FileSystem& fs, std::string_view heading,
                                      Outcome& outcome) {
  t.tables.RecordsLoaded = false;
  auto bytes = ReadSettingsBytes(t, fs, outcome);
  if (!bytes) return {};
  t.tables.RecordsLoaded = true;
  auto lines = LinesOf(*bytes, kTableLineLength);
  const std::size_t at = Find(lines, heading);
  if (at + 1 >= lines.size()) return {};
  return {lines.begin() + static_cast<std::ptrdiff_t>(at + 1), lines.end()};
}

}  // namespace

std::string SettingsPath(const Tournament& t) {
  return t.SettingsFile.empty() ? JoinPath(t.SettingsDir, "TALLIVAR.INI") : t.SettingsFile;
}
std::string SettingsBackupPath(const Tournament& t) { return JoinPath(t.SettingsDir, "TALLIVAR.OLD"); }

bool FileExists(FileSystem& fs, const std::string& path, Outcome& outcome) {
  if (fs.Exists(path)) return true;
  outcome.Fail("ERROR - \"" + path + "\" not found");
  return false;
}

std::optional<std::string> ReadSettingsBytes(const Tournament& t, FileSystem& fs, Outcome& outcome) {
  const std::string path = SettingsPath(t);
  if (!FileExists(fs, path, outcome)) return std::nullopt;
  try {
    return fs.ReadAll(path);
  } catch (const IoError& e) {
    outcome.Fail(e.what());
    return std::nullopt;
  }
}

bool ParseSettings(const std::vector<std::string>& lines, SettingsValues& out) {
  std::size_t at = Find(lines, "[TALLIVAR]");
  if (at == lines.size()) return false;
  auto line = [&](int k) -> const std::string* {
    std::size_t i = at + static_cast<std::size_t>(k);
    return i < lines.size() ? &lines[i] : nullptr;
  };
  if (auto l = line(1)) out.Country = Columns(*l, 11, 13);
  if (auto l = line(2)) {
    std::string c = Columns(*l, 11, 11);
    // The written value of the adapted rules begins with "A" like AWSA; recognise it first.
    if (Columns(*l, 11, 15) == "ADAPT")
      out.RulesMode = 3;
    else if (c == "A")
      out.RulesMode = 1;
    else if (c == "I")
      out.RulesMode = 2;
    else if (c == "N")
      out.RulesMode = 3;
    else
      out.RulesMode = 0;
  }
  if (auto l = line(3)) out.LastFile = Columns(*l, 12, static_cast<int>(l->size()));
  if (auto l = line(4)) {
    std::string v = Columns(*l, 8, 12);
    out.TeamMode = (v == "BEST3" || v == "SUM" || v == "IWSF") ? v : "BEST3";
  }
  if (auto l = line(5)) {
    std::string c = Columns(*l, 9, 9);
    if (!c.empty()) out.PlaceMode = c[0];
  }
  if (auto l = line(6)) out.Prov = Columns(*l, 8, 9);
  if (auto l = line(7)) out.SiteCode = Columns(*l, 12, 18);
  return true;
}

Outcome ReadSettings(Tournament& t, FileSystem& fs) {
  const std::string path = SettingsPath(t);
  Outcome outcome;
  std::optional<std::string> bytes;
  try {
    bytes = fs.ReadAll(path);
    if (!bytes) outcome.Tell("ERROR - \"" + path + "\" not found");
  } catch (const IoError& e) {
    outcome.Tell(e.what());
  }
  if (!bytes) return outcome.Fail("INI Read error");
  ParseSettings(LinesOf(*bytes, kSettingLineLength), t.settings);
  if (t.settings.RulesMode == 0) outcome.Append(ReadRecords(t, fs));
  return outcome;
}

std::vector<std::string> SettingLines(const Tournament& t) {
  static const char* const kScoring[] = {"VOND", "AWSA", "IWSF", "ADAPT"};
  const SettingsValues& s = t.settings;
  std::vector<std::string> out;
  out.push_back("Country = " + s.Country.str());
  int rm = s.RulesMode;
  out.push_back(std::string("Scoring = ") + (rm >= 0 && rm <= 3 ? kScoring[rm] : "VOND"));
  out.push_back("LastFile = " + t.EventFile.str());
  char team = s.TeamMode.empty() ? ' ' : s.TeamMode.view()[0];
  switch (team) {
    case 'B': out.push_back("Team = BEST3"); break;
    case 'V': out.push_back("Team = VOND"); break;
    case 'I': out.push_back("Team = IWSF"); break;
    case 'S': out.push_back("Team = SUM"); break;
    default: out.push_back("Team = Unknown"); break;
  }
  switch (s.PlaceMode) {
    case 'B': out.push_back("Place = Best Score Placement"); break;
    case 'F': out.push_back("Place = First Round Placement"); break;
    case 'L': out.push_back("Place = Last Round Placement"); break;
    case 'T': out.push_back("Place = Total Score Placement"); break;
    default: out.push_back("Place = unknown"); break;
  }
  out.push_back("Prov = " + s.Prov.str());
  out.push_back("SiteCode = " + s.SiteCode.str());
  return out;
}

std::string RewriteSettings(const std::vector<std::string>* oldLines, const Tournament& t) {
  std::string out;
  auto put = [&](const std::string& l) {
    out += l;
    out += kNewline;
  };
  std::size_t resume = 0;
  if (oldLines) {
    std::size_t at = Find(*oldLines, "[TALLIVAR]");
    for (std::size_t i = 0; i < oldLines->size() && i <= at; ++i) put((*oldLines)[i]);
    // A file without the block gets it at its end, with its heading, so it reads back.
    if (at == oldLines->size()) put("[TALLIVAR]");
    resume = at == oldLines->size() ? at : Find(*oldLines, "[VOND]", at + 1);
  } else {
    put("[TALLIVAR]");
  }
  for (const auto& l : SettingLines(t)) put(l);
  put("");
  if (oldLines)
    for (std::size_t i = resume; i < oldLines->size(); ++i) put((*oldLines)[i]);
  return out;
}

void WriteSettings(const Tournament& t, FileSystem& fs) {
  const std::string path = SettingsPath(t);
  auto old = fs.ReadAll(path);
  std::vector<std::string> oldLines;
  if (old) {
    oldLines = SplitLines(*old);
    // The backup is a complete copy before the new file replaces the old one.
    WriteFileSafely(fs, SettingsBackupPath(t), *old);
  }
  WriteFileSafely(fs, path, RewriteSettings(old ? &oldLines : nullptr, t));
}

Outcome ReadRecords(Tournament& t, FileSystem& fs) {
  for (auto& row : t.tables.Records) row.fill(0.0);
  Outcome outcome;
  const auto lines = TableSection(t, fs, "[VOND]", outcome);
  if (lines.empty()) return outcome;
  std::string title = lines[0];
  if (!title.empty() && title[0] == ';') title.erase(0, 1);
  t.tables.RecordsTitle = title;
  for (std::size_t d = 0; d < 50 && d + 1 < lines.size(); ++d) {
    const std::string& l = lines[d + 1];
    t.tables.Records[d][0] = TableNumber(Columns(l, 6, 10));
    t.tables.Records[d][1] = TableNumber(Columns(l, 12, 16));
    t.tables.Records[d][2] = TableNumber(Columns(l, 18, 21));
  }
  return outcome;
}

Outcome ReadNops(Tournament& t, FileSystem& fs) {
  Outcome outcome;
  const auto lines = TableSection(t, fs, "[AWSA_NOPS]", outcome);
  if (lines.empty()) return outcome;
  t.tables.RecordsTitle = lines[0];
  // Two heading lines stand between the title and the first division.
  for (std::size_t d = 0; d < 56 && d + 3 < lines.size(); ++d) {
    const std::string& l = lines[d + 3];
    t.tables.Nops[0][d] = TableNumber(Columns(l, 10, 18));
    t.tables.Nops[1][d] = TableNumber(Columns(l, 20, 27));
    t.tables.Nops[2][d] = TableNumber(Columns(l, 36, 45));
  }
  return outcome;
}

Outcome CheckRecord(const Tournament& t, FileSystem& fs, int event, double score) {
  Outcome outcome;
  if (!FileExists(fs, SettingsPath(t), outcome)) return outcome;
  if (event < 1 || event > 3) return outcome;
  // The records table covers divisions 0..59; the adapted divisions have no national records.
  if (t.CurDivision < 0 || t.CurDivision >= 60) return outcome;
  if (score > t.tables.Records[static_cast<std::size_t>(t.CurDivision)][static_cast<std::size_t>(event - 1)])
    outcome.Tell("Possible Canadian Record!! May require a Record Application");
  return outcome;
}
