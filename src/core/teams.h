#pragma once
// The team table: 50 slots of a code and a display name; the used slots form a prefix.
#include <vector>

#include "core/per_round.h"
#include "core/short_string.h"

inline constexpr int kTeamSlots = 50;

struct TeamSlot {
  ShortString<3> code;
  ShortString<20> name;
};

struct TeamTable {
  PerRound<TeamSlot, kTeamSlots> slots;  // slots[1..50]
  // Named codes that no skier carries at the moment. A name belongs to its code, so it is kept
  // here until the code turns up again (a skier re-entered, a team moved back).
  std::vector<TeamSlot> resting;
};
