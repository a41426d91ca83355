// The recomputation that follows a saved score, end to end on a small event.
#include "results/recompute.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/divisions.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

int Div(const char* code) { return *FindDivision(code); }

class Recompute : public ::testing::Test {
 protected:
  TempDir dir;
  TestPlatform tp;
  Platform& p = tp.platform;
  Tournament t;

  void SetUp() override {
    t.settings.PlaceMode = 'B';
    t.settings.RulesMode = kZetlRules;
    t.CurRound = 1;
    t.EventBase = dir.file("Lake");  // the audit lines of stored scores go beside the event
  }
  TSkier& Find(const std::string& surname) {
    for (auto& s : SkierNodes(t))
      if (s.Surname == surname) return s;
    throw std::runtime_error("no skier " + surname);
  }
  // Saves one score the way the result list does: into the listed record, then the recomputation.
  void Save(const std::string& surname, char event, double value) {
    t.CurEvent = event;
    Outcome told;
    WorkList list = DrawnStartOrder(t, p.random, t.Selected(), told);
    p.Shown(told);
    auto w = std::find_if(list.skiers.begin(), list.skiers.end(),
                          [&](const TSkier& s) { return s.Surname == surname; });
    ASSERT_NE(w, list.skiers.end()) << surname;
    if (event == 'S') w->SlalomScore[1] = value;
    if (event == 'T') w->TrickScore[1] = value;
    if (event == 'J') w->JumpDistance[1][1] = value;
    RecomputeAfterScore(t, p, list);
  }
};

TEST_F(Recompute, SavedScoresFlowIntoPlacesPointsAndOverall) {
  t.CurDivision = Div("M");
  AddSkier(t, p, "ADAMS", "A", Div("M"));
  AddSkier(t, p, "BROWN", "B", Div("M"));
  AddSkier(t, p, "CLARK", "C", Div("M"), "S");
  Save("ADAMS", 'S', 30);
  Save("BROWN", 'S', 45);
  Save("CLARK", 'S', 50);
  EXPECT_EQ(Find("CLARK").SlalomPlace, 1);
  EXPECT_EQ(Find("BROWN").SlalomPlace, 2);
  EXPECT_EQ(Find("ADAMS").SlalomPlace, 3);
  EXPECT_NEAR(Find("ADAMS").SlalomPoints, 666.67, 0.005) << "CLARK is no overall contender";
  EXPECT_DOUBLE_EQ(Find("BROWN").SlalomPoints, 1000);

  Save("ADAMS", 'T', 4000);
  Save("BROWN", 'T', 2000);
  EXPECT_DOUBLE_EQ(Find("BROWN").OverallScore, 0) << "no jump result yet";

  Save("ADAMS", 'J', 40);
  Save("BROWN", 'J', 50);
  // MU/M jump is (S - 25) / (B - 25): 15 / 25.
  EXPECT_NEAR(Find("ADAMS").JumpPoints, 600, 1e-9);
  EXPECT_NEAR(Find("ADAMS").OverallScore, 666.666666 + 1000 + 600, 1e-3);
  EXPECT_NEAR(Find("BROWN").OverallScore, 1000 + 500 + 1000, 1e-9);
  EXPECT_EQ(Find("BROWN").OverallPlace, 1);
  EXPECT_EQ(Find("ADAMS").OverallPlace, 2);
  EXPECT_EQ(Find("CLARK").OverallPlace, 0);

  EXPECT_TRUE(t.Unsaved);
  // Placing again what is already placed changes nothing worth saving.
  t.MarkSaved();
  RecomputeStandings(t, p);
  EXPECT_FALSE(t.Unsaved);
}

TEST_F(Recompute, YoungestDivisionGetsAnOverallFromSlalomAndTrick) {
  t.CurDivision = Div("G1");
  AddSkier(t, p, "GIRL", "G", Div("G1"));
  AddSkier(t, p, "OTHER", "O", Div("G1"));
  Save("GIRL", 'S', 20);
  Save("OTHER", 'S', 10);
  Save("GIRL", 'T', 500);
  Save("OTHER", 'T', 1000);
  EXPECT_DOUBLE_EQ(Find("GIRL").OverallScore, 1500);
  EXPECT_DOUBLE_EQ(Find("OTHER").OverallScore, 1500);
  EXPECT_EQ(Find("GIRL").OverallPlace, 1);
  EXPECT_EQ(Find("OTHER").OverallPlace, 1);
}

}  // namespace

TEST_F(Recompute, ADivisionOfMoreThan300SkiersRaisesItsMessageOncePerScore) {
  t.CurDivision = 16;
  for (int i = 0; i < 301; ++i) {
    TSkier s = MakeSkier(t, "SKIER" + std::to_string(1000 + i), "Any", 16, "S");
    SkierNodes(t).insert(std::prev(SkierNodes(t).end()), s);
  }
  RecomputeAfterScore(t, p, {});
  EXPECT_EQ(tp.prompter.shown.size(), 1u);
  RecomputeAfterScore(t, p, {});
  EXPECT_EQ(tp.prompter.shown.size(), 2u);  // the next score is another operation
}
