#include "core/event_backups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/event_files.h"
#include "event_test_files.h"
#include "support/shown_outcome.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Sets(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST(EventBackups, EachChangedSaveKeepsItsFamilyAndOnlyTheLastTenStay) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  t.EventFile = dir.file("Lake.dat");
  const std::string folder = dir.file("Lake.backups");
  for (int minute = 0; minute < 12; ++minute) {
    AddSkier(t, tp, "SKIER" + std::to_string(minute), "Ann", 16);
    tp.clock.now.minute = minute;
    ASSERT_TRUE(SaveShown(t, tp));
  }
  tp.clock.now.minute = 30;
  ASSERT_TRUE(SaveShown(t, tp));  // nothing changed: no copy of the newest set
  const auto sets = Sets(folder);
  ASSERT_EQ(sets.size(), 10u);
  EXPECT_EQ(sets.front(), "2026-07-04_09-02-03");  // the two oldest went
  EXPECT_EQ(sets.back(), "2026-07-04_09-11-03");
  const std::string newest = folder + "/" + sets.back() + "/";
  EXPECT_EQ(Slurp(newest + "Lake.dat"), Slurp(dir.file("Lake.dat")));
  EXPECT_EQ(Slurp(newest + "Lake.ttl"), Slurp(dir.file("Lake.ttl")));
  EXPECT_EQ(Slurp(newest + "Lake.sch"), Slurp(dir.file("Lake.sch")));
  EXPECT_EQ(Sets(newest).size(), 3u);  // no log, exports or timing files
  EXPECT_TRUE(tp.prompter.shown.empty());
}

TEST(EventBackups, ABackupThatCannotBeWrittenIsAWarningNotAFailedSave) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  t.EventFile = dir.file("Lake.dat");
  Spit(dir.file("Lake.backups"), "a file where the folder would go");
  AddSkier(t, tp, "ARNVALE", "Tomas", 16);
  EXPECT_TRUE(SaveShown(t, tp));
  EXPECT_FALSE(t.Unsaved);
  ASSERT_EQ(tp.prompter.shown.size(), 1u);
  EXPECT_EQ(tp.prompter.shown[0].text.rfind("The event was saved, but its backup could not be written.\n", 0),
            0u);
  EXPECT_TRUE(fs::exists(dir.file("Lake.dat")));
}
