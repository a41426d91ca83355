#include "entries/team_table.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

const TeamSlot& SlotAt(const TeamTable& teams, int k) { return teams.slots[static_cast<std::size_t>(k)]; }

// Every code the table knows a name for: the used slots, then the resting names.
std::vector<TeamSlot> KnownNames(const TeamTable& teams) {
  std::vector<TeamSlot> known;
  for (int k = 1; k <= kTeamSlots && !SlotAt(teams, k).code.empty(); ++k) known.push_back(SlotAt(teams, k));
  known.insert(known.end(), teams.resting.begin(), teams.resting.end());
  return known;
}

}  // namespace

int UsedTeamSlots(const TeamTable& teams) {
  int k = 0;
  while (k < kTeamSlots && !SlotAt(teams, k + 1).code.empty()) ++k;
  return k;
}

std::optional<int> FindTeamSlot(const TeamTable& teams, const ShortString<3>& code) {
  for (int k = 1; k <= kTeamSlots && !SlotAt(teams, k).code.empty(); ++k)
    if (SlotAt(teams, k).code == code) return k;
  return std::nullopt;
}

bool CollectTeamCodes(TeamTable& teams, const SkierList& skiers) {
  const std::vector<TeamSlot> known = KnownNames(teams);

  std::vector<ShortString<3>> codes;
  bool fits = true;
  skiers.ForEach([&](const TSkier& s) {
    if (!fits || s.Team.empty()) return;
    if (std::find(codes.begin(), codes.end(), s.Team) != codes.end()) return;
    if (static_cast<int>(codes.size()) == kTeamSlots) {
      fits = false;
      return;
    }
    codes.push_back(s.Team);
  });

  TeamTable collected;
  for (std::size_t i = 0; i < codes.size(); ++i) {
    TeamSlot& slot = collected.slots[i + 1];
    slot.code = codes[i];
    auto named =
        std::find_if(known.begin(), known.end(), [&](const TeamSlot& k) { return k.code == codes[i]; });
    if (named != known.end()) slot.name = named->name;
  }
  for (const TeamSlot& k : known) {
    if (k.name.empty()) continue;
    if (std::find(codes.begin(), codes.end(), k.code) != codes.end()) continue;
    bool already = std::any_of(collected.resting.begin(), collected.resting.end(),
                               [&](const TeamSlot& r) { return r.code == k.code; });
    if (!already) collected.resting.push_back(k);
  }
  teams = collected;
  return fits;
}

Outcome CollectTeams(TeamTable& teams, const SkierList& skiers) {
  Outcome outcome;
  if (!CollectTeamCodes(teams, skiers)) outcome.Tell("Too many teams found!");
  return outcome;
}
