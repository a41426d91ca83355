#pragma once
// The team table: 50 slots of a code and a display name; the used slots form a prefix.
#include <array>

#include "core/per_round.h"
#include "core/short_string.h"

inline constexpr int kTeamSlots = 50;

struct TeamSlot {
  ShortString<3> code;
  ShortString<20> name;
  // Team results, computed each time the team standings are shown.
  double slalom = 0, trick = 0, jump = 0, overall = 0;
  int place = 0;
};

struct TeamTable {
  PerRound<TeamSlot, kTeamSlots> slots;  // slots[1..50]
};
