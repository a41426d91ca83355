#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/event_files.h"
#include "core/skier_ops.h"
#include "support/shown_outcome.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"

namespace {

struct Change {
  std::string name;
  std::function<void(Tournament&, TestPlatform&)> run;
  int skiersAfter;  // of the two skiers the case starts with
};

}  // namespace

// Every change of the event moves the change count once, whatever its kind; the skier count is the
// list's own, and only a save or an open marks the event saved.
TEST(TournamentChanges, EachOperationCountsOneChangeAndTheSkierCountFollowsTheList) {
  const std::vector<Change> cases = {
      {"add a skier", [](Tournament& t, TestPlatform& tp) { AddSkier(t, tp, "NEW", "Al", 16); }, 3},
      {"replace a skier", [](Tournament& t, TestPlatform& tp) { AddSkier(t, tp, "ABLE", "al", 16); }, 2},
      {"insert in place",
       [](Tournament& t, TestPlatform&) {
         t.InsertSkier(t.skiers.tailNode(), MakeSkier(t, "ZULU", "Zo", 16));
       },
       3},
      {"remove a skier", [](Tournament& t, TestPlatform&) { t.RemoveSkier(t.skiers.first()); }, 1},
      {"remove all skiers", [](Tournament& t, TestPlatform&) { DeleteAllSkiers(t); }, 0},
      {"clear all scores", [](Tournament& t, TestPlatform&) { ClearAllScores(t); }, 2},
      {"store a result",
       [](Tournament& t, TestPlatform&) {
         TSkier s = *t.skiers.first();
         s.SlalomScore[1] = 31.5;
         EXPECT_TRUE(t.StoreSkier(s));
       },
       2},
      {"change every skier",
       [](Tournament& t, TestPlatform&) { t.ChangeEachSkier([](TSkier& s) { ++s.OverallPlace; }); }, 2},
      {"change the setup",
       [](Tournament& t, TestPlatform&) {
         Tournament::Setup setup = t.CurrentSetup();
         setup.rounds = 3;
         t.StoreSetup(setup);
       },
       2},
      {"rename a team", [](Tournament& t, TestPlatform&) { t.RenameTeam(1, "Lake Club"); }, 2},
      {"type a score in a grid",
       [](Tournament& t, TestPlatform&) {
         TSkier s = *t.skiers.first();
         s.SlalomScore[1] = 12;
         t.KeepGridEdit({16, 'S', 1}, s);
         EXPECT_EQ(t.gridEdits.skiers.size(), 1u);
       },
       2},
  };
  for (const Change& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    TestPlatform tp;
    Tournament t;
    AddSkier(t, tp, "ABLE", "Al", 16);
    AddSkier(t, tp, "BAKER", "Bo", 16);
    t.EventFile = dir.file("Cup.dat");
    ASSERT_TRUE(SaveShown(t, tp));
    ASSERT_FALSE(t.Unsaved);
    const auto before = t.Unsaved.changes();

    c.run(t, tp);
    EXPECT_EQ(t.Unsaved.changes(), before + 1);
    EXPECT_TRUE(t.Unsaved);
    EXPECT_EQ(t.SkierCount(), c.skiersAfter);
    EXPECT_EQ(t.SkierCount(), static_cast<int>(t.skiers.nodes().size()) - 2);

    ASSERT_TRUE(SaveShown(t, tp));
    EXPECT_FALSE(t.Unsaved);
    Tournament u;
    ASSERT_TRUE(OpenShown(u, tp, dir.file("Cup.dat")));
    EXPECT_FALSE(u.Unsaved);
    EXPECT_EQ(u.SkierCount(), c.skiersAfter);
  }
}

TEST(TournamentChanges, StoringAnUnchangedRecordOrNameLeavesTheEventSaved) {
  TestPlatform tp;
  Tournament t;
  AddSkier(t, tp, "ABLE", "Al", 16);
  t.MarkSaved();
  EXPECT_TRUE(t.StoreSkier(*t.skiers.first()));
  EXPECT_FALSE(t.Unsaved);
  TSkier stranger = *t.skiers.first();
  stranger.Surname = "NOBODY";
  EXPECT_FALSE(t.StoreSkier(stranger));
  t.RenameTeam(1, t.teams.slots[1].name.str());
  t.StoreSetup(t.CurrentSetup());
  EXPECT_FALSE(t.Unsaved);
}
