#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>

#include "core/event_files.h"
#include "core/officials_file.h"
#include "event_test_files.h"
#include "support/shown_outcome.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

const char* const kFamily[] = {"Cup.dat",        "Cup.bak",           "Cup.ttl",           "Cup.sch", "Cup_officials.txt",
                               "Cuplog.log",     "Cup-jumptimes.txt", "Cup-slalomtimes.txt"};

using Files = std::map<std::string, std::optional<std::string>>;

Files Snapshot(const TempDir& dir) {
  Files f;
  for (const char* name : kFamily) f[name] = Slurp(dir.file(name));
  return f;
}

void WriteOfficials(const TempDir& dir) {
  std::vector<OfficialsRecord> records(60);
  records[16].Slot(1, 1, 1) = "Judge Jane";
  std::string bytes(60 * sizeof(OfficialsRecord), '\0');
  std::memcpy(bytes.data(), records.data(), bytes.size());
  Spit(dir.file("Cup.ofc"), bytes);
}

// The first version A is saved cleanly; then version B (one more skier, another name) is saved
// with `failAt`. Answers the files before and after, and whether B's save reported success.
struct SaveResult {
  Files before, after;
  bool saved;
  bool unsaved;
  int steps;
  std::vector<std::string> shown;
  bool leftover;  // a temporary backup folder
};

SaveResult SaveSecondVersion(int failAt) {
  TempDir dir;
  WriteOfficials(dir);
  TestPlatform tp;
  Tournament t;
  FillEvent(t, tp);
  t.EventFile = dir.file("Cup.dat");
  EXPECT_TRUE(SaveShown(t, tp));
  EXPECT_TRUE(SaveShown(t, tp));  // so that a backup and a log line exist before
  SaveResult o;
  o.before = Snapshot(dir);
  AddSkier(t, tp, "ZIMMER", "Kai", 16);
  t.info.EventName = "Changed Cup";
  t.MarkChanged();
  tp.clock.now.minute = 30;
  tp.fs.steps = 0;
  tp.fs.failAt = failAt;
  o.saved = SaveShown(t, tp);
  o.unsaved = t.Unsaved;
  o.steps = tp.fs.steps;
  o.after = Snapshot(dir);
  o.shown = tp.prompter.texts();
  o.leftover = std::filesystem::exists(dir.file("Cup.backups/2026-07-04_09-30-03.tmp~"));
  return o;
}

}  // namespace

TEST(EventSaveFaults, EveryFailedStepLeavesThePreviousSkierFileAndWholeFiles) {
  const SaveResult clean = SaveSecondVersion(0);
  ASSERT_TRUE(clean.saved);
  ASSERT_GT(clean.steps, 30);
  EXPECT_NE(clean.after.at("Cup.dat"), clean.before.at("Cup.dat"));
  EXPECT_EQ(clean.after.at("Cup.bak"), clean.before.at("Cup.dat"));

  // After the skier file is written the save stands: the log line takes four steps, then the new
  // backup set of the skier, tournament, schedule and officials files.
  const int logSteps = 4;
  const int backupSteps = BackupSetSteps(4, false);
  for (int n = 1; n <= clean.steps; ++n) {
    SCOPED_TRACE("failing step " + std::to_string(n));
    const SaveResult o = SaveSecondVersion(n);
    if (n > clean.steps - backupSteps) {
      EXPECT_TRUE(o.saved);
      EXPECT_FALSE(o.unsaved);
      ASSERT_EQ(o.shown.size(), 1u);
      EXPECT_EQ(o.shown[0].rfind("The event was saved, but its backup could not be written.\n", 0), 0u);
      EXPECT_FALSE(o.leftover) << "a half-written backup set";
      continue;
    }
    if (n > clean.steps - backupSteps - logSteps) {
      EXPECT_TRUE(o.saved);
      EXPECT_FALSE(o.unsaved);
      ASSERT_EQ(o.shown.size(), 1u);
      EXPECT_EQ(o.shown[0].rfind("The event was saved, but the audit log could not be written.\n", 0), 0u);
      EXPECT_TRUE(o.after.at("Cup.dat") == clean.after.at("Cup.dat"));
      continue;
    }
    EXPECT_FALSE(o.saved);
    EXPECT_TRUE(o.unsaved);
    ASSERT_EQ(o.shown.size(), 1u);
    EXPECT_EQ(o.shown[0].rfind("The event was not saved.\n", 0), 0u) << o.shown[0];
    EXPECT_NE(o.shown[0].find("injected failure"), std::string::npos) << o.shown[0];
    EXPECT_EQ(o.after.at("Cup.dat"), o.before.at("Cup.dat"));
    for (const char* name : kFamily) {
      const auto& now = o.after.at(name);
      EXPECT_TRUE(now == o.before.at(name) || now == clean.after.at(name)) << name;
    }
  }
  EXPECT_TRUE(SaveSecondVersion(clean.steps + 1).saved);
}
