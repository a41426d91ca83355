#include "core/event_files.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/schedule_file.h"
#include "core/skier_file.h"
#include "core/tournament_file.h"
#include "event_test_files.h"
#include "support/shown_outcome.h"
#include "support/skier_list_access.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

void ExpectSameInfo(const TournamentInfo& a, const TournamentInfo& b) {
  EXPECT_EQ(a.EventName, b.EventName);
  EXPECT_EQ(a.ChiefOfComp, b.ChiefOfComp);
  EXPECT_EQ(a.Scorer, b.Scorer);
  EXPECT_EQ(a.StartDate, b.StartDate);
  EXPECT_EQ(a.EndDate, b.EndDate);
  EXPECT_EQ(a.TechController, b.TechController);
  EXPECT_EQ(a.ChiefDriver, b.ChiefDriver);
  EXPECT_EQ(a.SafetyDirector, b.SafetyDirector);
  EXPECT_EQ(a.SanctionNo, b.SanctionNo);
  EXPECT_EQ(a.EventType, b.EventType);
  EXPECT_EQ(a.ClassDigit, b.ClassDigit);
}

}  // namespace

TEST(EventBase, NameUpToTheFirstDatOrWithoutItsLastExtension) {
  EXPECT_EQ(EventBaseOf("/lake/Nats.dat"), "/lake/Nats");
  EXPECT_EQ(EventBaseOf("/lake/Nats.dat.old"), "/lake/Nats");
  EXPECT_EQ(EventBaseOf("/lake/Nats.DAT"), "/lake/Nats");
  EXPECT_EQ(EventBaseOf("/lake/Nats"), "/lake/Nats");
  EXPECT_EQ(EventBaseOf("/lake.v2/Nats"), "/lake.v2/Nats");
  EXPECT_EQ(EventBaseOf(""), "");
}

TEST(EventFiles, RoundTripGivesTheSameFilesAndState) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  FillEvent(t, tp);
  t.EventFile = dir.file("Cup.dat");
  ASSERT_TRUE(SaveShown(t, tp));
  EXPECT_FALSE(t.Unsaved);

  Tournament u;
  ASSERT_TRUE(OpenShown(u, tp, dir.file("Cup.dat")));
  EXPECT_TRUE(tp.prompter.shown.empty());
  EXPECT_EQ(u.EventFile, dir.file("Cup.dat"));
  EXPECT_EQ(u.EventBase, dir.file("Cup"));
  EXPECT_EQ(u.SkierCount(), 3);
  EXPECT_EQ(SkierFileBytes(u.skiers), SkierFileBytes(t.skiers));
  ExpectSameInfo(u.info, t.info);
  EXPECT_EQ(u.RoundCount, 3);
  EXPECT_EQ(u.EntryCounter, 17);
  EXPECT_EQ(u.settings.RulesMode, 2);
  EXPECT_EQ(u.settings.PlaceMode, 'L');
  EXPECT_EQ(u.settings.TeamMode, "BEST3");
  EXPECT_EQ(u.settings.SiteCode, "CAN7688");
  for (std::size_t k = 1; k <= kTeamSlots; ++k) {
    EXPECT_EQ(u.teams.slots[k].code, t.teams.slots[k].code);
    EXPECT_EQ(u.teams.slots[k].name, t.teams.slots[k].name);
  }
  EXPECT_EQ(ScheduleFileBytes(u.schedule), ScheduleFileBytes(t.schedule));
  for (std::size_t d = 1; d <= 4; ++d) EXPECT_EQ(u.schedule.startTimes[d], t.schedule.startTimes[d]);
  EXPECT_EQ(u.schedule.slalomMinutes, 6);
  EXPECT_EQ(u.schedule.trickMinutes, 3);
  EXPECT_EQ(u.schedule.jumpMinutes, 9);

  // Saved again under another name, every file comes out byte for byte the same.
  u.EventFile = dir.file("Again.dat");
  ASSERT_TRUE(SaveShown(u, tp));
  for (const char* suffix : {".dat", ".ttl", ".sch", "-jumptimes.txt", "-slalomtimes.txt"})
    EXPECT_EQ(Slurp(dir.file(std::string("Again") + suffix)), Slurp(dir.file(std::string("Cup") + suffix)))
        << suffix;
}

TEST(EventFiles, EmptyEventIsTheTwoListEnds) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  t.EventFile = dir.file("Empty.dat");
  ASSERT_TRUE(SaveShown(t, tp));
  auto bytes = Slurp(dir.file("Empty.dat"));
  ASSERT_TRUE(bytes);
  ASSERT_EQ(bytes->size(), 4416u);
  TSkier head{}, tail{};
  std::memcpy(&head, bytes->data(), 2208);
  std::memcpy(&tail, bytes->data() + 2208, 2208);
  EXPECT_EQ(head.Surname, "AAAAA");
  EXPECT_EQ(tail.Surname, "zzzzz");
  EXPECT_EQ(Slurp(dir.file("Empty.sch"))->size(), 4000u);

  Tournament u;
  AddSkier(u, tp, "OLD", "Skier", 16);
  ASSERT_TRUE(OpenShown(u, tp, dir.file("Empty.dat")));
  EXPECT_EQ(u.SkierCount(), 0);
  EXPECT_EQ(SkierNodes(u).size(), 2u);
}

TEST(EventFiles, SecondSaveKeepsTheFirstSkierFileAsBackup) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  t.EventFile = dir.file("Nats.dat");
  ASSERT_TRUE(SaveShown(t, tp));
  EXPECT_FALSE(Slurp(dir.file("Nats.bak")));
  auto first = Slurp(dir.file("Nats.dat"));
  AddSkier(t, tp, "SMITH", "John", 16);
  ASSERT_TRUE(SaveShown(t, tp));
  EXPECT_EQ(Slurp(dir.file("Nats.bak")), first);
  EXPECT_EQ(Slurp(dir.file("Nats.dat"))->size(), 3u * 2208u);
}

TEST(EventFiles, NameWithDatInsideNamesTheFamilyAfterTheBase) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  t.EventFile = dir.file("Nats.dat.old");
  ASSERT_TRUE(SaveShown(t, tp));
  EXPECT_EQ(t.EventBase, dir.file("Nats"));
  EXPECT_EQ(Slurp(dir.file("Nats.dat.old"))->size(), 4416u);
  for (const char* f : {"Nats.ttl", "Nats.sch", "Natslog.log", "Nats-jumptimes.txt", "Nats-slalomtimes.txt"})
    EXPECT_TRUE(Slurp(dir.file(f))) << f;
  EXPECT_FALSE(Slurp(dir.file("Nats.dat")));
}

TEST(EventFiles, SaveWithoutANameWritesNothing) {
  TestPlatform tp;
  Tournament t;
  t.MarkChanged();
  EXPECT_FALSE(SaveShown(t, tp));
  EXPECT_TRUE(t.Unsaved);
  EXPECT_EQ(tp.fs.steps, 0);
}

TEST(EventFiles, AuditLogIsCreatedThenAppendedWithTheTimeStamp) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  t.EventFile = dir.file("Nats.dat");
  ASSERT_TRUE(SaveShown(t, tp));
  EXPECT_EQ(Slurp(dir.file("Natslog.log")), "**Event Files Saved\r\n\r\n");
  tp.clock.now = {2026, 12, 1, 17, 45, 9};
  ASSERT_TRUE(SaveShown(t, tp));
  EXPECT_EQ(Slurp(dir.file("Natslog.log")), "**Event Files Saved\r\n\r\n01/12/2026, 17:45:09  - Event Files Saved\r\n");
}

TEST(EventFiles, OpenSelectsTheCurrentDivisionAndRemovesLeftoverTempFiles) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  FillEvent(t, tp);
  t.EventFile = dir.file("Cup.dat");
  ASSERT_TRUE(SaveShown(t, tp));
  const char* const leftovers[] = {"Cup.dat.tmp~", "Cup.ttl.tmp~", "Cup.csv.tmp~", "Cup_iwwf.txt.tmp~"};
  for (const char* f : leftovers) Spit(dir.file(f), "half a file");
  Tournament u;
  u.CurDivision = 16;
  u.CurEvent = 'S';
  u.MarkChanged();
  ASSERT_TRUE(OpenShown(u, tp, dir.file("Cup.dat")));
  for (const char* f : leftovers) EXPECT_FALSE(Slurp(dir.file(f))) << f;
  EXPECT_FALSE(u.Unsaved);
}

TEST(EventFiles, MissingTournamentFileKeepsTheSettingsAndReadsTheRest) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  FillEvent(t, tp);
  t.EventFile = dir.file("Cup.dat");
  ASSERT_TRUE(SaveShown(t, tp));
  std::remove(dir.file("Cup.ttl").c_str());
  Tournament u;
  u.info.EventName = "Still Here";
  u.RoundCount = 2;
  ASSERT_TRUE(OpenShown(u, tp, dir.file("Cup.dat")));
  EXPECT_EQ(tp.prompter.texts(), std::vector<std::string>{"ERROR - \"" + dir.file("Cup.ttl") + "\" not found"});
  EXPECT_EQ(u.info.EventName, "Still Here");
  EXPECT_EQ(u.RoundCount, 2);
  EXPECT_EQ(u.SkierCount(), 3);
  EXPECT_EQ(u.schedule.days[1].rows[1].division, 16);
}

TEST(EventFiles, MissingScheduleGivesEmptyDays) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  FillEvent(t, tp);
  t.EventFile = dir.file("Cup.dat");
  ASSERT_TRUE(SaveShown(t, tp));
  std::remove(dir.file("Cup.sch").c_str());
  Tournament u;
  u.schedule.days[3].rows[7].division = 5;
  ASSERT_TRUE(OpenShown(u, tp, dir.file("Cup.dat")));
  for (std::size_t d = 1; d <= 4; ++d)
    for (std::size_t r = 1; r <= 50; ++r) {
      EXPECT_EQ(u.schedule.days[d].rows[r].division, 86);
      EXPECT_EQ(u.schedule.days[d].rows[r].entries, 0);
      EXPECT_TRUE(u.schedule.days[d].rows[r].event.empty());
    }
}

TEST(EventFiles, UnchangedFilesAreNotWrittenAgain) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  FillEvent(t, tp);
  t.EventFile = dir.file("Cup.dat");
  ASSERT_TRUE(SaveShown(t, tp));
  ASSERT_TRUE(SaveShown(t, tp));  // the backup appears
  tp.fs.steps = 0;
  t.MarkChanged();
  ASSERT_TRUE(SaveShown(t, tp));
  EXPECT_FALSE(t.Unsaved);
  EXPECT_EQ(tp.fs.steps, 4);  // the log line alone: open, write, flush, close
  t.Working.SlalomScore[1] = 1;  // the edit record is not the event
  SkierAt(t, t.skiers.first()).SlalomScore[2] = 12.5;
  tp.fs.steps = 0;
  ASSERT_TRUE(SaveShown(t, tp));
  // The skier file (six steps); the backup already holds the unchanged file of the last saves. The
  // clock stands still, so the new backup set replaces the one of the same second.
  const int backupSet = BackupSetSteps(3, true);
  EXPECT_EQ(tp.fs.steps, 4 + 6 + backupSet);
  tp.fs.steps = 0;
  SkierAt(t, t.skiers.first()).SlalomScore[3] = 7;
  ASSERT_TRUE(SaveShown(t, tp));
  EXPECT_EQ(tp.fs.steps, 4 + 6 + 6 + backupSet);  // now the backup changes too
}
