// Event points, overall scores and overall places.
#include "results/overall.h"

#include <gtest/gtest.h>

#include "core/divisions.h"
#include "support/skier_builders.h"
#include "support/test_platform.h"

namespace {

int Div(const char* code) { return *FindDivision(code); }

class Overall : public ::testing::Test {
 protected:
  TestPlatform tp;
  Platform& p = tp.platform;
  Tournament t;

  void SetUp() override {
    t.settings.PlaceMode = 'B';
    t.settings.RulesMode = kZetlRules;
  }
  TSkier& Add(const std::string& surname, const char* division, const std::string& events = "STJ") {
    return AddSkier(t, p, surname, "A", Div(division), events);
  }
  TSkier& Find(const std::string& surname) {
    for (auto& s : SkierNodes(t))
      if (s.Surname == surname) return s;
    throw std::runtime_error("no skier " + surname);
  }
  static void Jump(TSkier& s, int round, double d) { s.JumpDistance[1][static_cast<std::size_t>(round)] = d; }
};

TEST_F(Overall, ZetlSlalomIsShareOfTheDivisionBest) {
  Add("ADAMS", "M").SlalomScore[1] = 30;
  Add("BROWN", "M").SlalomScore[2] = 45;
  Add("CLARK", "M");  // no result
  ComputeEventPoints(t, 'S');
  EXPECT_NEAR(Find("ADAMS").SlalomPoints, 666.67, 0.005);
  EXPECT_DOUBLE_EQ(Find("BROWN").SlalomPoints, 1000);
  EXPECT_DOUBLE_EQ(Find("CLARK").SlalomPoints, 0);
}

TEST_F(Overall, AwsaJumpIsTheSquareOfTheShare) {
  t.settings.RulesMode = kAwsaRules;
  Jump(Add("ADAMS", "M"), 1, 40);
  Jump(Add("BROWN", "M"), 3, 50);
  ComputeEventPoints(t, 'J');
  EXPECT_NEAR(Find("ADAMS").JumpPoints, 640, 1e-9);
  EXPECT_DOUBLE_EQ(Find("BROWN").JumpPoints, 1000);
}

TEST_F(Overall, IwwfJuniorSlalomNeedsTwelveBuoys) {
  t.settings.RulesMode = kIwwfRules;
  Add("ADAMS", "MU21").SlalomScore[1] = 11;
  Add("BROWN", "MU21").SlalomScore[1] = 24;
  Add("CLARK", "MU21").SlalomScore[1] = 36;
  ComputeEventPoints(t, 'S');
  EXPECT_DOUBLE_EQ(Find("ADAMS").SlalomPoints, 0);
  EXPECT_NEAR(Find("BROWN").SlalomPoints, 750, 1e-9);
  EXPECT_DOUBLE_EQ(Find("CLARK").SlalomPoints, 1000);
}

TEST_F(Overall, NegativeFractionsGiveNoPoints) {
  TSkier& a = Add("ADAMS", "MU17");
  Jump(a, 1, 18);
  a.JumpPoints = 321;
  Jump(Add("BROWN", "MU17"), 1, 30);
  ComputeEventPoints(t, 'J');
  EXPECT_DOUBLE_EQ(Find("ADAMS").JumpPoints, 0);
  EXPECT_DOUBLE_EQ(Find("BROWN").JumpPoints, 1000);
}

TEST_F(Overall, BestAtOrBelowTheOffsetScoresTheWholeDivisionZero) {
  // MU17 jump is (S - 20) / (B - 20): a best of 20 m or less has no meaningful share.
  for (double best : {20.0, 15.0}) {
    SkierNodes(t).clear();
    InitSkierList(t);
    Jump(Add("ADAMS", "MU17"), 1, best);
    Jump(Add("BROWN", "MU17"), 1, best - 5);
    ComputeEventPoints(t, 'J');
    EXPECT_DOUBLE_EQ(Find("ADAMS").JumpPoints, 0) << best;
    EXPECT_DOUBLE_EQ(Find("BROWN").JumpPoints, 0) << best;
  }
}

TEST_F(Overall, OnlySkiersOfAllThreeEventsAreContenders) {
  TSkier& a = Add("ADAMS", "M", "ST");
  a.SlalomScore[1] = 60;
  a.SlalomPoints = 55;
  Add("BROWN", "M").SlalomScore[1] = 30;
  ComputeEventPoints(t, 'S');
  EXPECT_DOUBLE_EQ(Find("ADAMS").SlalomPoints, 55) << "left as it was";
  EXPECT_DOUBLE_EQ(Find("BROWN").SlalomPoints, 1000) << "the best among contenders only";
}

TEST_F(Overall, FirstRoundRuleUsesRoundOneOnly) {
  t.settings.PlaceMode = 'F';
  TSkier& a = Add("ADAMS", "M");
  a.SlalomScore[1] = 20;
  a.SlalomScore[2] = 50;
  Add("BROWN", "M").SlalomScore[1] = 40;
  ComputeEventPoints(t, 'S');
  EXPECT_DOUBLE_EQ(Find("ADAMS").SlalomPoints, 500);
  EXPECT_DOUBLE_EQ(Find("BROWN").SlalomPoints, 1000);
}

TEST_F(Overall, DivisionsWithoutAFormulaGetNothing) {
  // The youngest divisions do not jump; ZETL has no jump formula for M1; adapted rules score only
  // the adapted divisions; IWWF has no row for M.
  TSkier& b1 = Add("BONE", "B1");
  Jump(b1, 1, 10);
  b1.JumpPoints = 12;
  Jump(Add("MONE", "M1"), 1, 30);
  ComputeEventPoints(t, 'J');
  EXPECT_DOUBLE_EQ(Find("BONE").JumpPoints, 12);
  EXPECT_DOUBLE_EQ(Find("MONE").JumpPoints, 0);

  t.settings.RulesMode = kAdaptedRules;
  Add("OPEN", "M").SlalomScore[1] = 30;
  Add("ADAPT", "MA").SlalomScore[1] = 25;
  ComputeEventPoints(t, 'S');
  EXPECT_DOUBLE_EQ(Find("OPEN").SlalomPoints, 0);
  EXPECT_DOUBLE_EQ(Find("ADAPT").SlalomPoints, 500) << "25 / 50";

  t.settings.RulesMode = kIwwfRules;
  ComputeEventPoints(t, 'S');
  EXPECT_DOUBLE_EQ(Find("OPEN").SlalomPoints, 0);
}

TEST_F(Overall, FormulaTablesSpotChecks) {
  auto points = [](int rules, char event, const char* div, double s, double b) {
    auto f = FindPointsFormula(rules, event, Div(div));
    return f ? EventPoints(*f, s, b) : -1.0;
  };
  EXPECT_NEAR(points(kZetlRules, 'J', "BU12", 33.3, 40), 1000, 1e-9);  // (S - 8) / 25.3
  EXPECT_NEAR(points(kZetlRules, 'J', "W5", 15, 35), 500, 1e-9);       // (S + 5) / (B + 5)
  EXPECT_NEAR(points(kZetlRules, 'J', "W80", 10, 30), 500, 1e-9);      // (S + 10) / (B + 10)
  EXPECT_EQ(points(kZetlRules, 'J', "W35", 20, 30), -1.0);
  EXPECT_NEAR(points(kIwwfRules, 'S', "BU10", 33.5, 40), 500, 1e-9);   // S / 67
  EXPECT_DOUBLE_EQ(points(kIwwfRules, 'S', "BU10", 5.5, 40), 0);       // below 6 buoys
  EXPECT_NEAR(points(kIwwfRules, 'J', "GU10", 11.4, 30), 1000, 1e-9);  // (S + 10) / 21.4
  EXPECT_NEAR(points(kIwwfRules, 'T', "GU14", 2650, 4000), 500, 1e-9); // S / 5300
  EXPECT_NEAR(points(kIwwfRules, 'J', "W65", 30, 30), 1000, 1e-9);
  EXPECT_NEAR(points(kAdaptedRules, 'J', "MAL2", 2, 3), 500, 1e-9);    // S / 4
  EXPECT_NEAR(points(kAdaptedRules, 'T', "WV3", 110, 300), 500, 1e-9); // S / 220
  EXPECT_NEAR(points(kAdaptedRules, 'S', "MLP", 42.51, 50), 1000, 1e-9);
}

TEST_F(Overall, OverallNeedsAJumpResultExceptForTheYoungest) {
  TSkier& m = Add("MEN", "M1");
  m.SlalomPoints = 800;
  m.TrickPoints = 700;
  m.JumpPoints = 0;  // M1 has no ZETL jump formula
  m.JumpRankScore = 25;
  TSkier& n = Add("NOJUMP", "M");
  n.SlalomPoints = 800;
  n.TrickPoints = 700;
  n.JumpPoints = 500;
  n.JumpRankScore = 0;
  n.OverallScore = 99;
  TSkier& g = Add("GIRL", "G1");
  g.SlalomPoints = 600;
  g.TrickPoints = 300;
  ComputeOverallScores(t);
  EXPECT_DOUBLE_EQ(Find("MEN").OverallScore, 1500);
  EXPECT_DOUBLE_EQ(Find("NOJUMP").OverallScore, 0);
  EXPECT_DOUBLE_EQ(Find("GIRL").OverallScore, 900);
}

TEST_F(Overall, OverallPlacesOfTheCurrentDivision) {
  t.CurDivision = Div("M");
  Add("ADAMS", "M").OverallScore = 2000;
  Add("BROWN", "M").OverallScore = 2500;
  Add("CLARK", "M").OverallScore = 2000;
  Add("DAVIS", "M", "S").OverallScore = 0;
  TSkier& w = Add("WOMAN", "W");
  w.OverallScore = 3000;
  t.MarkSaved();
  PlaceOverall(t, t.CurDivision);
  EXPECT_EQ(Find("BROWN").OverallPlace, 1);
  EXPECT_EQ(Find("ADAMS").OverallPlace, 2);
  EXPECT_EQ(Find("CLARK").OverallPlace, 2);
  EXPECT_EQ(Find("DAVIS").OverallPlace, 0);
  EXPECT_EQ(Find("WOMAN").OverallPlace, 0) << "other divisions untouched";
  EXPECT_TRUE(t.Unsaved);
}

}  // namespace
