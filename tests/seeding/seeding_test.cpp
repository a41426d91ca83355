#include "seeding/seeding.h"

#include <gtest/gtest.h>

#include <map>

#include "core/skier_ops.h"
#include "support/skier_builders.h"

namespace {

// Counts reseeding: the desktop's generator is seeded once at start-up, never by a seeding.
struct CountingRandom : SeededRandom {
  int seeds = 0;
  void Seed(std::uint64_t s) override {
    ++seeds;
    SeededRandom::Seed(s);
  }
};

struct SeedingTest : ::testing::Test {
  Tournament t;
  TestPlatform tp;
  CountingRandom random;
  Platform p{tp.prompter, tp.files, tp.printer, tp.clock, random, tp.dialogs, tp.help, tp.fs};

  static std::string Order(const WorkList& list) {
    std::string out;
    for (const TSkier& s : list.skiers) out += s.Surname.str();
    return out;
  }
  // The current division's start order, as a seeding of one division starts from.
  WorkList list() const { return StartOrder(t, t.Selected()); }
  const TSkier& Listed(const std::string& surname) {
    for (auto& s : SkierNodes(t))
      if (s.Surname == surname) return s;
    return SkierNodes(t).back();
  }
};

}  // namespace

TEST_F(SeedingTest, RandomSeedingGivesEveryOrderOfThreeAboutEquallyOften) {
  AddSkier(t, p, "SOLO", "A", 17, "S").SlalomSeed = 7;
  t.CurDivision = 17;
  RunSeedOption(t, p.random, SeedOption::RandomCurrent);
  EXPECT_EQ(Listed("SOLO").SlalomSeed, 1);

  for (const char* name : {"A", "B", "C"}) AddSkier(t, p, name, "X", 16, "S");
  std::map<std::string, int> seen;
  for (int i = 0; i < 6000; ++i) {
    WorkList work;
    for (int k = 1; k <= 3; ++k)
      work.skiers.push_back(Listed(std::string(1, static_cast<char>('A' + k - 1))));
    RandomSeedDivision(t, work, p.random);
    ++seen[Order(work)];
    for (int k = 1; k <= 3; ++k) ASSERT_EQ(Listed(work.skiers[k - 1].Surname.str()).SlalomSeed, k);
  }
  ASSERT_EQ(seen.size(), 6u);
  for (const auto& [order, count] : seen) {
    EXPECT_GT(count, 850) << order;  // 1000 expected, about five standard deviations either way
    EXPECT_LT(count, 1150) << order;
  }
  EXPECT_EQ(random.seeds, 0);
}

TEST_F(SeedingTest, AllDivisionsRandomLeavesAdaptedDivisionsAndOtherEventsAlone) {
  AddSkier(t, p, "MAN", "A", 16, "ST").TrickSeed = 55;
  AddSkier(t, p, "WOMAN", "B", 17, "S");
  AddSkier(t, p, "ADAPTED", "C", 60, "S").SlalomSeed = 9;
  t.CurDivision = 17;
  EXPECT_TRUE(RunSeedOption(t, p.random, SeedOption::RandomAll).ok);
  EXPECT_EQ(Listed("MAN").SlalomSeed, 1);
  EXPECT_EQ(Listed("MAN").TrickSeed, 55);
  EXPECT_EQ(Listed("WOMAN").SlalomSeed, 1);
  EXPECT_EQ(Listed("ADAPTED").SlalomSeed, 9);
  EXPECT_EQ(Order(list()), "WOMAN");  // the current division's list
}

TEST_F(SeedingTest, PreviousRoundSeedingSortsStablyAndCountsJumpMarksAsZero) {
  t.CurEvent = 'J';
  t.CurRound = 2;
  AddSkier(t, p, "FAR", "A", 16, "J").JumpDistance[2][1] = 41.5;
  TSkier& first = AddSkier(t, p, "FIRST", "B", 16, "J");
  first.JumpDistance[1][1] = 30;
  first.JumpSeed = 20;
  TSkier& marks = AddSkier(t, p, "MARKS", "C", 16, "J");
  marks.JumpDistance[1][1] = 0.01;
  marks.JumpDistance[2][1] = 0.02;
  marks.JumpDistance[3][1] = 0.03;
  marks.JumpSeed = 80;
  TSkier& second = AddSkier(t, p, "SECOND", "D", 16, "J");
  second.JumpDistance[3][1] = 30;
  second.JumpSeed = 10;  // starts before FIRST, and stays before it
  WorkList jumpers = list();
  EXPECT_TRUE(PreviousRoundSeedDivision(t, jumpers).ok);
  EXPECT_EQ(Order(jumpers), "MARKSSECONDFIRSTFAR");
  EXPECT_EQ(Listed("MARKS").JumpSeed, 0);
  EXPECT_EQ(Listed("FIRST").JumpSeed, 30);
  EXPECT_EQ(Listed("SECOND").JumpSeed, 30);
  EXPECT_EQ(Listed("FAR").JumpSeed, 41.5);

  t.CurEvent = 'S';
  for (auto& s : SkierNodes(t)) s.SlalomEntry = "S", s.SlalomRankScore = s.Surname == "FAR" ? 1 : 5;
  WorkList slalom = list();
  EXPECT_TRUE(TotalScoreSeedDivision(t, slalom).ok);
  EXPECT_EQ(Listed("FAR").SlalomSeed, 1);
  EXPECT_EQ(Order(slalom).substr(0, 3), "FAR");
}

TEST_F(SeedingTest, RoundOneRefusalsChangeNothingAndRepeatPerDivision) {
  AddSkier(t, p, "A", "A", 16, "S").SlalomSeed = 5;
  AddSkier(t, p, "B", "B", 17, "S").SlalomSeed = 6;
  struct Case {
    SeedOption option;
    const char* message;
    std::size_t times;
  };
  for (const Case& c : {Case{SeedOption::PreviousCurrent, "Not Valid for current Round!", 1},
                        Case{SeedOption::TotalCurrent, "Not valid for current round!", 1},
                        Case{SeedOption::PreviousAll, "Not Valid for current Round!", 2},
                        Case{SeedOption::TotalAll, "Not valid for current round!", 2}}) {
    const Outcome refused = RunSeedOption(t, p.random, c.option);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.messages, std::vector<std::string>(c.times, c.message));
    EXPECT_EQ(Listed("A").SlalomSeed + Listed("B").SlalomSeed, 11);
  }
}

TEST_F(SeedingTest, FirstRoundPlacementGateLeavesOnlyTheFinalsSelection) {
  t.settings.PlaceMode = 'F';
  t.CurRound = 2;
  const Outcome gate = SeedingAllowed(t, SeedOption::RandomCurrent);
  EXPECT_FALSE(gate.ok);
  EXPECT_EQ(gate.messages,
            std::vector<std::string>{"Use Finals Selection to seed skiers for the finals. See help info."});
  EXPECT_TRUE(SeedingAllowed(t, SeedOption::Finals).ok);
  t.settings.PlaceMode = 'L';
  EXPECT_TRUE(SeedingAllowed(t, SeedOption::RandomAll).ok);
}
