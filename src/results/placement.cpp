#include "results/placement.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/divisions.h"
#include "core/skier_ops.h"

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

bool JumpTieBreakApplies(const Tournament& t) {
  return t.CurEvent == 'J' && t.RulesMode() != kIwwfRules && t.PlaceMode() == 'F';
}

// Two equal jump ranking scores at positions i and i + 1: the longer second-best jump wins.
// Answers whether the pair changed (exchanged or raised).
bool BreakJumpTie(Tournament& t, int i) {
  // The ranking score being tied is the first round's, so the tie goes to the first round's jumps.
  constexpr int kRankedRound = 1;
  bool changed = false;
  if (SecondBestJump(t.WorkAt(i + 1), kRankedRound) > SecondBestJump(t.WorkAt(i), kRankedRound)) {
    t.WorkAt(i + 1).JumpRankScore += 0.01;
    std::swap(t.WorkAt(i), t.WorkAt(i + 1));
    changed = true;
  }
  if (SecondBestJump(t.WorkAt(i), kRankedRound) > SecondBestJump(t.WorkAt(i + 1), kRankedRound)) {
    t.WorkAt(i).JumpRankScore += 0.01;
    changed = true;
  }
  return changed;
}

double FirstRoundResult(const TSkier& s, char event) { return RoundResult(s, event, 1); }

// Equal finalists at positions [from, to] share no place by right: their round 1 results decide,
// the better round 1 result taking the better place, equal round 1 results sharing it.
// (A pairwise exchange down the list would misplace a tie of three or more.)
void PlaceTiedFinalists(Tournament& t, char event, int from, int to, int firstPlace) {
  for (int i = from; i <= to; ++i) {
    double mine = FirstRoundResult(t.WorkAt(i), event);
    int better = 0;
    for (int k = from; k <= to; ++k)
      if (FirstRoundResult(t.WorkAt(k), event) > mine) ++better;
    PlaceOf(t.WorkAt(i), event) = firstPlace + better;
  }
}

// Places the sorted work list. With `finalistBonus` above 0, ties of scores above it are decided by
// the round 1 results.
void AssignPlaces(Tournament& t, char event, double finalistBonus) {
  const int n = t.WorkCount;
  int counter = 1;
  int i = 1;
  while (i <= n) {
    TSkier& s = t.WorkAt(i);
    double score = RankScoreOf(s, event);
    if (!CountsAsScore(score, event)) {
      PlaceOf(s, event) = 0;
      ++i;
      continue;
    }
    if (i > 1) ++counter;
    int last = i;
    while (last < n && RankScoreOf(t.WorkAt(last + 1), event) == score) ++last;
    if (finalistBonus > 0 && score > finalistBonus && last > i) {
      PlaceTiedFinalists(t, event, i, last, counter);
    } else {
      for (int k = i; k <= last; ++k) PlaceOf(t.WorkAt(k), event) = counter;
    }
    counter += last - i;
    i = last + 1;
  }
}

void WriteBackAll(Tournament& t) {
  for (int k = 1; k <= t.WorkCount; ++k) WriteBack(t, k);
}

// The shared ending of every rule: sort, place, store.
void RankAndStore(Tournament& t, Platform& p, bool refill) {
  SortByRankScore(t);
  AssignPlaces(t, t.CurEvent, 0);
  WriteBackAll(t);
  t.MarkChanged();
  if (refill) SelectDivisionEvent(t, p, t.CurDivision);
}

double BestOfRounds(const TSkier& s, char event) {
  double best = RoundResult(s, event, 1);
  for (int r = 2; r <= 4; ++r) best = std::max(best, RoundResult(s, event, r));
  return best;
}

}  // namespace

double& RankScoreOf(TSkier& s, char event) {
  switch (event) {
    case 'T': return s.TrickRankScore;
    case 'J': return s.JumpRankScore;
    default: return s.SlalomRankScore;
  }
}

std::int32_t& PlaceOf(TSkier& s, char event) {
  switch (event) {
    case 'T': return s.TrickPlace;
    case 'J': return s.JumpPlace;
    default: return s.SlalomPlace;
  }
}

bool IsFinalist(const TSkier& s, char event) {
  switch (event) {
    case 'S': return s.SlalomFinalist != 0;
    case 'T': return s.TrickFinalist != 0;
    case 'J': return s.JumpFinalist != 0;
    default: return false;
  }
}

bool CountsAsScore(double rankScore, char event) { return event == 'J' ? rankScore > 0.2 : rankScore > 0; }

double FinalistBonus(char event) { return event == 'T' ? 20000.0 : 100.0; }

void SortByRankScore(Tournament& t) {
  const char ev = t.CurEvent;
  const int n = t.WorkCount;
  const bool jumpTies = JumpTieBreakApplies(t);
  // A raised jump score may now exceed the record above it, so a pass that only raised a score
  // does not end the sort; the bound only guards against a pathological run of raises.
  const int maxPasses = jumpTies ? 10 * n : n - 1;
  for (int pass = 1; pass <= maxPasses; ++pass) {
    bool changed = false;
    const int last = std::max(n - pass, jumpTies ? n - 1 : 0);
    for (int i = 1; i <= last; ++i) {
      double upper = RankScoreOf(t.WorkAt(i), ev);
      double lower = RankScoreOf(t.WorkAt(i + 1), ev);
      if (upper < lower) {
        std::swap(t.WorkAt(i), t.WorkAt(i + 1));
        changed = true;
      } else if (jumpTies && upper == lower && BreakJumpTie(t, i)) {
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

void PlaceFirstRound(Tournament& t, Platform& p) {
  SelectDivisionEvent(t, p, t.CurDivision);
  for (int k = 1; k <= t.WorkCount; ++k) {
    TSkier& s = t.WorkAt(k);
    RankScoreOf(s, t.CurEvent) = RoundResult(s, t.CurEvent, 1);
  }
  RankAndStore(t, p, true);
}

void PlaceBestScore(Tournament& t, Platform& p) {
  SelectDivisionEvent(t, p, t.CurDivision);
  for (int k = 1; k <= t.WorkCount; ++k) {
    TSkier& s = t.WorkAt(k);
    double best = BestOfRounds(s, t.CurEvent);
    if (t.CurEvent == 'J' && best < 0.2) best = 0;
    RankScoreOf(s, t.CurEvent) = best;
  }
  RankAndStore(t, p, true);
}

void PlaceTotalScore(Tournament& t, Platform& p) {
  ComputeTotals(t);
  SelectDivisionEvent(t, p, t.CurDivision);
  RankAndStore(t, p, false);
}

void PlaceLastRound(Tournament& t, Platform& p) {
  const char ev = t.CurEvent;
  const int round = t.CurRound;
  SelectDivision(t, p.prompt, t.CurDivision);
  const double bonus = FinalistBonus(ev);
  for (int k = 1; k <= t.WorkCount; ++k) {
    TSkier& s = t.WorkAt(k);
    double& rank = RankScoreOf(s, ev);
    if (round == 1) {
      rank = RoundResult(s, ev, 1);
    } else if (round == 2) {
      rank = IsFinalist(s, ev) ? RoundResult(s, ev, 2) + bonus : RoundResult(s, ev, 1);
    } else if (round >= 3 && round <= 4) {
      rank = RoundResult(s, ev, round);
    }
  }
  SortByRankScore(t);
  AssignPlaces(t, ev, round == 2 ? bonus : 0);
  if (round == 2) {
    for (int k = 1; k <= t.WorkCount; ++k) {
      TSkier& s = t.WorkAt(k);
      if (IsFinalist(s, ev)) RankScoreOf(s, ev) -= bonus;
    }
  }
  WriteBackAll(t);
  t.MarkChanged();
  SelectDivisionEvent(t, p, t.CurDivision);
}

void PlaceEvent(Tournament& t, Platform& p) {
  switch (t.PlaceMode()) {
    case 'B': PlaceBestScore(t, p); break;
    case 'F': PlaceFirstRound(t, p); break;
    case 'L': PlaceLastRound(t, p); break;
    case 'T': PlaceTotalScore(t, p); break;
    default: break;
  }
}
