#include "results/placement.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>
#include <vector>

#include "core/divisions.h"
#include "core/skier_ops.h"
#include "core/work_list.h"

namespace {

// The middle of a round's three jumps; pass, fall and disqualification codes count as no distance.
double SecondBestJump(const TSkier& s, int round) {
  std::array<double, 3> d{};
  for (int j = 1; j <= 3; ++j) {
    double v = s.JumpDistance[static_cast<std::size_t>(j)][static_cast<std::size_t>(round)];
    d[static_cast<std::size_t>(j - 1)] = v < 0.1 ? 0.0 : v;
  }
  std::sort(d.begin(), d.end());
  return d[1];
}

bool JumpTieBreakApplies(const Tournament& t, char event) {
  return event == 'J' && t.RulesMode() != kIwwfRules && t.PlaceMode() == 'F';
}

// Two equal jump ranking scores at positions i and i + 1: the longer second-best jump wins.
// Answers whether the pair changed (exchanged or raised).
bool BreakJumpTie(std::span<TSkier> list, std::size_t i) {
  // The ranking score being tied is the first round's, so the tie goes to the first round's jumps.
  constexpr int kRankedRound = 1;
  bool changed = false;
  if (SecondBestJump(list[i + 1], kRankedRound) > SecondBestJump(list[i], kRankedRound)) {
    list[i + 1].JumpRankScore += 0.01;
    std::swap(list[i], list[i + 1]);
    changed = true;
  }
  if (SecondBestJump(list[i], kRankedRound) > SecondBestJump(list[i + 1], kRankedRound)) {
    list[i].JumpRankScore += 0.01;
    changed = true;
  }
  return changed;
}

double FirstRoundResult(const TSkier& s, char event) { return RoundResult(s, event, 1); }

// Equal finalists at positions [from, to] share no place by right: their round 1 results decide,
// the better round 1 result taking the better place, equal round 1 results sharing it.
// (A pairwise exchange down the list would misplace a tie of three or more.)
void PlaceTiedFinalists(std::span<TSkier> list, char event, std::size_t from, std::size_t to,
                        int firstPlace) {
  for (std::size_t i = from; i <= to; ++i) {
    double mine = FirstRoundResult(list[i], event);
    int better = 0;
    for (std::size_t k = from; k <= to; ++k)
      if (FirstRoundResult(list[k], event) > mine) ++better;
    PlaceOf(list[i], event) = firstPlace + better;
  }
}

// Places the sorted list. With `finalistBonus` above 0, ties of scores above it are decided by
// the round 1 results.
void AssignPlaces(std::span<TSkier> list, char event, double finalistBonus) {
  const std::size_t n = list.size();
  int counter = 1;
  std::size_t i = 0;
  while (i < n) {
    TSkier& s = list[i];
    double score = RankScoreOf(s, event);
    if (!CountsAsScore(score, event)) {
      PlaceOf(s, event) = 0;
      ++i;
      continue;
    }
    if (i > 0) ++counter;
    std::size_t last = i;
    while (last + 1 < n && RankScoreOf(list[last + 1], event) == score) ++last;
    if (finalistBonus > 0 && score > finalistBonus && last > i) {
      PlaceTiedFinalists(list, event, i, last, counter);
    } else {
      for (std::size_t k = i; k <= last; ++k) PlaceOf(list[k], event) = counter;
    }
    counter += static_cast<int>(last - i);
    i = last + 1;
  }
}

// The rules that place the start order: each skier's ranking score set by `rank` (if any), then
// sorted, placed and stored.
template <typename Rank>
Outcome PlaceStartOrder(Tournament& t, Random& random, const Selection& sel, Rank rank) {
  Outcome out;
  WorkList list = DrawnStartOrder(t, random, sel, out);
  for (TSkier& s : list.skiers) rank(s, RankScoreOf(s, sel.event));
  SortByRankScore(t, sel.event, list.skiers);
  AssignPlaces(list.skiers, sel.event, 0);
  WriteBack(t, list);
  return out;
}

Outcome PlaceLastRound(Tournament& t, const Selection& sel) {
  Outcome out;
  const char ev = sel.event;
  const int round = sel.round;
  WorkList all = DivisionList(t, sel.division);
  if (all.overfull) out.Tell(OverfullMessage(sel.division));
  std::vector<TSkier>& list = all.skiers;
  const double bonus = FinalistBonus(ev);
  for (TSkier& s : list) {
    double& rank = RankScoreOf(s, ev);
    if (round == 1) {
      rank = RoundResult(s, ev, 1);
    } else if (round == 2) {
      rank = IsFinalist(s, ev) ? RoundResult(s, ev, 2) + bonus : RoundResult(s, ev, 1);
    } else if (round >= 3 && round <= 4) {
      rank = RoundResult(s, ev, round);
    }
  }
  SortByRankScore(t, ev, list);
  AssignPlaces(list, ev, round == 2 ? bonus : 0);
  if (round == 2)
    for (TSkier& s : list)
      if (IsFinalist(s, ev)) RankScoreOf(s, ev) -= bonus;
  WriteBack(t, all);
  return out;
}

}  // namespace

bool CountsAsScore(double rankScore, char event) { return event == 'J' ? rankScore > 0.2 : rankScore > 0; }

double FinalistBonus(char event) { return event == 'T' ? 20000.0 : 100.0; }

void SortByRankScore(const Tournament& t, char event, std::span<TSkier> list) {
  const int n = static_cast<int>(list.size());
  const bool jumpTies = JumpTieBreakApplies(t, event);
  // A raised jump score may now exceed the record above it, so a pass that only raised a score
  // does not end the sort; the bound only guards against a pathological run of raises.
  const int maxPasses = jumpTies ? 10 * n : n - 1;
  for (int pass = 1; pass <= maxPasses; ++pass) {
    bool changed = false;
    const int last = std::max(n - pass, jumpTies ? n - 1 : 0);
    for (std::size_t i = 0; i < static_cast<std::size_t>(last); ++i) {
      double upper = RankScoreOf(list[i], event);
      double lower = RankScoreOf(list[i + 1], event);
      if (upper < lower) {
        std::swap(list[i], list[i + 1]);
        changed = true;
      } else if (jumpTies && upper == lower && BreakJumpTie(list, i)) {
        changed = true;
      }
    }
    if (!changed) break;
  }
}

void ComputeTotals(Tournament& t) {
  t.ChangeEachSkier([](TSkier& s) {
    s.SlalomRankScore = s.SlalomScore[1] + s.SlalomScore[2] + s.SlalomScore[3];
    s.TrickRankScore = s.TrickScore[1] + s.TrickScore[2] + s.TrickScore[3];
    s.JumpRankScore = JumpRoundResult(s, 1) + JumpRoundResult(s, 2) + JumpRoundResult(s, 3);
  });
}

Outcome PlaceEvent(Tournament& t, Random& random, const Selection& sel) {
  switch (t.PlaceMode()) {
    case 'B':
      return PlaceStartOrder(t, random, sel, [&](const TSkier& s, double& rank) {
        const double best = BestRoundResult(s, sel.event);
        rank = sel.event == 'J' && best < 0.2 ? 0 : best;
      });
    case 'F':
      return PlaceStartOrder(t, random, sel,
                             [&](const TSkier& s, double& rank) { rank = RoundResult(s, sel.event, 1); });
    case 'L':
      return PlaceLastRound(t, sel);
    case 'T':
      ComputeTotals(t);
      return PlaceStartOrder(t, random, sel, [](const TSkier&, double&) {});
    default:
      return {};
  }
}
