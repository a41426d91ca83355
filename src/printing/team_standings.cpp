#include "printing/team_standings.h"

#include "core/text.h"

namespace {

const std::string kDashes(110, '-');

std::string CutOrPad(const std::string& text, int width) {
  return PadRight(text.substr(0, static_cast<std::size_t>(width)), width);
}

std::string EventLine(const char* caption, const TeamThree& three) {
  std::string line = caption;
  for (std::size_t i = 0; i < 3; ++i) {
    if (i > 0) line += "    ";
    line += three.name[i] + " " + Fixed(three.value[i], 5, 0);
  }
  return line;
}

std::string OverallRulesText(int rulesMode) {
  switch (rulesMode) {
    case 1:
      return "AWSA 1000 Pt Rules";
    case 2:
      return "IWWF Rules";
    case 3:
      return "Adapted Rules";
    default:
      return "ZETL Rules";
  }
}

std::string TeamRuleText(TeamRule rule) {
  switch (rule) {
    case TeamRule::National:
      return "ZETL Rules";
    case TeamRule::Iwsf:
      return "IWWF best three scores";
    case TeamRule::Sum:
      return "SUM of all overall scores";
    default:
      return "BEST three scores";
  }
}

}  // namespace

std::vector<std::string> TeamStandingsLines(const Tournament& t, const TeamStandings& st) {
  const std::string event = t.info.EventName.str();
  std::vector<std::string> lines = {
      RightAlign(event, static_cast<int>(event.size()) / 2 + 40),
      std::string(36, ' ') + t.info.EndDate.str(),
      "",
      "                         TEAM SCORE STANDINGS DETAIL",
      "",
  };
  if (st.rule == TeamRule::Iwsf) lines.push_back(st.title);
  lines.insert(lines.end(), {"", " TEAM  TOTALS", kDashes, ""});
  if (st.computed) {
    for (std::size_t i = 0; i < st.teams.size() && i < kMaxTeamLines; ++i) {
      const TeamScore& team = st.teams[i];
      lines.push_back(" " + RightAlign(team.code, 4) + " " + CutOrPad(team.name, 20) +
                      Fixed(team.total, 10, 1));
      lines.push_back("--------------------------");
      lines.push_back(EventLine("   SLALOM - ", team.slalom));
      lines.push_back(EventLine("   TRICK  - ", team.trick));
      lines.push_back(EventLine("   JUMP   - ", team.jump));
      lines.push_back(kDashes);
    }
  }
  lines.insert(lines.end(), {"", "", "  Overall scoring using - " + OverallRulesText(t.RulesMode()),
                             "  Team scoring based on - " + TeamRuleText(st.rule)});
  return lines;
}

ReportDocument TeamStandingsDocument(const Tournament& t, const TeamStandings& standings) {
  ReportDocument doc{"Team Score Standings", Orientation::Portrait, 10, {}, {}, {}};
  doc.lines = TeamStandingsLines(t, standings);
  return doc;
}

namespace {

// A report changes nothing: the team codes are collected into a copy of the team table.
TeamStandings StandingsOf(ReportContext& c) {
  TeamTable table = c.t.teams;
  TeamStandings standings = ComputeTeamStandings(c.t, table);
  c.p.prompt.ShowEach(standings.messages);
  return standings;
}

}  // namespace

ReportDocument TeamStandingsReport(ReportContext& c) { return TeamStandingsDocument(c.t, StandingsOf(c)); }

ReportDocument TeamResultsReport(ReportContext& c) {
  ReportDocument doc{"Team Scoring Results", Orientation::Portrait, 10, {}, {}, {}};
  doc.lines.push_back(kTeamResultHeading);
  for (auto& line : TeamResultLines(StandingsOf(c))) doc.lines.push_back(line);
  return doc;
}
