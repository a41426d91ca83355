#pragma once
// Tests build their skier lists in place, past the tournament's counted operations, so a case can
// set any field (or break the order) before the code under test runs.
#include <list>

#include "core/tournament.h"

struct SkierListTestAccess {
  static std::list<TSkier>& Nodes(Tournament& t) { return t.skiers.nodes_; }
};

inline std::list<TSkier>& SkierNodes(Tournament& t) { return SkierListTestAccess::Nodes(t); }
inline const std::list<TSkier>& SkierNodes(const Tournament& t) { return t.skiers.nodes(); }
// The record at a place of the list, to change in place.
inline TSkier& SkierAt(Tournament& t, SkierList::Node at) { return *SkierNodes(t).erase(at, at); }
