// Properties that hold for any division: places are the competition ranks of the stored ranking
// scores, and event points are never negative with 1000 for the best of a share formula.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

#include "core/divisions.h"
#include "results/overall.h"
#include "results/placement.h"
#include "support/skier_builders.h"
#include "support/test_platform.h"

namespace {

constexpr char kEvents[] = {'S', 'T', 'J'};
constexpr char kRules[] = {'B', 'F', 'T', 'L'};

struct RandomDivision {
  std::mt19937 rng;
  explicit RandomDivision(unsigned seed) : rng(seed) {}
  int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

  // Coarse values so that ties are common; jumps include the pass, fall and disqualification codes
  // and values just around the 0.2 threshold.
  double Score(char event) {
    if (Uniform(0, 4) == 0) return 0;
    if (event == 'T') return 100.0 * Uniform(1, 30);
    if (event == 'S') return 0.5 * Uniform(1, 40);
    constexpr double kOdd[] = {0.01, 0.02, 0.03, 0.15, 0.25};
    if (Uniform(0, 5) == 0) return kOdd[Uniform(0, 4)];
    return Uniform(20, 30);
  }

  void Fill(Tournament& t, Platform& p, int division, int count) {
    for (int i = 0; i < count; ++i) {
      std::string events;
      for (char e : kEvents)
        if (Uniform(0, 5) != 0) events += e;
      TSkier& s = AddSkier(t, p, "SKIER" + std::to_string(i), "F", division, events);
      for (int r = 1; r <= 4; ++r) {
        auto round = static_cast<std::size_t>(r);
        s.SlalomScore[round] = Score('S');
        s.TrickScore[round] = Score('T');
        for (int j = 1; j <= 3; ++j) s.JumpDistance[static_cast<std::size_t>(j)][round] = Score('J');
      }
      s.SlalomFinalist = static_cast<std::uint8_t>(Uniform(0, 1));
      s.TrickFinalist = static_cast<std::uint8_t>(Uniform(0, 1));
      s.JumpFinalist = static_cast<std::uint8_t>(Uniform(0, 1));
      s.SlalomSeed = Uniform(0, 5);
      s.JumpSeed = Uniform(0, 5);
      s.TrickSeed = Uniform(0, 5);
    }
  }
};

struct Ranked {
  double score;  // what the skier was ranked on
  int place;
  bool tiedFinalist;
  double firstRound;
};

TEST(PlacementProperties, PlacesAreCompetitionRanksOfTheRankingScores) {
  for (unsigned seed = 1; seed <= 400; ++seed) {
    RandomDivision gen(seed);
    TestPlatform tp;
    Tournament t;
    t.CurDivision = gen.Uniform(2, 57);
    t.CurEvent = kEvents[gen.Uniform(0, 2)];
    t.CurRound = gen.Uniform(1, 4);
    t.settings.PlaceMode = kRules[gen.Uniform(0, 3)];
    t.settings.RulesMode = gen.Uniform(0, 3);
    gen.Fill(t, tp.platform, t.CurDivision, gen.Uniform(1, 25));
    const char ev = t.CurEvent;
    const bool lastRoundFinal = t.settings.PlaceMode == 'L' && t.CurRound == 2;
    const double bonus = FinalistBonus(ev);

    PlaceEvent(t, tp.random, t.Selected());

    std::vector<Ranked> ranked;
    t.ChangeEachSkier([&](TSkier& s) {
      if (t.settings.PlaceMode != 'L' && !EnteredIn(s, ev)) return;
      double score = RankScoreOf(s, ev);
      if (lastRoundFinal && IsFinalist(s, ev)) score += bonus;
      ranked.push_back({score, PlaceOf(s, ev), false, RoundResult(s, ev, 1)});
    });
    std::map<double, int> sameScore;
    for (const Ranked& r : ranked) ++sameScore[r.score];
    for (Ranked& r : ranked) r.tiedFinalist = lastRoundFinal && r.score > bonus && sameScore[r.score] > 1;

    SCOPED_TRACE("seed " + std::to_string(seed) + " rule " + t.settings.PlaceMode + " event " + ev + " round " +
                 std::to_string(t.CurRound) + " rules " + std::to_string(t.settings.RulesMode));
    for (const Ranked& r : ranked) {
      ASSERT_GE(r.place, 0);
      if (!CountsAsScore(r.score, ev)) {
        ASSERT_EQ(r.place, 0) << "score " << r.score;
        continue;
      }
      int higher = 0;
      for (const Ranked& o : ranked)
        if (o.score > r.score && CountsAsScore(o.score, ev)) ++higher;
      if (!r.tiedFinalist) {
        ASSERT_EQ(r.place, 1 + higher) << "score " << r.score;
        continue;
      }
      // Tied finalists share the positions of their tie, ordered by their first rounds.
      int better = 0;
      for (const Ranked& o : ranked)
        if (o.score == r.score && o.firstRound > r.firstRound) ++better;
      ASSERT_EQ(r.place, 1 + higher + better) << "score " << r.score;
    }
  }
}

TEST(PlacementProperties, EventPointsAreNeverNegativeAndTheBestOfAShareGetsAThousand) {
  for (unsigned seed = 1; seed <= 300; ++seed) {
    RandomDivision gen(seed);
    TestPlatform tp;
    Tournament t;
    t.settings.PlaceMode = kRules[gen.Uniform(0, 3)];
    t.settings.RulesMode = gen.Uniform(0, 3);
    const char ev = kEvents[gen.Uniform(0, 2)];
    std::vector<int> divisions;
    for (int k = 0; k < 4; ++k) {
      int d = gen.Uniform(0, 85);
      if (d == 58 || d == 59) continue;
      divisions.push_back(d);
      gen.Fill(t, tp.platform, d, gen.Uniform(1, 8));
    }
    ComputeEventPoints(t, ev);

    SCOPED_TRACE("seed " + std::to_string(seed) + " event " + ev + " rules " + std::to_string(t.settings.RulesMode));
    const bool firstRound = t.settings.PlaceMode == 'F';
    for (int d : divisions) {
      auto formula = FindPointsFormula(t.settings.RulesMode, ev, d);
      double best = 0;
      double bestPoints = -1;
      t.ChangeEachSkier([&](TSkier& s) {
        if (s.Division != d || !EnteredIn(s, 'S') || !EnteredIn(s, 'T') || !EnteredIn(s, 'J')) return;
        double points = ev == 'S' ? s.SlalomPoints : ev == 'T' ? s.TrickPoints : s.JumpPoints;
        ASSERT_GE(points, 0);
        double result = RoundResult(s, ev, 1);
        for (int r = 2; r <= 4 && !firstRound; ++r) result = std::max(result, RoundResult(s, ev, r));
        if (result > best) {
          best = result;
          bestPoints = points;
        }
      });
      const bool share = formula && formula->kind == PointsFormula::Kind::Ratio && formula->offset == 0;
      if (share && best > 0 && best >= formula->minResult && !(ev == 'J' && d < 2)) {
        ASSERT_DOUBLE_EQ(bestPoints, 1000) << DivisionCode(d);
      }
    }
  }
}

}  // namespace
