#include "results/team_scoring.h"

#include <algorithm>

#include "core/divisions.h"
#include "core/text.h"
#include "entries/team_table.h"

namespace {

constexpr std::array<char, 3> kEvents{'S', 'T', 'J'};

TeamScore* TeamOf(std::vector<TeamScore>& teams, const TSkier& s) {
  if (s.Team.empty()) return nullptr;
  for (TeamScore& team : teams)
    if (team.code == s.Team.view()) return &team;
  return nullptr;
}

void AddUpThrees(std::vector<TeamScore>& teams) {
  for (TeamScore& team : teams) team.total = team.slalom.sum() + team.trick.sum() + team.jump.sum();
}

// The three best event points per event of the skiers that `counts` admits, named by surname.
template <typename Counts>
void BestThreeOf(const Tournament& t, std::vector<TeamScore>& teams, Counts counts) {
  t.skiers.ForEach([&](const TSkier& s) {
    TeamScore* team = TeamOf(teams, s);
    if (team == nullptr || !counts(s)) return;
    for (char e : kEvents) InsertTeamValue(team->of(e), PointsOf(s, e), s.Surname.str());
  });
  AddUpThrees(teams);
}

}  // namespace

TeamRule TeamRuleOf(std::string_view teamMode) {
  switch (teamMode.empty() ? 'B' : teamMode[0]) {
    case 'V':
      return TeamRule::National;
    case 'I':
      return TeamRule::Iwsf;
    case 'S':
      return TeamRule::Sum;
    default:
      return TeamRule::Best3;
  }
}

void InsertTeamValue(TeamThree& three, double value, const std::string& name) {
  auto& v = three.value;
  auto& n = three.name;
  if (value > v[0]) {
    v[2] = v[1], n[2] = n[1];
    v[1] = v[0], n[1] = n[0];
    v[0] = value, n[0] = name;
  } else if (value > v[1]) {
    v[2] = v[1], n[2] = n[1];
    v[1] = value, n[1] = name;
  } else if (value > v[2]) {
    v[2] = value, n[2] = name;
  }
}

const std::vector<IwsfPair>& IwsfPairs() {
  static const std::vector<IwsfPair> pairs = {
      {10, 11, "Team Scoring for B,G (under 14)"},   {12, 13, "Team Scoring for M,W (under 17)"},
      {14, 15, "Team Scoring for M,W (under 21)"},   {18, 19, "Team Scoring for M1,W1 (Senior 1)"},
      {20, 21, "Team Scoring for M2,W2 (Senior 2)"}, {22, 23, "Team Scoring for M3,W3 (Senior 3)"},
      {24, 25, "Team Scoring for M4,W4 (Senior 4)"}, {56, 57, "Team Scoring for IM,IW (Open)"},
  };
  return pairs;
}

std::optional<IwsfPair> IwsfPairOf(int division) {
  for (const IwsfPair& p : IwsfPairs())
    if (division == p.first || division == p.second) return p;
  return std::nullopt;
}

std::string IwsfNoPairLine() {
  std::string line = "IWWF team scoring needs a current division of an age-group pair:";
  const char* separator = " ";
  for (const IwsfPair& p : IwsfPairs()) {
    line += separator + DivisionCode(p.first) + "/" + DivisionCode(p.second);
    separator = ", ";
  }
  return line;
}

std::vector<TeamScore> TeamEntries(const TeamTable& table) {
  std::vector<TeamScore> teams;
  for (std::size_t k = 1; k <= kTeamSlots && !table.slots[k].code.empty(); ++k) {
    TeamScore team;
    team.code = table.slots[k].code.str();
    team.name = table.slots[k].name.str();
    teams.push_back(team);
  }
  return teams;
}

void TeamBest3(const Tournament& t, std::vector<TeamScore>& teams) {
  BestThreeOf(t, teams, [](const TSkier&) { return true; });
}

void TeamIwsf(const Tournament& t, std::vector<TeamScore>& teams, int first, int second) {
  BestThreeOf(t, teams, [&](const TSkier& s) { return s.Division == first || s.Division == second; });
}

void TeamSum(const Tournament& t, std::vector<TeamScore>& teams) {
  t.skiers.ForEach([&](const TSkier& s) {
    if (TeamScore* team = TeamOf(teams, s)) team->total += s.SlalomPoints + s.TrickPoints + s.JumpPoints;
  });
}

void SortTeams(std::vector<TeamScore>& teams) {
  std::stable_sort(teams.begin(), teams.end(),
                   [](const TeamScore& a, const TeamScore& b) { return a.total > b.total; });
}

TeamStandings ComputeTeamStandings(Tournament& t) { return ComputeTeamStandings(t, t.teams); }

TeamStandings ComputeTeamStandings(const Tournament& t, TeamTable& table) {
  TeamStandings st;
  st.messages = CollectTeams(table, t.skiers).messages;
  st.rule = TeamRuleOf(t.settings.TeamMode.view());
  st.teams = TeamEntries(table);
  switch (st.rule) {
    case TeamRule::Best3:
      TeamBest3(t, st.teams);
      break;
    case TeamRule::Sum:
      TeamSum(t, st.teams);
      break;
    case TeamRule::National:
      TeamNational(t, st.teams);
      break;
    case TeamRule::Iwsf:
      if (auto pair = IwsfPairOf(t.CurDivision)) {
        st.title = pair->title;
        TeamIwsf(t, st.teams, pair->first, pair->second);
      } else {
        st.title = IwsfNoPairLine();
        st.computed = false;
      }
      break;
  }
  if (st.rule == TeamRule::National && t.RoundCount > 1 && t.CurRound == 1)
    st.messages.push_back(kNationalTeamWarning);
  SortTeams(st.teams);
  return st;
}

std::vector<std::string> TeamResultLines(const TeamStandings& st) {
  std::vector<std::string> lines;
  if (!st.title.empty()) lines.push_back(st.title);
  if (!st.computed) return lines;
  for (std::size_t i = 0; i < st.teams.size() && i < kMaxTeamLines; ++i) {
    const TeamScore& team = st.teams[i];
    lines.push_back(team.code + " " + PadRight(team.name.substr(0, 20), 20) + Fixed(team.total, 6, 1));
  }
  return lines;
}
