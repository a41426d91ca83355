// Damaged or non-regular files of an event's family: the open says what it found, never waits on
// a FIFO, and the save keeps the damaged bytes aside before replacing them.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>

#include "core/event_files.h"
#include "core/family_check.h"
#include "event_test_files.h"
#include "support/shown_outcome.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

// A read that waits on a FIFO ends the test program instead of hanging it.
struct Deadline {
  Deadline() { ::alarm(20); }
  ~Deadline() { ::alarm(0); }
};

struct DamagedFamily : ::testing::Test {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  std::string lake = dir.file("Lake.dat");
  DamagedFamily() {
    Tournament saved;
    FillEvent(saved, tp);
    saved.EventFile = lake;
    EXPECT_TRUE(SaveShown(saved, tp));
    tp.prompter.clear();
  }
};

std::string Garbage(std::size_t n) {
  std::mt19937 gen(5);
  std::string b(n, '\0');
  for (char& c : b) c = static_cast<char>(gen() & 0xff);
  return b;
}

}  // namespace

TEST_F(DamagedFamily, OpenNamesWhatTheCheckFindsAndTheSaveKeepsTheBytesAside) {
  std::string ttl = *Slurp(dir.file("Lake.ttl"));
  ttl.replace(ttl.find("[TEAMS]"), 7, "[TEAMZ]");
  const struct {
    const char* file;
    std::string bytes;
    const char* found;
  } cases[] = {
      {"Lake.sch", Garbage(4000), "is out of range"},
      {"Lake.ttl", ttl, "there is no \"[TEAMS]\" line"},
      {"Lake.bak", Garbage(3 * 2208), "record 1:"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string path = dir.file(c.file);
    Spit(path, c.bytes);
    tp.prompter.clear();
    ASSERT_TRUE(OpenShown(t, tp, lake));
    ASSERT_EQ(tp.prompter.shown.size(), 1U);
    const std::string& said = tp.prompter.shown[0].text;
    EXPECT_NE(said.find("\"" + path + "\" is damaged: "), std::string::npos) << said;
    EXPECT_NE(said.find(DamagedCopyPath(path)), std::string::npos) << said;
    EXPECT_NE(said.find(c.found), std::string::npos) << said;
    EXPECT_FALSE(FamilyIsSound(CheckEventFamily(tp.fs, lake)));
    if (std::string(c.file) == "Lake.sch") {
      EXPECT_EQ(t.schedule.days[1].rows[1].division, 86);
    }

    t.MarkChanged();
    ASSERT_TRUE(SaveShown(t, tp));
    EXPECT_EQ(Slurp(DamagedCopyPath(path)), c.bytes);
    EXPECT_TRUE(FamilyIsSound(CheckEventFamily(tp.fs, lake)));
  }
}

TEST_F(DamagedFamily, AFifoInPlaceOfAFileIsRefusedAtOnceNeverRead) {
  Deadline deadline;
  const struct {
    const char* file;
    bool opens;  // the open goes on without the file
  } cases[] = {
      {"Lake.sch", false}, {"Lake.ttl", false}, {"Lake.dat", false}, {"Lake.ofc", true}, {"Lake.bak", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string path = dir.file(c.file);
    const auto kept = Slurp(path);
    std::remove(path.c_str());
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    EXPECT_EQ(tp.fs.Kind(path), FileKind::Stream);

    bool named = false;
    for (const FileCheck& f : CheckEventFamily(tp.fs, lake))
      if (f.path == path)
        named = !f.problems.empty() && f.problems[0].find("not a regular file") != std::string::npos;
    EXPECT_TRUE(named);

    tp.prompter.clear();
    EXPECT_EQ(OpenShown(t, tp, lake), c.opens);
    ASSERT_EQ(tp.prompter.shown.size(), 1U);
    EXPECT_NE(tp.prompter.shown[0].text.find("not a regular file"), std::string::npos)
        << tp.prompter.shown[0].text;
    std::remove(path.c_str());
    if (kept) Spit(path, *kept);
  }
}
