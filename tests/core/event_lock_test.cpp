#include "core/event_lock.h"

#include <gtest/gtest.h>

#include "event_test_files.h"
#include "support/crashed_lock.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

TEST(EventLock, OneHolderAtATimeUntilItReleases) {
  TempDir dir;
  TestPlatform tp;
  const std::string lock = EventLockPath(dir.file("Lake.dat"));
  EXPECT_EQ(lock, dir.file("Lake.lock"));
  const LockHolder a = ThisProgram(tp.clock.now), b = ThisProgram(tp.clock.now);
  ASSERT_TRUE(TakeEventLock(tp.fs, lock, a).taken);
  EXPECT_TRUE(TakeEventLock(tp.fs, lock, a).taken);  // its own lock again
  const LockAttempt second = TakeEventLock(tp.fs, lock, b);
  EXPECT_FALSE(second.taken);
  EXPECT_EQ(HolderText(second.holder), HolderText(a));
  EXPECT_EQ(HolderText(a).find(a.user + " on the computer " + a.computer + " (process "), 0u);
  ReleaseEventLock(tp.fs, lock, b);  // not b's: it stays
  EXPECT_FALSE(TakeEventLock(tp.fs, lock, b).taken);
  ReleaseEventLock(tp.fs, lock, a);
  EXPECT_TRUE(TakeEventLock(tp.fs, lock, b).taken);
}

TEST(EventLock, ALockWhoseProgramStoppedIsTakenOverOnlyWhereThatCanBeTold) {
  TempDir dir;
  TestPlatform tp;
  const LockHolder self = ThisProgram(tp.clock.now);
  const LockHolder running = ThisProgram(tp.clock.now);
  struct Row {
    const char* what;
    std::string text;
    bool takenOver;
  } rows[] = {
      {"process ended", LockFileText({self.computer, "anna", EndedProcess(), self.bootId, "x", "k1"}), true},
      {"computer restarted", LockFileText({self.computer, "anna", running.process, "old-boot", "x", "k2"}),
       true},
      {"program runs", LockFileText(running), false},
      {"another computer", LockFileText({"boathouse", "anna", EndedProcess(), "b", "x", "k3"}), false},
      {"damaged lock", "garbage", true},
      {"empty lock", "", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const std::string lock = dir.file(std::string(row.what) + ".lock");
    Spit(lock, row.text);
    const LockAttempt a = TakeEventLock(tp.fs, lock, self);
    EXPECT_EQ(a.taken, row.takenOver);
    EXPECT_EQ(a.tookOver, row.takenOver);
    EXPECT_EQ(*Slurp(lock) == LockFileText(self), row.takenOver);
  }
}
