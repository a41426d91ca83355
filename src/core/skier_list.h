#pragma once
// The skier list: every skier of the event in surname order between a head sentinel "AAAAA" and a
// tail sentinel "zzzzz". The list owns its records.
#include <list>

#include "core/skier.h"

class SkierList {
 public:
  using Node = std::list<TSkier>::iterator;
  using ConstNode = std::list<TSkier>::const_iterator;

  std::list<TSkier> nodes;  // head sentinel first, tail sentinel last

  bool initialised() const { return nodes.size() >= 2; }
  // The real skiers lie in [first(), tailNode()).
  Node first() { return std::next(nodes.begin()); }
  Node tailNode() { return std::prev(nodes.end()); }
  ConstNode first() const { return std::next(nodes.begin()); }
  ConstNode tailNode() const { return std::prev(nodes.end()); }
  TSkier& head() { return nodes.front(); }
  TSkier& tail() { return nodes.back(); }

  // Calls f on every real skier in list order.
  template <typename F>
  void ForEach(F&& f) {
    if (!initialised()) return;
    for (auto it = first(); it != tailNode(); ++it) f(*it);
  }
  template <typename F>
  void ForEach(F&& f) const {
    if (!initialised()) return;
    for (auto it = first(); it != tailNode(); ++it) f(*it);
  }
};
