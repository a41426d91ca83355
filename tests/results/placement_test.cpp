// Event placement: ranking scores and places of one division under each placement rule.
#include "results/placement.h"

#include <gtest/gtest.h>

#include "core/divisions.h"
#include "support/skier_builders.h"
#include "support/test_platform.h"

namespace {

constexpr int kM = 16;
constexpr int kW = 17;

class Placement : public ::testing::Test {
 protected:
  TestPlatform tp;
  Platform& p = tp.platform;
  Tournament t;

  void SetUp() override {
    t.CurDivision = kM;
    t.CurEvent = 'S';
    t.CurRound = 1;
    t.settings.PlaceMode = 'B';
    t.settings.RulesMode = kZetlRules;
  }
  TSkier& Add(const std::string& surname, int division = kM) { return AddSkier(t, p, surname, "A", division); }
  TSkier& Find(const std::string& surname) {
    for (auto& s : SkierNodes(t))
      if (s.Surname == surname) return s;
    throw std::runtime_error("no skier " + surname);
  }
  int Place(const std::string& surname) { return PlaceOf(Find(surname), t.CurEvent); }
  double Rank(const std::string& surname) { return RankScoreOf(Find(surname), t.CurEvent); }
  static void Jumps(TSkier& s, int round, double a, double b, double c) {
    s.JumpDistance[1][static_cast<std::size_t>(round)] = a;
    s.JumpDistance[2][static_cast<std::size_t>(round)] = b;
    s.JumpDistance[3][static_cast<std::size_t>(round)] = c;
  }
};

TEST_F(Placement, EqualScoresSharePlaceAndTheNextTakesItsPosition) {
  Add("ADAMS").SlalomScore[1] = 40;
  Add("BROWN").SlalomScore[2] = 40;
  Add("CLARK").SlalomScore[1] = 38;
  Add("DAVIS");  // no score
  Add("OTHER", kW).SlalomScore[1] = 50;
  Find("OTHER").SlalomPlace = 7;
  PlaceEvent(t, p.random, t.Selected());
  EXPECT_EQ(Place("ADAMS"), 1);
  EXPECT_EQ(Place("BROWN"), 1);
  EXPECT_EQ(Place("CLARK"), 3);
  EXPECT_EQ(Place("DAVIS"), 0);
  EXPECT_DOUBLE_EQ(Rank("BROWN"), 40);
  EXPECT_EQ(Find("OTHER").SlalomPlace, 7) << "only the current division is placed";
  EXPECT_TRUE(t.Unsaved);
}

TEST_F(Placement, DivisionWithoutScoresHasNoPlaces) {
  Add("ADAMS").SlalomPlace = 4;
  Add("BROWN").SlalomPlace = 2;
  PlaceEvent(t, p.random, t.Selected());
  EXPECT_EQ(Place("ADAMS"), 0);
  EXPECT_EQ(Place("BROWN"), 0);
}

TEST_F(Placement, FirstRoundRuleIgnoresLaterRounds) {
  t.settings.PlaceMode = 'F';
  t.CurEvent = 'T';
  Add("ADAMS").TrickScore[1] = 2000;
  Find("ADAMS").TrickScore[2] = 9000;
  Add("BROWN").TrickScore[1] = 3000;
  PlaceEvent(t, p.random, t.Selected());
  EXPECT_EQ(Place("BROWN"), 1);
  EXPECT_EQ(Place("ADAMS"), 2);
  EXPECT_DOUBLE_EQ(Rank("ADAMS"), 2000);
}

TEST_F(Placement, TotalRuleLeavesRoundFourOut) {
  t.settings.PlaceMode = 'T';
  TSkier& a = Add("ADAMS");
  a.SlalomScore[1] = a.SlalomScore[2] = a.SlalomScore[3] = 10;
  TSkier& b = Add("BROWN");
  b.SlalomScore[1] = 20;
  b.SlalomScore[4] = 50;
  // Totals are set for every skier of the list, in every event.
  TSkier& other = Add("OTHER", kW);
  Jumps(other, 1, 30, 0.02, 0);
  Jumps(other, 2, 31, 0, 0);
  Jumps(other, 4, 60, 0, 0);
  PlaceEvent(t, p.random, t.Selected());
  EXPECT_DOUBLE_EQ(Rank("ADAMS"), 30);
  EXPECT_DOUBLE_EQ(Rank("BROWN"), 20);
  EXPECT_EQ(Place("ADAMS"), 1);
  EXPECT_EQ(Place("BROWN"), 2);
  EXPECT_DOUBLE_EQ(Find("OTHER").JumpRankScore, 61);
}

TEST_F(Placement, BestJumpBelowTwoTenthsIsNoScore) {
  t.CurEvent = 'J';
  Jumps(Add("ADAMS"), 1, 0.15, 0.01, 0.02);
  Jumps(Add("BROWN"), 2, 31.5, 0.02, 0);
  PlaceEvent(t, p.random, t.Selected());
  EXPECT_DOUBLE_EQ(Rank("ADAMS"), 0);
  EXPECT_EQ(Place("ADAMS"), 0);
  EXPECT_DOUBLE_EQ(Rank("BROWN"), 31.5);
  EXPECT_EQ(Place("BROWN"), 1);
}

TEST_F(Placement, FirstRoundJumpOfFifteenHundredthsCountsAsNoScore) {
  t.settings.PlaceMode = 'F';
  t.CurEvent = 'J';
  Jumps(Add("ADAMS"), 1, 0.15, 0, 0);
  Jumps(Add("BROWN"), 1, 0.25, 0, 0);
  PlaceEvent(t, p.random, t.Selected());
  EXPECT_DOUBLE_EQ(Rank("ADAMS"), 0.15);
  EXPECT_EQ(Place("ADAMS"), 0);
  EXPECT_EQ(Place("BROWN"), 1);
}

TEST_F(Placement, UnknownRuleLetterPlacesNothing) {
  t.settings.PlaceMode = 'X';
  Add("ADAMS").SlalomScore[1] = 40;
  t.MarkSaved();
  PlaceEvent(t, p.random, t.Selected());
  EXPECT_EQ(Place("ADAMS"), 0);
  EXPECT_FALSE(t.Unsaved);
}

// --- last round placement ---

TEST_F(Placement, FinalistRanksAboveEveryNonFinalist) {
  t.settings.PlaceMode = 'L';
  t.CurRound = 2;
  TSkier& f = Add("FINAL");
  f.SlalomFinalist = 1;
  f.SlalomScore[1] = 20;
  f.SlalomScore[2] = 10;
  Add("NONFIN").SlalomScore[1] = 45;
  PlaceEvent(t, p.random, t.Selected());
  EXPECT_EQ(Place("FINAL"), 1);
  EXPECT_EQ(Place("NONFIN"), 2);
  EXPECT_DOUBLE_EQ(Rank("FINAL"), 10) << "the bonus is taken off again";
  EXPECT_DOUBLE_EQ(Rank("NONFIN"), 45);
}

TEST_F(Placement, EqualFinalistsAreOrderedByRoundOne) {
  t.settings.PlaceMode = 'L';
  t.CurRound = 2;
  t.CurEvent = 'T';
  auto finalist = [&](const std::string& name, double r1, double r2) {
    TSkier& s = Add(name);
    s.TrickFinalist = 1;
    s.TrickScore[1] = r1;
    s.TrickScore[2] = r2;
  };
  // ADAMS comes first in the list, BROWN below it with the better first round: they exchange.
  finalist("ADAMS", 3000, 5000);
  finalist("BROWN", 4000, 5000);
  finalist("CLARK", 2000, 4000);
  finalist("DAVIS", 2000, 4000);
  PlaceEvent(t, p.random, t.Selected());
  EXPECT_EQ(Place("BROWN"), 1);
  EXPECT_EQ(Place("ADAMS"), 2);
  EXPECT_EQ(Place("CLARK"), 3) << "equal first rounds share the place";
  EXPECT_EQ(Place("DAVIS"), 3);
  EXPECT_DOUBLE_EQ(Rank("ADAMS"), 5000);
}

TEST_F(Placement, ThreeEqualFinalistsAllFollowTheirFirstRounds) {
  t.settings.PlaceMode = 'L';
  t.CurRound = 2;
  for (auto [name, r1] : {std::pair{"ADAMS", 30.0}, {"BROWN", 40.0}, {"CLARK", 50.0}}) {
    TSkier& s = Add(name);
    s.SlalomFinalist = 1;
    s.SlalomScore[1] = r1;
    s.SlalomScore[2] = 20;
  }
  PlaceEvent(t, p.random, t.Selected());
  EXPECT_EQ(Place("CLARK"), 1);
  EXPECT_EQ(Place("BROWN"), 2);
  EXPECT_EQ(Place("ADAMS"), 3);
}

TEST_F(Placement, LastRoundRulePlacesRoundsOneThreeAndFourOnTheirOwnScores) {
  t.settings.PlaceMode = 'L';
  TSkier& a = Add("ADAMS");
  a.SlalomScore = {{30, 0, 10, 5}};
  TSkier& b = Add("BROWN");
  b.SlalomScore = {{20, 0, 15, 25}};
  // Placed on the whole division, entered in the event or not.
  TSkier& c = AddSkier(t, p, "CLARK", "A", kM, "T");
  c.SlalomScore[1] = 25;
  const std::vector<std::pair<int, std::vector<int>>> expected{{1, {1, 3, 2}}, {3, {2, 1, 0}}, {4, {2, 1, 0}}};
  for (const auto& [round, places] : expected) {
    t.CurRound = round;
    PlaceEvent(t, p.random, t.Selected());
    EXPECT_EQ(Place("ADAMS"), places[0]) << "round " << round;
    EXPECT_EQ(Place("BROWN"), places[1]) << "round " << round;
    EXPECT_EQ(Place("CLARK"), places[2]) << "round " << round;
  }
}

// --- the jump tie-break by the second-best jump ---

class JumpTie : public Placement {
 protected:
  void SetUp() override {
    Placement::SetUp();
    t.CurEvent = 'J';
    t.settings.PlaceMode = 'F';
  }
  // SHORT's second-best jump is 38.0, LONG's 39.0; the seeds decide who is above before the sort.
  void Skiers(double shortSeed, double longSeed) {
    TSkier& s = Add("SHORT");
    Jumps(s, 1, 40.0, 38.0, 30.0);
    s.JumpSeed = shortSeed;
    TSkier& l = Add("LONG");
    Jumps(l, 1, 20.0, 40.0, 39.0);
    l.JumpSeed = longSeed;
  }
};

TEST_F(JumpTie, LongerSecondJumpBreaksTheTieFromBelow) {
  Skiers(1, 2);
  PlaceEvent(t, p.random, t.Selected());
  EXPECT_NEAR(Rank("LONG"), 40.02, 1e-9);
  EXPECT_DOUBLE_EQ(Rank("SHORT"), 40.0);
  EXPECT_EQ(Place("LONG"), 1);
  EXPECT_EQ(Place("SHORT"), 2);
}

TEST_F(JumpTie, LongerSecondJumpBreaksTheTieFromAbove) {
  Skiers(2, 1);
  PlaceEvent(t, p.random, t.Selected());
  EXPECT_NEAR(Rank("LONG"), 40.01, 1e-9);
  EXPECT_EQ(Place("LONG"), 1);
  EXPECT_EQ(Place("SHORT"), 2);
}

TEST_F(JumpTie, AdaptedAndAwsaRulesBreakTheTieToo) {
  for (int rules : {kAwsaRules, kAdaptedRules}) {
    t.settings.RulesMode = rules;
    SkierNodes(t).clear();
    InitSkierList(t);
    Skiers(1, 2);
    PlaceEvent(t, p.random, t.Selected());
    EXPECT_EQ(Place("LONG"), 1) << "rules " << rules;
    EXPECT_EQ(Place("SHORT"), 2) << "rules " << rules;
  }
}

TEST_F(JumpTie, NotBrokenUnderIwwfRulesNorOtherPlacementRules) {
  t.settings.RulesMode = kIwwfRules;
  Skiers(1, 2);
  PlaceEvent(t, p.random, t.Selected());
  EXPECT_EQ(Place("LONG"), 1);
  EXPECT_EQ(Place("SHORT"), 1);
  EXPECT_DOUBLE_EQ(Rank("LONG"), 40.0);

  t.settings.RulesMode = kZetlRules;
  t.settings.PlaceMode = 'B';
  PlaceEvent(t, p.random, t.Selected());
  EXPECT_EQ(Place("LONG"), 1);
  EXPECT_EQ(Place("SHORT"), 1);
}

TEST_F(JumpTie, FallsAndPassesAreNoSecondBestDistance) {
  TSkier& a = Add("FALLS");
  Jumps(a, 1, 40.0, 0.02, 0.03);
  a.JumpSeed = 1;
  TSkier& b = Add("PASSES");
  Jumps(b, 1, 40.0, 0.01, 0.01);
  b.JumpSeed = 2;
  PlaceEvent(t, p.random, t.Selected());
  EXPECT_EQ(Place("FALLS"), 1);
  EXPECT_EQ(Place("PASSES"), 1);
}

TEST_F(JumpTie, ThreeWayTieEndsInRankOrder) {
  // EVEN2 is raised for beating SHORTER while EVEN1 above it stays unraised; the sort must go on
  // until the list is in order again.
  const std::vector<std::pair<std::string, double>> skiers{{"EVEN1", 36.0}, {"EVEN2", 36.0}, {"SHORTER", 35.0}};
  double seed = 1;
  for (const auto& [name, second] : skiers) {
    TSkier& s = Add(name);
    Jumps(s, 1, 40.0, second, 10.0);
    s.JumpSeed = seed++;
  }
  PlaceEvent(t, p.random, t.Selected());
  EXPECT_EQ(Place("EVEN1"), 1);
  EXPECT_EQ(Place("EVEN2"), 1);
  EXPECT_EQ(Place("SHORTER"), 3);
  EXPECT_DOUBLE_EQ(Rank("SHORTER"), 40.0);
}

}  // namespace
