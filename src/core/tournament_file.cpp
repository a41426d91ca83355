#include "core/tournament_file.h"

#include <algorithm>

#include "core/text.h"

namespace {

const char* const kVersionLine = "2022.1.1   Tallivar Data Version";
const char* const kTeamsMarker = "[TEAMS]";
const char* const kEndMarker = "[END]";

std::string RulesLine(int rulesMode) {
  switch (rulesMode) {
    case 1:
      return "AWSA Overall";
    case 2:
      return "IWSF Overall";
    case 3:
      return "Adapted Overall";
    default:
      return "VOND Overall";
  }
}

std::string PlaceLine(char placeMode) {
  switch (placeMode) {
    case 'F':
      return "First Round Placement";
    case 'L':
      return "Last Round Placement";
    case 'T':
      return "Total Score Placement";
    default:
      return "Best Score Placement";
  }
}

std::string TeamLine(const ShortString<5>& teamMode) {
  char c = teamMode.empty() ? 'B' : teamMode.view()[0];
  switch (c) {
    case 'V':
      return "VOND Team Scores";
    case 'I':
      return "IWSF Team Scores";
    case 'S':
      return "Sum Team Scores";
    default:
      return "Best3 Team Scores";
  }
}

char FirstOf(const std::string& s) { return s.empty() ? '\0' : s[0]; }

void ReadRules(const std::string& line, TournamentFileValues& v) {
  std::string l = Columns(line, 1, 30);
  // "Adapted Overall" begins with "A" like the AWSA line; it is the adapted rules, which read the
  // standards as "D" does.
  if (UpperCase(Columns(l, 1, 7)) == "ADAPTED" || FirstOf(l) == 'D') {
    v.RulesMode = 3;
    v.readStandards = true;
  } else if (FirstOf(l) == 'A') {
    v.RulesMode = 1;
  } else if (FirstOf(l) == 'I') {
    v.RulesMode = 2;
  } else {
    v.RulesMode = 0;
  }
}

void ReadTeamMode(const std::string& line, TournamentFileValues& v) {
  switch (FirstOf(line)) {
    case 'B':
      v.TeamMode = "BEST3";
      break;
    case 'I':
      v.TeamMode = "IWSF ";
      break;
    case 'S':
      v.TeamMode = "SUM  ";
      break;
    default:
      v.TeamMode = "VOND ";
      break;
  }
  v.readRecords = FirstOf(line) == 'V';
}

void ReadSanction(const std::string& line, TournamentFileValues& v) {
  std::string l = Columns(line, 1, 30);
  std::size_t comma = l.find(',');
  if (comma == std::string::npos) {
    v.info.SanctionNo = l;  // no event type given: the one in force stays
    return;
  }
  v.info.SanctionNo = l.substr(0, comma);
  v.info.EventType = l.substr(comma + 1);
  // The class digit is not a line of its own; the national and international event types end in it.
  std::string_view type = v.info.EventType.view();
  if (type.size() == 2 && type[1] >= '1' && type[1] <= '4') v.info.ClassDigit = type[1];
}

void ReadMinutes(const std::string& line, int& minutes) {
  int m = ToIntegerOr(Columns(line, 1, 2), -1);
  if (m >= 0) minutes = m;
}

// Team lines after "[TEAMS]" up to "[END]"; the table becomes exactly the teams read. Lines past
// the fiftieth are the named codes no skier carried when the file was written.
void ReadTeams(const std::vector<std::string>& lines, std::size_t from, TeamTable& teams) {
  std::size_t at = from;
  while (at < lines.size() && lines[at] != kTeamsMarker) ++at;
  if (at == lines.size()) return;
  TeamTable read;
  int slot = 0;
  for (std::size_t i = at + 1; i < lines.size() && lines[i] != kEndMarker; ++i) {
    std::string l = Columns(lines[i], 1, 30);
    std::size_t comma = l.find(',');
    std::string code = comma == std::string::npos ? l : l.substr(0, comma);
    if (code.empty()) break;  // the used slots are a prefix of the table
    TeamSlot team;
    team.code = code;
    team.name = comma == std::string::npos ? "" : l.substr(comma + 1);
    if (slot < kTeamSlots)
      read.slots[static_cast<std::size_t>(++slot)] = team;
    else
      read.resting.push_back(team);
  }
  teams = read;
}

}  // namespace

TournamentFileValues TournamentValuesOf(const Tournament& t) {
  TournamentFileValues v;
  v.info = t.info;
  v.RoundCount = t.RoundCount;
  v.EntryCounter = t.EntryCounter;
  v.teams = t.teams;
  v.startTimes = t.schedule.startTimes;
  v.slalomMinutes = t.schedule.slalomMinutes;
  v.trickMinutes = t.schedule.trickMinutes;
  v.jumpMinutes = t.schedule.jumpMinutes;
  v.RulesMode = t.settings.RulesMode;
  v.PlaceMode = t.settings.PlaceMode;
  v.TeamMode = t.settings.TeamMode;
  v.SiteCode = t.settings.SiteCode;
  return v;
}

void ApplyTournamentValues(Tournament& t, const TournamentFileValues& v) {
  t.info = v.info;
  t.RoundCount = v.RoundCount;
  t.EntryCounter = v.EntryCounter;
  t.teams = v.teams;
  t.schedule.startTimes = v.startTimes;
  t.schedule.slalomMinutes = v.slalomMinutes;
  t.schedule.trickMinutes = v.trickMinutes;
  t.schedule.jumpMinutes = v.jumpMinutes;
  t.settings.RulesMode = v.RulesMode;
  t.settings.PlaceMode = v.PlaceMode;
  t.settings.TeamMode = v.TeamMode;
  t.settings.SiteCode = v.SiteCode;
}

std::string TournamentFileText(const Tournament& t) { return TournamentFileText(TournamentValuesOf(t)); }

std::string TournamentFileText(const TournamentFileValues& v) {
  const TournamentInfo& i = v.info;
  std::vector<std::string> lines = {
      kVersionLine,
      RulesLine(v.RulesMode),
      PlaceLine(v.PlaceMode),
      TeamLine(v.TeamMode),
      i.EventName.str(),
      i.ChiefOfComp.str(),
      i.Scorer.str(),
      i.StartDate.str(),
      i.EndDate.str(),
      i.TechController.str(),
      i.ChiefDriver.str(),
      i.SafetyDirector.str(),
      std::to_string(v.RoundCount),
      std::to_string(v.EntryCounter),
      i.SanctionNo.str() + "," + i.EventType.str(),
      std::to_string(v.slalomMinutes),
      std::to_string(v.trickMinutes),
      std::to_string(v.jumpMinutes),
  };
  for (std::size_t d = 1; d <= 4; ++d) lines.push_back(v.startTimes[d].str());
  lines.push_back(v.SiteCode.str());
  lines.push_back(kTeamsMarker);
  for (std::size_t k = 1; k <= kTeamSlots && !v.teams.slots[k].code.empty(); ++k)
    lines.push_back(v.teams.slots[k].code.str() + "," + v.teams.slots[k].name.str());
  // Names of codes no skier carries just now follow in the same form, so they survive a save.
  for (const TeamSlot& r : v.teams.resting) lines.push_back(r.code.str() + "," + r.name.str());
  lines.push_back(kEndMarker);
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  return text;
}

void ParseTournamentFile(const std::vector<std::string>& lines, TournamentFileValues& v) {
  auto line = [&](std::size_t n) -> const std::string* {
    return n <= lines.size() ? &lines[n - 1] : nullptr;
  };
  // The modes take effect only once every line is read.
  TournamentFileValues modes = v;
  if (auto l = line(2)) ReadRules(*l, modes);
  if (auto l = line(3)) {
    char c = FirstOf(*l);
    if (c == 'B' || c == 'F' || c == 'L' || c == 'T') modes.PlaceMode = c;
  }
  if (auto l = line(4)) ReadTeamMode(*l, modes);
  if (auto l = line(5)) v.info.EventName = *l;
  if (auto l = line(6)) v.info.ChiefOfComp = *l;
  if (auto l = line(7)) v.info.Scorer = *l;
  if (auto l = line(8)) v.info.StartDate = *l;
  if (auto l = line(9)) v.info.EndDate = *l;
  if (auto l = line(10)) v.info.TechController = *l;
  if (auto l = line(11)) v.info.ChiefDriver = *l;
  if (auto l = line(12)) v.info.SafetyDirector = *l;
  if (auto l = line(13)) {
    int rounds = ToIntegerOr(Columns(*l, 1, 1), 0);
    if (rounds >= 1 && rounds <= 4) v.RoundCount = rounds;
  }
  if (auto l = line(14)) {
    int counter = ToIntegerOr(*l, -1);
    if (counter >= 0) {
      v.EntryCounter = counter;
      v.entryCounterRead = true;
    }
  }
  if (auto l = line(15)) ReadSanction(*l, v);
  if (auto l = line(16)) ReadMinutes(*l, v.slalomMinutes);
  if (auto l = line(17)) ReadMinutes(*l, v.trickMinutes);
  if (auto l = line(18)) ReadMinutes(*l, v.jumpMinutes);
  for (std::size_t d = 1; d <= 4; ++d)
    if (auto l = line(18 + d)) v.startTimes[d] = *l;
  // A file written without a site code has its team section at line 23.
  auto siteLine = line(23);
  if (siteLine && *siteLine != kTeamsMarker) v.SiteCode = *siteLine;
  ReadTeams(lines, 22, v.teams);
  v.RulesMode = modes.RulesMode;
  v.PlaceMode = modes.PlaceMode;
  v.TeamMode = modes.TeamMode;
  v.readStandards = modes.readStandards;
  v.readRecords = modes.readRecords;
}
