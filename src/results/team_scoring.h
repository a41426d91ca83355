#pragma once
// Team scoring: the skiers grouped by team code, their points added up under the team rule, the
// teams ranked. Computed afresh each time the standings are shown; the team table itself only
// lends its codes and names.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/tournament.h"

enum class TeamRule { Best3, National, Iwsf, Sum };
// The rule of a stored team mode, told apart by its first letter (B, V, I, S); BEST3 otherwise.
TeamRule TeamRuleOf(std::string_view teamMode);

// A team's three counting values of one event, highest first, each with the skier named beside it.
struct TeamThree {
  std::array<double, 3> value{};
  std::array<std::string, 3> name;
  double sum() const { return value[0] + value[1] + value[2]; }
};
// Inserts a value into the three. Equal values never displace an earlier one, so a tie goes to
// the skier met first; a value not above the third changes nothing.
void InsertTeamValue(TeamThree& three, double value, const std::string& name);

struct TeamScore {
  std::string code;
  std::string name;
  TeamThree slalom, trick, jump;
  double total = 0;
  TeamThree& of(char event) { return event == 'S' ? slalom : event == 'T' ? trick : jump; }
  const TeamThree& of(char event) const { return event == 'S' ? slalom : event == 'T' ? trick : jump; }
};

// The age-group pairs of international team scoring and the title shown above their standings.
struct IwsfPair {
  int first;
  int second;
  const char* title;
};
const std::vector<IwsfPair>& IwsfPairs();
std::optional<IwsfPair> IwsfPairOf(int division);
// The one line shown when the current division belongs to no pair.
std::string IwsfNoPairLine();

// One zeroed entry per used slot of the team table, in table order.
std::vector<TeamScore> TeamEntries(const TeamTable& teams);

// The four rules, over the skier list; entries whose code no skier carries stay at 0.
void TeamBest3(const Tournament& t, std::vector<TeamScore>& teams);
void TeamNational(const Tournament& t, std::vector<TeamScore>& teams);
void TeamIwsf(const Tournament& t, std::vector<TeamScore>& teams, int first, int second);
void TeamSum(const Tournament& t, std::vector<TeamScore>& teams);
// Highest total first; equal totals keep their order.
void SortTeams(std::vector<TeamScore>& teams);

struct TeamStandings {
  TeamRule rule = TeamRule::Best3;
  // Under the international rule: the pair's title, or the line that says no pair applies.
  std::string title;
  // False under the international rule when the current division belongs to no pair.
  bool computed = true;
  std::vector<TeamScore> teams;  // sorted
  // What the scorer is told: too many teams, the national rule's warning.
  std::vector<std::string> messages;
};

inline constexpr const char* kTooManyTeams = "Too many teams found!";
inline constexpr const char* kNationalTeamWarning =
    "Tallivar may have calculated the Team score incorrectly and is unable to confirm this!!";

// Collects the team codes (telling the user when there are too many), computes the standings by
// the tournament's team rule and sorts them. Under the national rule with several rounds, while
// the current round is the first, the user is warned that the standings may be wrong.
TeamStandings ComputeTeamStandings(Tournament& t);
// The same with the codes collected into `table` instead of the tournament's team table.
TeamStandings ComputeTeamStandings(const Tournament& t, TeamTable& table);

// The lines of the team results window: the title under the international rule, then per team its
// code, its name in 20 characters and its total; at most 49 teams.
std::vector<std::string> TeamResultLines(const TeamStandings& standings);
inline constexpr const char* kTeamResultHeading = "TEAM    TEAM NAME                          SCORE";
inline constexpr int kMaxTeamLines = 49;
