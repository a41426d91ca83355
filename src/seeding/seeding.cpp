#include "seeding/seeding.h"

#include <algorithm>
#include <utility>

#include "core/skier_ops.h"
#include "core/work_list.h"

namespace {

// Divisions 0..59; the adapted divisions are seeded one at a time only.
constexpr int kLastRegularDivision = 59;

// Puts the list in ascending order of its keys; equal keys keep their order, as the exchange sort
// of the start order does. Each skier's seed of the event becomes its key.
void SeedByKey(Tournament& t, WorkList& list, const std::vector<double>& keys) {
  std::vector<std::pair<double, TSkier>> order;
  order.reserve(list.skiers.size());
  for (std::size_t i = 0; i < list.skiers.size(); ++i) order.emplace_back(keys[i], list.skiers[i]);
  std::stable_sort(order.begin(), order.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 0; i < order.size(); ++i) {
    auto& [key, skier] = order[i];
    SeedOf(skier, t.CurEvent) = key;
    list.skiers[i] = skier;
  }
  WriteBack(t, list);
}

template <typename KeyOf>
Outcome SeedFromScores(Tournament& t, WorkList& list, const char* refusal, KeyOf keyOf) {
  Outcome out;
  if (t.CurRound < 2) return out.Fail(refusal);
  std::vector<double> keys;
  for (const TSkier& s : list.skiers) keys.push_back(keyOf(s));
  SeedByKey(t, list, keys);
  return out;
}

Outcome SeedOneDivision(Tournament& t, WorkList& list, Random& random, SeedOption option) {
  switch (option) {
    case SeedOption::RandomCurrent:
    case SeedOption::RandomAll:
      RandomSeedDivision(t, list, random);
      return {};
    case SeedOption::PreviousCurrent:
    case SeedOption::PreviousAll:
      return PreviousRoundSeedDivision(t, list);
    case SeedOption::TotalCurrent:
    case SeedOption::TotalAll:
      return TotalScoreSeedDivision(t, list);
    case SeedOption::Finals:
      break;
  }
  return {false, {}};
}

}  // namespace

const std::vector<std::string>& SeedOptionTexts() {
  static const std::vector<std::string> texts{
      "Random Order - Current Division",
      "All Divisions! - Random Order",
      "Previous Round Score - Current Division",
      "All Divisions! - Previous Round Score",
      "Total Score - Current Division",
      "All Divisions! - Total Score",
      "Finals Skier Entry Selection (Elimination)",
  };
  return texts;
}

void RandomSeedDivision(Tournament& t, WorkList& list, Random& random) {
  std::vector<TSkier>& s = list.skiers;
  const int n = static_cast<int>(s.size());
  // Fisher-Yates: every one of the n! orders is equally likely.
  for (int i = n; i > 1; --i) {
    int k = 1 + random.Draw(i);
    if (k != i) std::swap(s[static_cast<std::size_t>(i - 1)], s[static_cast<std::size_t>(k - 1)]);
  }
  for (int place = 1; place <= n; ++place) SeedOf(s[static_cast<std::size_t>(place - 1)], t.CurEvent) = place;
  WriteBack(t, list);
}

double PreviousRoundKey(const TSkier& s, char event, int round) { return RoundResult(s, event, round - 1); }

Outcome PreviousRoundSeedDivision(Tournament& t, WorkList& list) {
  const char ev = t.CurEvent;
  const int round = t.CurRound;
  return SeedFromScores(t, list, "Not Valid for current Round!",
                        [&](const TSkier& s) { return PreviousRoundKey(s, ev, round); });
}

Outcome TotalScoreSeedDivision(Tournament& t, WorkList& list) {
  const char ev = t.CurEvent;
  return SeedFromScores(t, list, "Not valid for current round!",
                        [&](const TSkier& s) { return RankScoreOf(s, ev); });
}

void StoreFinalists(Tournament& t, const WorkList& list) {
  WriteBack(t, list);
  t.ForgetTies(t.Selected());
}

Outcome SeedingAllowed(const Tournament& t, SeedOption option) {
  Outcome out;
  if (option != SeedOption::Finals && t.CurRound >= 2 && t.PlaceMode() == 'F')
    out.Fail("Use Finals Selection to seed skiers for the finals. See help info.");
  return out;
}

Outcome RunSeedOption(Tournament& t, Random& random, SeedOption option) {
  const bool all =
      option == SeedOption::RandomAll || option == SeedOption::PreviousAll || option == SeedOption::TotalAll;
  Outcome out{false, {}};
  Selection selection = t.Selected();
  const int last = all ? kLastRegularDivision : selection.division;
  for (int d = all ? 0 : selection.division; d <= last; ++d) {
    selection.division = d;
    WorkList list = DrawnStartOrder(t, random, selection, out);
    if (all && list.skiers.empty()) continue;
    Outcome one = SeedOneDivision(t, list, random, option);
    out.Append(one);
    out.ok = one.ok || out.ok;
  }
  return out;
}
