#include "core/skier_identity.h"

SkierIdentity IdentityOf(const TSkier& s) { return {s.Surname, s.FirstName, s.Division}; }

bool IsSkier(const TSkier& s, const SkierIdentity& who) {
  return s.Surname == who.Surname && s.FirstName == who.FirstName && s.Division == who.Division;
}

const TSkier* FindSkier(const Tournament& t, const SkierIdentity& who) {
  for (const TSkier& s : t.skiers.nodes())
    if (IsSkier(s, who)) return &s;
  return nullptr;
}
