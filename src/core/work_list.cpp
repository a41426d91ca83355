#include "core/work_list.h"

#include <algorithm>
#include <span>
#include <utility>

#include "core/divisions.h"
#include "core/skier_ops.h"

namespace {

bool IsFinal(const Tournament& t, const Selection& selection) {
  return selection.round > 1 && t.settings.PlaceMode == 'L';
}

// Jump skiers on a higher ramp come after those on a lower one.
double WithRamp(double key, const TSkier& s, int round) {
  if (s.JumpRamp[round] > 0.25) key += 100;
  if (s.JumpRamp[round] > 0.27) key += 100;
  return key;
}

double FirstRoundOrderValue(const TSkier& s, char event) {
  if (event != 'J') return RoundResult(s, event, 1);
  return WithRamp(JumpRoundResult(s, 1), s, 1);
}

// The start order key outside a final: the seed; jump skiers on a lower ramp start first, each ramp
// group in seed order.
double StartKey(const TSkier& s, const Selection& selection) {
  const double seed = SeedOf(s, selection.event);
  return selection.event == 'J' ? WithRamp(seed, s, selection.round) : seed;
}

// The selection's skiers ascending by their order keys, equal keys in list order.
WorkList Sorted(const Tournament& t, const Selection& selection) {
  const char ev = selection.event;
  const bool inFinal = IsFinal(t, selection);
  std::vector<std::pair<double, const TSkier*>> keyed;
  WorkList list;
  t.skiers.ForEach([&](const TSkier& s) {
    if (s.Division != selection.division || !EnteredIn(s, ev)) return;
    if (inFinal && !IsFinalist(s, ev)) return;
    if (static_cast<int>(keyed.size()) == kWorkListSize) {
      list.overfull = true;
      return;
    }
    keyed.emplace_back(inFinal ? FirstRoundOrderValue(s, ev) : StartKey(s, selection), &s);
  });
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& k : keyed) list.skiers.push_back(*k.second);
  return list;
}

// Calls `tie` with each run of more than one finalist with equal first-round results.
template <typename Tie>
void ForEachTie(std::vector<TSkier>& finalists, char event, Tie tie) {
  for (std::size_t i = 0; i < finalists.size();) {
    const double key = FirstRoundOrderValue(finalists[i], event);
    std::size_t end = i + 1;
    while (end < finalists.size() && FirstRoundOrderValue(finalists[end], event) == key) ++end;
    if (end - i > 1) tie(std::span<TSkier>(finalists.data() + i, end - i));
    i = end;
  }
}

TieKey TieKeyOf(const Selection& selection) { return {selection.division, selection.event, selection.round}; }

}  // namespace

WorkList DivisionList(const Tournament& t, int division) {
  WorkList list;
  t.skiers.ForEach([&](const TSkier& s) {
    if (s.Division != division) return;
    if (static_cast<int>(list.skiers.size()) == kWorkListSize)
      list.overfull = true;
    else
      list.skiers.push_back(s);
  });
  return list;
}

WorkList StartOrder(const Tournament& t, const Selection& selection) {
  WorkList list = Sorted(t, selection);
  auto drawn = t.ties.orders.find(TieKeyOf(selection));
  if (IsFinal(t, selection) && drawn != t.ties.orders.end())
    ForEachTie(list.skiers, selection.event,
               [&](std::span<TSkier> tie) { ApplyTieOrder(drawn->second, tie); });
  return list;
}

bool DrawTies(Tournament& t, Random& random, const Selection& selection) {
  if (!IsFinal(t, selection)) return false;
  WorkList list = Sorted(t, selection);
  const TieKey which = TieKeyOf(selection);
  std::vector<TieName>& drawn = t.ties.orders[which];
  bool drew = false;
  ForEachTie(list.skiers, selection.event,
             [&](std::span<TSkier> tie) { drew |= OrderTie(drawn, tie, random); });
  if (drawn.empty()) t.ties.orders.erase(which);
  if (drew) t.MarkChanged();
  return drew;
}

std::string OverfullMessage(int division) {
  return "Division " + DivisionCode(division) + " has more than 300 skiers; only the first 300 are listed.";
}

int IndexOf(const WorkList& list, const SkierIdentity& who) {
  for (std::size_t k = 0; k < list.skiers.size(); ++k)
    if (IsSkier(list.skiers[k], who)) return static_cast<int>(k) + 1;
  return 0;
}

void WriteBack(Tournament& t, const WorkList& list) {
  for (const TSkier& s : list.skiers) t.StoreSkier(s);
}

WorkList DrawnStartOrder(Tournament& t, Random& random, const Selection& selection, Outcome& out) {
  DrawTies(t, random, selection);
  WorkList list = StartOrder(t, selection);
  if (list.overfull) out.Tell(OverfullMessage(selection.division));
  return list;
}

Outcome PrepareSelection(Tournament& t, Random& random, const Selection& selection) {
  Outcome out;
  (void)DrawnStartOrder(t, random, selection, out);
  return out;
}
