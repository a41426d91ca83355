#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/event_files.h"
#include "core/file_io.h"
#include "core/skier_file.h"
#include "event_test_files.h"
#include "support/shown_outcome.h"
#include "support/skier_list_access.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

void SaveCup(const TempDir& dir) {
  TestPlatform tp;
  Tournament t;
  FillEvent(t, tp);
  t.EventFile = dir.file("Cup.dat");
  ASSERT_TRUE(SaveShown(t, tp));
  ASSERT_TRUE(SaveShown(t, tp));  // a backup too
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class UnreadableFamilyFile : public ::testing::TestWithParam<const char*> {};

TEST_P(UnreadableFamilyFile, StopsTheOpenWithItsNameAndKeepsTheOpenEvent) {
  TempDir dir;
  SaveCup(dir);
  TestPlatform tp;
  tp.fs.unreadable.insert(dir.file(GetParam()));
  Tournament t;
  AddSkier(t, tp, "KEEP", "Me", 20);
  t.info.EventName = "Open Event";
  t.EventFile = dir.file("Open.dat");
  t.MarkChanged();

  EXPECT_FALSE(OpenShown(t, tp, dir.file("Cup.dat")));
  ASSERT_EQ(tp.prompter.shown.size(), 1u);
  EXPECT_TRUE(Contains(tp.prompter.shown[0].text, "\"" + dir.file(GetParam()) + "\": Permission denied"))
      << tp.prompter.shown[0].text;
  EXPECT_EQ(t.info.EventName, "Open Event");
  EXPECT_EQ(t.SkierCount(), 1);
  EXPECT_EQ(t.EventFile, dir.file("Open.dat"));
  EXPECT_TRUE(t.Unsaved);
}

INSTANTIATE_TEST_SUITE_P(Files, UnreadableFamilyFile, ::testing::Values("Cup.dat", "Cup.ttl", "Cup.sch"),
                         [](const auto& info) { return std::string(info.param).substr(4); });

TEST(EventFileFaults, AFolderWhereTheTournamentFileShouldBeIsReportedNotTakenForMissing) {
  TempDir dir;
  SaveCup(dir);
  std::filesystem::remove(dir.file("Cup.ttl"));
  std::filesystem::create_directory(dir.file("Cup.ttl"));
  TestPlatform tp;
  Tournament t;
  EXPECT_FALSE(OpenShown(t, tp, dir.file("Cup.dat")));
  EXPECT_TRUE(Contains(tp.prompter.texts().at(0), "Cannot read \"" + dir.file("Cup.ttl") + "\""));
}

TEST(EventFileFaults, UnreadableSkierFileStopsTheSaveAndDeletesNothing) {
  TempDir dir;
  SaveCup(dir);
  const auto dat = Slurp(dir.file("Cup.dat"));
  const auto bak = Slurp(dir.file("Cup.bak"));
  TestPlatform tp;
  Tournament t;
  AddSkier(t, tp, "OTHER", "One", 16);
  t.EventFile = dir.file("Cup.dat");
  t.MarkChanged();
  tp.fs.unreadable.insert(dir.file("Cup.dat"));
  EXPECT_FALSE(SaveShown(t, tp));
  EXPECT_TRUE(t.Unsaved);
  EXPECT_EQ(tp.fs.steps, 0);
  EXPECT_TRUE(Contains(tp.prompter.texts().at(0), "Cannot read \"" + dir.file("Cup.dat") + "\""));
  EXPECT_TRUE(Slurp(dir.file("Cup.dat")) == dat);
  EXPECT_TRUE(Slurp(dir.file("Cup.bak")) == bak);
}

TEST(EventFileFaults, DatInAFolderNameDoesNotJoinTwoEventsFamilies) {
  TempDir dir;
  std::filesystem::create_directory(dir.file("club.data"));
  const std::string folder = dir.file("club.data") + "/";
  TestPlatform tp;
  Tournament a, b;
  a.info.EventName = "Spring";
  b.info.EventName = "Autumn";
  a.EventFile = folder + "Spring.dat";
  b.EventFile = folder + "Autumn.dat";
  ASSERT_TRUE(SaveShown(a, tp));
  ASSERT_TRUE(SaveShown(b, tp));
  EXPECT_EQ(a.EventBase, folder + "Spring");
  EXPECT_TRUE(Contains(*Slurp(folder + "Spring.ttl"), "Spring"));
  EXPECT_TRUE(Contains(*Slurp(folder + "Autumn.ttl"), "Autumn"));
  EXPECT_FALSE(Slurp(dir.file("club.ttl")));
}

// Saves the Cup with one skier more, failing at step `failAt`; answers the steps taken.
int SaveOneMore(int failAt, TestPlatform& tp, const TempDir& dir, Tournament& t) {
  SaveCup(dir);
  EXPECT_TRUE(OpenShown(t, tp, dir.file("Cup.dat")));
  AddSkier(t, tp, "NEWER", "Skier", 16);
  tp.fs.steps = 0;
  tp.fs.failAt = failAt;
  tp.prompter.clear();
  SaveShown(t, tp);
  return tp.fs.steps;
}

TEST(EventFileFaults, ALogThatCannotBeWrittenIsAWarningAndTheSaveStands) {
  TempDir cleanDir;
  TestPlatform cleanTp;
  Tournament clean;
  // The log line takes four steps (open, write, flush, close) before the backup set.
  const int steps = SaveOneMore(0, cleanTp, cleanDir, clean) - BackupSetSteps(3, true);
  for (int fromEnd = 0; fromEnd < 4; ++fromEnd) {
    SCOPED_TRACE(fromEnd);
    TempDir dir;
    TestPlatform tp;
    Tournament t;
    SaveOneMore(steps - fromEnd, tp, dir, t);
    EXPECT_FALSE(t.Unsaved);
    EXPECT_TRUE(Slurp(dir.file("Cup.dat")) == SkierFileBytes(t.skiers));
    ASSERT_EQ(tp.prompter.shown.size(), 1u);
    EXPECT_TRUE(Contains(tp.prompter.shown[0].text, "The event was saved, but the audit log"));
    EXPECT_TRUE(Contains(tp.prompter.shown[0].text, dir.file("Cuplog.log")));
  }
}

TEST(EventFileFaults, DamagedScheduleOpensWithEmptyDaysAndIsKeptBeforeTheNextSave) {
  TempDir dir;
  SaveCup(dir);
  const std::string damaged(3999, '\x07');
  Spit(dir.file("Cup.sch"), damaged);
  TestPlatform tp;
  Tournament t;
  ASSERT_TRUE(OpenShown(t, tp, dir.file("Cup.dat")));
  EXPECT_EQ(t.SkierCount(), 3);
  EXPECT_EQ(t.schedule.days[1].rows[1].division, 86);
  ASSERT_EQ(tp.prompter.shown.size(), 1u);
  EXPECT_TRUE(Contains(tp.prompter.shown[0].text, "\"" + dir.file("Cup.sch") + "\" is damaged"));
  EXPECT_TRUE(Contains(tp.prompter.shown[0].text, dir.file("Cup.sch.damaged")));

  ASSERT_TRUE(SaveShown(t, tp));
  EXPECT_EQ(Slurp(dir.file("Cup.sch.damaged")), damaged);
  EXPECT_EQ(Slurp(dir.file("Cup.sch"))->size(), 4000u);
}

TEST(EventFileFaults, ReplacingAFileKeepsItsPermissions) {
  TempDir dir;
  TestPlatform tp;
  for (mode_t mode : {0444, 0600, 0640}) {
    const std::string path = dir.file("f" + std::to_string(mode));
    WriteFileSafely(tp.fs, path, "old");
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    WriteFileSafely(tp.fs, path, "new");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, mode);
    EXPECT_EQ(Slurp(path), "new");
  }
}

TEST(EventFileFaults, ADivisionOfMoreThan300SkiersIsSavedWholeWithOneMessage) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  t.CurDivision = 16;
  for (int i = 0; i < 301; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "SKIER%03d", i);
    TSkier s = MakeSkier(t, name, "Any", 16, "SJ");
    auto at = std::prev(SkierNodes(t).end());  // appended in order: the list's own limit is not at issue
    SkierNodes(t).insert(at, s);
  }
  t.EventFile = dir.file("Big.dat");
  ASSERT_TRUE(SaveShown(t, tp));
  EXPECT_EQ(tp.prompter.shown.size(), 1u);
  const std::string slalom = *Slurp(dir.file("Big-slalomtimes.txt"));
  EXPECT_TRUE(Contains(slalom, ";SKIER300;"));
  EXPECT_EQ(std::count(slalom.begin(), slalom.end(), '\n'), 301 + 2);
}

}  // namespace
