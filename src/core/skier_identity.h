#pragma once
// What tells one skier of the list from every other: surname, first name and division. Lists that
// show skiers remember this for each line, so a line keeps meaning its skier however often the
// list behind it is filled again or re-sorted.
#include <cstdint>

#include "core/short_string.h"
#include "core/skier.h"
#include "core/tournament.h"

struct SkierIdentity {
  ShortString<15> Surname;
  ShortString<15> FirstName;
  std::uint8_t Division = 86;

  bool operator==(const SkierIdentity&) const = default;
};

SkierIdentity IdentityOf(const TSkier& s);
bool IsSkier(const TSkier& s, const SkierIdentity& who);
// The skier's record in the skier list, or null.
const TSkier* FindSkier(const Tournament& t, const SkierIdentity& who);
