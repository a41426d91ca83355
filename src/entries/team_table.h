#pragma once
// Gathering the team codes the skiers carry into the team table, each code keeping its own name.
#include <optional>

#include "core/outcome.h"
#include "core/skier_list.h"
#include "core/teams.h"

// Fills the slots with the distinct team codes of the skiers in list order (first appearance
// first). Each code takes the name it had before, wherever it stood; a named code that no skier
// carries any more rests in `resting` until it returns. Answers false when a 51st code was met:
// the table then holds the first 50 codes and collecting stopped there.
bool CollectTeamCodes(TeamTable& teams, const SkierList& skiers);
// The same, telling "Too many teams found!" when the table overflowed.
Outcome CollectTeams(TeamTable& teams, const SkierList& skiers);

// The number of used slots (the prefix of slots with a code).
int UsedTeamSlots(const TeamTable& teams);
// The slot holding the code, if any.
std::optional<int> FindTeamSlot(const TeamTable& teams, const ShortString<3>& code);
