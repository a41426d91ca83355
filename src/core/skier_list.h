#pragma once
// The skier list: every skier of the event in surname order between a head sentinel "AAAAA" and a
// tail sentinel "zzzzz". The list owns its records. Everyone reads it; only the tournament that
// holds it changes it, so each change is counted (see Tournament).
#include <list>

#include "core/skier.h"

class SkierList {
 public:
  // A place in the list. Records are read through it; a change goes through the tournament.
  using Node = std::list<TSkier>::const_iterator;

  bool initialised() const { return nodes_.size() >= 2; }
  // The real skiers lie in [first(), tailNode()).
  Node first() const { return std::next(nodes_.begin()); }
  Node tailNode() const { return std::prev(nodes_.end()); }
  const TSkier& head() const { return nodes_.front(); }
  const TSkier& tail() const { return nodes_.back(); }
  // Every record, the two sentinels included, as the skier file holds them.
  const std::list<TSkier>& nodes() const { return nodes_; }
  int size() const { return initialised() ? static_cast<int>(nodes_.size()) - 2 : 0; }

  // Calls f on every real skier in list order.
  template <typename F>
  void ForEach(F&& f) const {
    if (!initialised()) return;
    for (auto it = first(); it != tailNode(); ++it) f(*it);
  }

 private:
  friend struct Tournament;
  friend struct SkierListTestAccess;  // tests build their lists in place

  std::list<TSkier> nodes_;  // head sentinel first, tail sentinel last
};
