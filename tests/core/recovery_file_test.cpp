#include "core/recovery_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/errors.h"
#include "support/shown_outcome.h"
#include "support/skier_builders.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

struct RecoveryFileTest : ::testing::Test {
  Tournament t;
  TestPlatform tp;
  RecoveryFileTest() {
    AddSkier(t, tp, "ARNVALE", "Tomas", 16).SlalomScore[1] = 32.5;
    AddSkier(t, tp, "BRIGHT", "Lena", 17).TrickScore[2] = 1200;
    t.info.EventName = "Lakeside Open";
    t.EventFile = "/events/Lake.dat";
  }
};

}  // namespace

TEST_F(RecoveryFileTest, ReadsBackWhatWasWritten) {
  t.ties.orders[{16, 'S', 2}] = {{"ARNVALE", "Tomas"}, {"DUNE", "Ola"}};
  RecoveryFile r;
  std::string why;
  ASSERT_TRUE(ParseRecoveryFile(RecoveryFileBytes(t, true, tp.clock.Now()), r, why)) << why;
  EXPECT_EQ(r.eventFile, "/events/Lake.dat");
  EXPECT_TRUE(r.named);
  EXPECT_EQ(r.skiers, 2);
  EXPECT_EQ(r.scores, 2);
  EXPECT_EQ(RecoveryTimeText(r.written), "04/07/2026 at 09:05:03");

  Tournament u;
  Shown(tp.prompter, RestoreRecovery(u, tp.fs, r));
  EXPECT_TRUE(u.Unsaved);
  EXPECT_EQ(u.EventFile.str(), "/events/Lake.dat");
  EXPECT_EQ(u.info.EventName.str(), "Lakeside Open");
  EXPECT_EQ(Surnames(u), Surnames(t));
  EXPECT_EQ(std::next(SkierNodes(u).begin())->SlalomScore[1], 32.5);
  EXPECT_EQ(u.ties, t.ties);
}

TEST_F(RecoveryFileTest, ACopyWrittenBeforeTieOrdersWereKeptStillReads) {
  std::string bytes = RecoveryFileBytes(t, true, tp.clock.Now());
  // The same copy as an earlier version wrote it: no tie order part, its own check sum.
  bytes.erase(bytes.find("tie-order "));
  std::uint64_t h = 1469598103934665603ULL;
  for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ULL;
  char sum[17];
  std::snprintf(sum, sizeof sum, "%016llx", static_cast<unsigned long long>(h));
  bytes += std::string("check ") + sum + "\n";
  RecoveryFile r;
  std::string why;
  ASSERT_TRUE(ParseRecoveryFile(bytes, r, why)) << why;
  EXPECT_EQ(r.skiers, 2);
  EXPECT_TRUE(r.ties.orders.empty());
}

TEST_F(RecoveryFileTest, DamageIsFoundWhereverItIs) {
  const std::string good = RecoveryFileBytes(t, false, tp.clock.Now());
  std::string flipped = good;
  flipped[good.size() / 2] ^= 0x20;
  struct Case {
    std::string bytes, why;
  } cases[] = {
      {"", "not a Tallivar recovery file"},
      {"garbage\n", "not a Tallivar recovery file"},
      {good.substr(0, good.size() - 40), "check sum"},
      {flipped, "check sum"},
      {good + "x", "check sum"},
  };
  for (const auto& c : cases) {
    RecoveryFile r;
    std::string why;
    EXPECT_FALSE(ParseRecoveryFile(c.bytes, r, why));
    EXPECT_NE(why.find(c.why), std::string::npos) << why;
  }
}

TEST(RecoveryAside, ANameTooLongIsCutToFitAndTheSearchForAFreeNameEnds) {
  ::alarm(20);  // a search that never ends fails the test instead of hanging it
  namespace fs = std::filesystem;
  TempDir dir;
  TestPlatform tp;
  std::string accented;
  for (int i = 0; i < 118; ++i) accented += "\xc3\xa9";  // 236 bytes of two-byte characters
  for (const std::string& name : {std::string(236, 'L'), std::string(246, 'L'), accented}) {
    const std::string copy = dir.file(name + ".recovery");
    std::ofstream(copy) << "work";
    const std::string aside = RecoveryAsideName(tp.fs, copy, tp.clock.Now());
    const std::string asideName = fs::path(aside).filename().string();
    EXPECT_LE(asideName.size(), 255U);
    EXPECT_EQ(fs::path(aside).parent_path(), fs::path(dir.path()));
    EXPECT_EQ(asideName.substr(0, 20), name.substr(0, 20));
    EXPECT_NE(asideName.find(".recovery.2026-07-04_09-05-03"), std::string::npos) << asideName;
    SetRecoveryAside(tp.fs, copy, aside);
    EXPECT_TRUE(fs::exists(aside));
  }
  struct EveryNameTaken : FaultyFileSystem {
    FileKind Kind(const std::string&) override { return FileKind::Regular; }
    bool Exists(const std::string&) override { return true; }
  } full;
  EXPECT_THROW(RecoveryAsideName(full, dir.file("Lake.recovery"), tp.clock.Now()), IoError);
  ::alarm(0);
}
