#include "seeding/seeding.h"

#include <algorithm>
#include <utility>

#include "core/skier_ops.h"

namespace {

// Divisions 0..59; the adapted divisions are seeded one at a time only.
constexpr int kLastRegularDivision = 59;

void Finish(Tournament& t) {
  WriteBackWorkList(t);
  t.MarkChanged();
}

// Puts the work list in ascending order of its keys; equal keys keep their order, as the
// exchange sort of the start order does. Each skier's seed of the event becomes its key.
void SeedByKey(Tournament& t, const std::vector<double>& keys) {
  const int n = t.WorkCount;
  std::vector<std::pair<double, TSkier>> order;
  order.reserve(static_cast<std::size_t>(n));
  for (int i = 1; i <= n; ++i) order.emplace_back(keys[static_cast<std::size_t>(i - 1)], t.WorkAt(i));
  std::stable_sort(order.begin(), order.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (int i = 1; i <= n; ++i) {
    auto& [key, skier] = order[static_cast<std::size_t>(i - 1)];
    SeedOf(skier, t.CurEvent) = key;
    t.WorkAt(i) = skier;
  }
  Finish(t);
}

template <typename KeyOf>
bool SeedFromScores(Tournament& t, Prompter& prompt, const char* refusal, KeyOf keyOf) {
  if (t.CurRound < 2) {
    prompt.Show(refusal);
    return false;
  }
  std::vector<double> keys;
  for (int i = 1; i <= t.WorkCount; ++i) keys.push_back(keyOf(t.WorkAt(i)));
  SeedByKey(t, keys);
  return true;
}

bool SeedOneDivision(Tournament& t, Platform& p, SeedOption option) {
  switch (option) {
    case SeedOption::RandomCurrent:
    case SeedOption::RandomAll:
      RandomSeedDivision(t, p.random);
      return true;
    case SeedOption::PreviousCurrent:
    case SeedOption::PreviousAll:
      return PreviousRoundSeedDivision(t, p.prompt);
    case SeedOption::TotalCurrent:
    case SeedOption::TotalAll:
      return TotalScoreSeedDivision(t, p.prompt);
    case SeedOption::Finals:
      return false;
  }
  return false;
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

void WriteBackWorkList(Tournament& t) {
  for (int i = 1; i <= t.WorkCount; ++i) WriteBack(t, i);
}

void RandomSeedDivision(Tournament& t, Random& random) {
  const int n = t.WorkCount;
  // Fisher-Yates: every one of the n! orders is equally likely.
  for (int i = n; i > 1; --i) {
    int k = 1 + random.Draw(i);
    if (k != i) std::swap(t.WorkAt(i), t.WorkAt(k));
  }
  for (int place = 1; place <= n; ++place) SeedOf(t.WorkAt(place), t.CurEvent) = place;
  Finish(t);
}

double PreviousRoundKey(const TSkier& s, char event, int round) { return RoundResult(s, event, round - 1); }

double RankScoreOf(const TSkier& s, char event) {
  switch (event) {
    case 'T':
      return s.TrickRankScore;
    case 'J':
      return s.JumpRankScore;
    default:
      return s.SlalomRankScore;
  }
}

bool PreviousRoundSeedDivision(Tournament& t, Prompter& prompt) {
  const char ev = t.CurEvent;
  const int round = t.CurRound;
  return SeedFromScores(t, prompt, "Not Valid for current Round!",
                        [&](const TSkier& s) { return PreviousRoundKey(s, ev, round); });
}

bool TotalScoreSeedDivision(Tournament& t, Prompter& prompt) {
  const char ev = t.CurEvent;
  return SeedFromScores(t, prompt, "Not valid for current round!",
                        [&](const TSkier& s) { return RankScoreOf(s, ev); });
}

bool SeedingAllowed(const Tournament& t, Prompter& prompt, SeedOption option) {
  if (option != SeedOption::Finals && t.CurRound >= 2 && t.PlaceMode() == 'F') {
    prompt.Show("Use Finals Selection to seed skiers for the finals. See help info.");
    return false;
  }
  return true;
}

bool RunSeedOption(Tournament& t, Platform& p, SeedOption option) {
  const bool all =
      option == SeedOption::RandomAll || option == SeedOption::PreviousAll || option == SeedOption::TotalAll;
  if (!all) {
    // A fresh list: writing back copies taken before a later edit would undo that edit.
    SelectDivisionEvent(t, p, t.CurDivision);
    return SeedOneDivision(t, p, option);
  }
  bool seeded = false;
  for (int d = 0; d <= kLastRegularDivision; ++d) {
    SelectDivisionEvent(t, p, d);
    if (t.WorkCount > 0) seeded = SeedOneDivision(t, p, option) || seeded;
  }
  SelectDivisionEvent(t, p, t.CurDivision);
  return seeded;
}
