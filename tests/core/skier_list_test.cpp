#include <gtest/gtest.h>

#include <cstring>

#include "core/skier_ops.h"
#include "core/work_list.h"
#include "support/shown_outcome.h"
#include "support/skier_builders.h"

namespace {

struct ListTest : ::testing::Test {
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
  // The list a window shows for a division, in the current event and round.
  WorkList work;
  void Select(int division) {
    Selection selection = t.Selected();
    selection.division = division;
    Outcome told;
    work = DrawnStartOrder(t, p.random, selection, told);
    p.Shown(told);
  }
  int WorkCount() const { return static_cast<int>(work.skiers.size()); }
  TSkier& WorkAt(int i) { return work.skiers[static_cast<std::size_t>(i - 1)]; }
};

}  // namespace

TEST(SkierRecord, OffsetsOfTheDocumentedExamples) {
  TSkier s{};
  auto at = [&](const void* field) { return static_cast<const char*>(field) - reinterpret_cast<const char*>(&s); };
  EXPECT_EQ(at(&s.SlalomScore[1]), 144);
  EXPECT_EQ(at(&s.SlalomSeed), 240);
  EXPECT_EQ(at(&s.TrickScore[1]), 848);
  EXPECT_EQ(at(&s.TrickPlace), 968);
  EXPECT_EQ(at(&s.JumpRamp[1]), 1584);
  EXPECT_EQ(at(&s.JumpSeed), 1648);
  EXPECT_EQ(at(&s.JumpPoints), 1680);
  EXPECT_EQ(at(&s.JumpDistance[2][3]), 1488 + 32 + 16);
  EXPECT_EQ(at(&s.SlalomTime1[3][2]), 80 + 204 + 48 + 6);
  EXPECT_EQ(at(&s.SlalomTime2[1][1]), 80 + 444);
  EXPECT_EQ(at(&s.TrickClass[3]), 784 + 684 + 4);
  EXPECT_EQ(at(&s.JumpBoat[4]), 1488 + 692 + 9);
  EXPECT_EQ(at(&s.JumpRoundDiv[2]), 1488 + 200 + 1);
}

TEST(SkierRecord, JumpRoundResultIsTheLongestJumpAboveTheCodes) {
  TSkier s{};
  s.JumpDistance[1][2] = 0.02;
  s.JumpDistance[2][2] = 0.03;
  EXPECT_EQ(JumpRoundResult(s, 2), 0.0);
  s.JumpDistance[3][2] = 38.5;
  EXPECT_EQ(JumpRoundResult(s, 2), 38.5);
  EXPECT_TRUE(IsJumpPass(0.01));
  EXPECT_TRUE(IsJumpFall(0.02));
  EXPECT_TRUE(IsJumpDsq(0.03));
  EXPECT_FALSE(IsJumpDsq(0.04));
}

TEST(SkierRecord, EachEventReadsItsOwnFields) {
  TSkier s{};
  struct Row {
    char event;
    const void *rank, *place, *points, *seed, *finalist;
  };
  const Row rows[] = {
      {'S', &s.SlalomRankScore, &s.SlalomPlace, &s.SlalomPoints, &s.SlalomSeed, &s.SlalomFinalist},
      {'T', &s.TrickRankScore, &s.TrickPlace, &s.TrickPoints, &s.TrickSeed, &s.TrickFinalist},
      {'J', &s.JumpRankScore, &s.JumpPlace, &s.JumpPoints, &s.JumpSeed, &s.JumpFinalist},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(&RankScoreOf(s, row.event), row.rank) << row.event;
    EXPECT_EQ(&PlaceOf(s, row.event), row.place) << row.event;
    EXPECT_EQ(&PointsOf(s, row.event), row.points) << row.event;
    EXPECT_EQ(&SeedOf(s, row.event), row.seed) << row.event;
    EXPECT_EQ(&FinalistOf(s, row.event), row.finalist) << row.event;
    FinalistOf(s, row.event) = 1;
    EXPECT_TRUE(IsFinalist(s, row.event)) << row.event;
  }
  EXPECT_FALSE(IsFinalist(s, 'X'));
}

TEST_F(ListTest, StartsWithTwoLinkedSentinels) {
  EXPECT_EQ(Surnames(t), (std::vector<std::string>{"AAAAA/AAAAA", "zzzzz/zzzzz"}));
  EXPECT_EQ(t.SkierCount(), 0);
  EXPECT_EQ(t.skiers.head().Division, 86);
  EXPECT_EQ(SkierNodes(t).back().SlalomRope[4], 18.25);
}

TEST_F(ListTest, BlankWorkingRecordDefaults) {
  t.settings.Country = "USA";
  BlankWorkingRecord(t);
  const TSkier& w = t.Working;
  EXPECT_EQ(w.Paid, "N");
  EXPECT_EQ(w.Division, 86);
  EXPECT_EQ(w.Fed, "USA");
  EXPECT_EQ(w.SlalomSpeed[3], 25.0);
  EXPECT_EQ(w.JumpRamp[2], 0.235);
  EXPECT_EQ(w.JumpSpeed[1], 45.0);
  EXPECT_EQ(w.TrickTime2[10][4], "0.00");
  EXPECT_EQ(w.TrickRoundDiv[4], 86);
  EXPECT_TRUE(w.SlalomClass[1].empty());
}

TEST_F(ListTest, SameSkierReplacesAndOtherDivisionAdds) {
  AddSkier(t, p, "SMITH", "John", 16);
  AddSkier(t, p, "SMITH", "John", 16);
  EXPECT_EQ(t.SkierCount(), 1);
  AddSkier(t, p, "SMITH", "John", 17);
  EXPECT_EQ(t.SkierCount(), 2);
  EXPECT_EQ(std::next(SkierNodes(t).begin())->Division, 16);
  EXPECT_EQ(std::next(SkierNodes(t).begin(), 2)->Division, 17);
}

TEST_F(ListTest, FirstNamesCompareWithoutCase) {
  AddSkier(t, p, "SMITH", "John", 16);
  TSkier again = MakeSkier(t, "SMITH", "john", 16);
  again.Bib = "12";
  Shown(p.prompt, InsertOrReplace(t, again));
  EXPECT_EQ(t.SkierCount(), 1);
  EXPECT_EQ(t.skiers.first()->FirstName, "john");
  EXPECT_EQ(t.skiers.first()->Bib, "12");
}

TEST_F(ListTest, SurnameOrderKeepsArrivalOrderOfEqualSurnames) {
  AddSkier(t, p, "SMITH", "Zed", 16);
  AddSkier(t, p, "BROWN", "Al", 16);
  AddSkier(t, p, "SMITH", "Abe", 16);
  AddSkier(t, p, "\xC9MILE", "X", 16);  // above "z" in byte order: just before the tail
  EXPECT_EQ(Surnames(t), (std::vector<std::string>{"AAAAA/AAAAA", "BROWN/Al", "SMITH/Zed", "SMITH/Abe",
                                                   "\xC9MILE/X", "zzzzz/zzzzz"}));
  EXPECT_TRUE(t.Unsaved);
}

TEST_F(ListTest, InsertionStopsAfterThreeHundredVisits) {
  for (int i = 0; i < 298; ++i) AddSkier(t, p, "A" + std::to_string(1000 + i), "X", 16);
  EXPECT_EQ(t.SkierCount(), 298);
  AddSkier(t, p, "ZZ", "X", 16);  // the tail is the 299th node visited
  EXPECT_EQ(t.SkierCount(), 299);
  EXPECT_TRUE(tp.prompter.shown.empty());
  AddSkier(t, p, "ZZZ", "X", 16);
  EXPECT_EQ(t.SkierCount(), 299);
  EXPECT_TRUE(tp.prompter.saw("System Error-Maximum Entry exceeded"));
  AddSkier(t, p, "B", "X", 16);  // an early place is still found
  EXPECT_EQ(t.SkierCount(), 300);
}

TEST_F(ListTest, AddWorkingRecordSetsEntryNumberRoundDivisionsClassAndSpeeds) {
  t.EntryCounter = 7;
  t.info.ClassDigit = '3';
  BlankWorkingRecord(t);
  t.Working.Surname = "DOE";
  t.Working.FirstName = "Jane";
  t.Working.Division = 19;  // W1 keeps its speeds
  Shown(p.prompt, AddWorkingRecord(t, p.random));
  const TSkier& s = *t.skiers.first();
  EXPECT_EQ(s.EntryNo, 8);
  EXPECT_EQ(s.JumpRoundDiv[4], 19);
  EXPECT_EQ(s.TrickClass[2], "3");
  EXPECT_EQ(s.SlalomSpeed[1], 25.0);
  EXPECT_EQ(s.JumpSpeed[1], 45.0);

  BlankWorkingRecord(t);
  t.Working.Surname = "ROE";
  t.Working.Division = 56;  // IM: slalom 58, jump kept
  Shown(p.prompt, AddWorkingRecord(t, p.random));
  EXPECT_EQ(std::next(t.skiers.first())->SlalomSpeed[4], 58.0);
  EXPECT_EQ(std::next(t.skiers.first())->JumpSpeed[4], 45.0);

  BlankWorkingRecord(t);
  Shown(p.prompt, AddWorkingRecord(t, p.random));  // an empty surname adds nothing
  EXPECT_EQ(t.SkierCount(), 2);
}

TEST_F(ListTest, AddWorkingRecordKeepsTheSpeedsOfScoredRounds) {
  BlankWorkingRecord(t);
  TSkier& w = t.Working;
  w.Surname = "DOE";
  w.Division = 17;  // W: slalom 46, jump 54
  w.SlalomSpeed[1] = 55;
  w.SlalomScore[1] = 44.5;
  w.SlalomSpeed[2] = 52;
  w.SlalomBuoys[2] = 0.5;  // buoys without a total yet
  w.JumpSpeed[1] = 57;
  w.JumpDistance[2][1] = 0.02;  // a fall is a jump skied
  Shown(p.prompt, AddWorkingRecord(t, p.random));
  const TSkier& s = *t.skiers.first();
  EXPECT_EQ(s.SlalomSpeed[1], 55.0);
  EXPECT_EQ(s.SlalomSpeed[2], 52.0);
  EXPECT_EQ(s.JumpSpeed[1], 57.0);
  EXPECT_EQ(s.SlalomSpeed[3], 46.0);  // unscored rounds take the division's speeds
  EXPECT_EQ(s.JumpSpeed[3], 54.0);
}

TEST_F(ListTest, DeleteMovesTheCursorBack) {
  AddSkier(t, p, "A", "1", 16);
  AddSkier(t, p, "B", "1", 16);
  t.MarkSaved();
  auto prev = t.RemoveSkier(std::next(t.skiers.first()));
  EXPECT_EQ(prev->Surname, "A");
  EXPECT_EQ(t.SkierCount(), 1);
  EXPECT_TRUE(t.Unsaved);
}

TEST_F(ListTest, ClearAllEntriesLeavesTheSentinels) {
  DeleteAllSkiers(t);
  EXPECT_EQ(Surnames(t).size(), 2u);
  AddSkier(t, p, "A", "1", 16);
  AddSkier(t, p, "B", "1", 17);
  DeleteAllSkiers(t);
  EXPECT_EQ(Surnames(t), (std::vector<std::string>{"AAAAA/AAAAA", "zzzzz/zzzzz"}));
  EXPECT_EQ(t.SkierCount(), 0);
}

TEST_F(ListTest, ClearAllScoresKeepsSeedsFromRoundsOneToThree) {
  TSkier& s = AddSkier(t, p, "A", "1", 16);
  s.SlalomScore[1] = 2.5;
  s.SlalomScore[2] = 4;
  s.SlalomScore[3] = 3.25;
  s.SlalomScore[4] = 6;  // round 4 is not looked at
  s.JumpDistance[2][1] = 41.0;
  s.TrickScore[1] = 1200;
  s.TrickSeed = 2000;
  s.Bib = "9";
  s.Paid = "Y";
  s.SlalomPlace = 1;
  s.OverallScore = 900;
  s.SlalomTime1[2][1] = "17.10";
  s.JumpClass[1] = "2";
  s.SlalomRoundDiv[1] = 16;
  ClearAllScores(t);
  const TSkier& c = *t.skiers.first();
  EXPECT_EQ(c.SlalomSeed, 4);
  EXPECT_EQ(c.JumpSeed, 41.0);
  EXPECT_EQ(c.TrickSeed, 2000);
  EXPECT_EQ(c.SlalomScore[2], 0);
  EXPECT_EQ(c.SlalomSpeed[3], 40.0);
  EXPECT_EQ(c.SlalomRope[1], 18.25);
  EXPECT_EQ(c.JumpRamp[4], 0.235);
  EXPECT_EQ(c.Bib, "");
  EXPECT_EQ(c.Paid, "N");
  EXPECT_EQ(c.SlalomPlace, 0);
  EXPECT_EQ(c.OverallScore, 0);
  EXPECT_EQ(c.SlalomTime1[2][1], "0.00");
  EXPECT_TRUE(c.JumpClass[1].empty());
  EXPECT_EQ(c.Surname, "A");
  EXPECT_EQ(c.SlalomEntry, "S");
  EXPECT_EQ(c.SlalomRoundDiv[1], 16);
}

TEST_F(ListTest, SelectionCopiesTheDivisionInListOrder) {
  AddSkier(t, p, "A", "1", 16, "S");
  AddSkier(t, p, "B", "1", 17, "S");
  AddSkier(t, p, "C", "1", 16, "T");
  work = DivisionList(t, 16);
  EXPECT_EQ(WorkCount(), 2);
  t.CurEvent = 'S';
  Select(16);
  ASSERT_EQ(WorkCount(), 1);
  EXPECT_EQ(WorkAt(1).Surname, "A");
  EXPECT_EQ(CountEntered(t, 16, 'T'), 1);
  EXPECT_EQ(CountEntered(t, 17, 'S'), 1);
}

TEST_F(ListTest, SeedOrderIsAscendingAndStable) {
  AddSkier(t, p, "A", "1", 16, "S").SlalomSeed = 30;
  AddSkier(t, p, "B", "1", 16, "S").SlalomSeed = 10;
  AddSkier(t, p, "C", "1", 16, "S").SlalomSeed = 30;
  AddSkier(t, p, "D", "1", 16, "S").SlalomSeed = 20;
  Select(16);
  std::string order;
  for (int i = 1; i <= WorkCount(); ++i) order += WorkAt(i).Surname.str();
  EXPECT_EQ(order, "BDAC");
}

TEST_F(ListTest, JumpSeedOrderGroupsByRamp) {
  t.CurEvent = 'J';
  TSkier& low = AddSkier(t, p, "LOW", "1", 16, "J");
  low.JumpSeed = 50;
  TSkier& high = AddSkier(t, p, "HIGH", "1", 16, "J");
  high.JumpSeed = 10;
  high.JumpRamp[1] = 0.255;
  TSkier& top = AddSkier(t, p, "TOP", "1", 16, "J");
  top.JumpSeed = 5;
  top.JumpRamp[1] = 0.275;
  Select(16);
  ASSERT_EQ(WorkCount(), 3);
  EXPECT_EQ(WorkAt(1).Surname, "LOW");
  EXPECT_EQ(WorkAt(2).Surname, "HIGH");
  EXPECT_EQ(WorkAt(3).Surname, "TOP");
  EXPECT_EQ(WorkAt(2).JumpSeed, 10);  // seeds are unchanged afterwards
}

TEST_F(ListTest, FinalOrderTakesFinalistsAndBreaksTiesByLot) {
  t.settings.PlaceMode = 'L';
  t.CurRound = 2;
  TSkier& a = AddSkier(t, p, "A", "1", 16, "S");
  a.SlalomFinalist = 1;
  a.SlalomScore[1] = 40;
  TSkier& b = AddSkier(t, p, "B", "1", 16, "S");
  b.SlalomFinalist = 1;
  b.SlalomScore[1] = 40;
  TSkier& c = AddSkier(t, p, "C", "1", 16, "S");
  c.SlalomFinalist = 1;
  c.SlalomScore[1] = 10;
  AddSkier(t, p, "D", "1", 16, "S").SlalomScore[1] = 50;  // not a finalist
  int aFirst = 0;
  const int runs = 2000;
  for (int i = 0; i < runs; ++i) {
    t.ties = {};  // each run a new lot
    Select(16);
    ASSERT_EQ(WorkCount(), 3);
    EXPECT_EQ(WorkAt(1).Surname, "C");
    if (WorkAt(2).Surname == "A") ++aFirst;
  }
  EXPECT_GT(aFirst, runs * 4 / 10);
  EXPECT_LT(aFirst, runs * 6 / 10);
}

TEST_F(ListTest, FinalOrderForJumpLiftsHigherRamps) {
  t.settings.PlaceMode = 'L';
  t.CurRound = 3;
  t.CurEvent = 'J';
  TSkier& a = AddSkier(t, p, "A", "1", 16, "J");
  a.JumpFinalist = 1;
  a.JumpDistance[1][1] = 30;
  a.JumpRamp[1] = 0.255;
  TSkier& b = AddSkier(t, p, "B", "1", 16, "J");
  b.JumpFinalist = 1;
  b.JumpDistance[1][1] = 45;
  Select(16);
  EXPECT_EQ(WorkAt(1).Surname, "B");
  EXPECT_EQ(WorkAt(2).Surname, "A");
}

TEST_F(ListTest, WorkListStopsAtThreeHundredWithAMessage) {
  for (int i = 0; i < 305; ++i) {
    TSkier s = MakeSkier(t, "S" + std::to_string(i), "X", 16);
    SkierNodes(t).insert(t.skiers.tailNode(), s);  // past the insertion limit on purpose
  }
  Select(16);
  EXPECT_EQ(WorkCount(), 300);
  EXPECT_EQ(tp.prompter.shown.size(), 1u);
}

TEST_F(ListTest, WriteBackMatchesExactNamesAndDivision) {
  AddSkier(t, p, "A", "Ann", 16, "S");
  Select(16);
  WorkAt(1).SlalomScore[1] = 33;
  WriteBack(t, work);
  EXPECT_EQ(t.skiers.first()->SlalomScore[1], 33);
  EXPECT_EQ(BestOverall(t, 16, 'S'), 33);
  EXPECT_EQ(BestOverall(t, 17, 'S'), 0);
}
