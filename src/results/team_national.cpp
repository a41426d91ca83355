// The national federation's team rule: the three best values per event and team, where a skier of
// a small division (fewer than three entrants) is valued against the national record, or against
// the best result of the nearest younger division of the same sex that is big enough.
#include <algorithm>

#include "core/skier_ops.h"
#include "results/team_scoring.h"

namespace {

constexpr int kFirstNationalDivision = 6;  // BU10
constexpr int kLastNationalDivision = 55;  // OW
constexpr int kFirstJumpingDivision = 8;   // BU12
constexpr int kBigDivision = 3;            // entrants that make a division's own best count

int EventIndex(char event) { return event == 'S' ? 0 : event == 'T' ? 1 : 2; }

// Steps down two division numbers at a time (same sex, next younger group) from a small division
// until one has enough entrants in the event, or the lowest division is reached.
int NearestBigDivision(const Tournament& t, int division, char event, int lowest) {
  int d = division;
  while (d >= lowest && CountEntered(t, d, event) < kBigDivision) d -= 2;
  return std::max(d, 0);
}

// The value of a skier of a small division, or the event points when the division is big enough
// or no records are loaded.
double NationalValue(const Tournament& t, const TSkier& s, char event) {
  double value = PointsOf(s, event);
  if (!t.tables.RecordsLoaded) return value;
  if (event == 'J' && s.Division < kFirstJumpingDivision) return value;
  if (CountEntered(t, s.Division, event) >= kBigDivision) return value;

  const double result = BestRoundResult(s, event);
  const double record = t.tables.Records[s.Division][static_cast<std::size_t>(EventIndex(event))];
  if (event != 'J') {
    double base = record;
    if (base <= 0) base = BestOverall(t, NearestBigDivision(t, s.Division, event, 2), event);
    value = base > 0 ? result / base * 1000 : 0;
  } else {
    double base = record;
    if (base <= 0) {
      // The search for a bigger division ends at BU10 or GU10, the first that do not jump.
      base = BestOverall(t, NearestBigDivision(t, s.Division, event, kFirstJumpingDivision), event);
      if (result < base / 2) base = 0;
    }
    value = base > 0 ? (result - base / 2) / (base / 2) * 1000 : 0;
    value = std::max(value, 0.0);
  }
  return std::min(value, 1000.0);
}

}  // namespace

void TeamNational(const Tournament& t, std::vector<TeamScore>& teams) {
  t.skiers.ForEach([&](const TSkier& s) {
    if (s.Division < kFirstNationalDivision || s.Division > kLastNationalDivision || s.Team.empty()) return;
    auto team =
        std::find_if(teams.begin(), teams.end(), [&](const TeamScore& x) { return x.code == s.Team.view(); });
    if (team == teams.end()) return;
    const std::string name = (s.Surname.str() + " " + s.FirstName.str()).substr(0, 35);
    for (char e : {'S', 'T', 'J'}) {
      TeamThree& three = team->of(e);
      // A skier entered in two divisions counts once per event, with the better of the values.
      auto same = std::find(three.name.begin(), three.name.end(), name);
      if (same != three.name.end()) {
        double& held = three.value[static_cast<std::size_t>(same - three.name.begin())];
        held = std::max(held, PointsOf(s, e));
        continue;
      }
      InsertTeamValue(three, NationalValue(t, s, e), name);
    }
  });
  for (TeamScore& team : teams) team.total = team.slalom.sum() + team.trick.sum() + team.jump.sum();
}
