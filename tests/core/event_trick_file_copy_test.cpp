#include <gtest/gtest.h>

#include "core/trick_file_copy.h"
#include "event_test_files.h"
#include "support/shown_outcome.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

std::string Records(std::size_t n) {
  std::string b;
  for (std::size_t i = 0; i < n; ++i) b += std::string(1922, static_cast<char>('a' + i % 26));
  return b;
}

}  // namespace

TEST(TrickFileCopy, CopiesTheOldEventsPassesToTheNewName) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  Spit(dir.file("Old.trk"), Records(3));
  EXPECT_TRUE(Shown(tp.prompter, CopyTrickFile(tp.fs, dir.file("Old.dat"), dir.file("New.trk"))));
  EXPECT_EQ(Slurp(dir.file("New.trk")), Records(3));
  EXPECT_TRUE(tp.prompter.shown.empty());
}

TEST(TrickFileCopy, NothingWithoutAnOldTrickFile) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  EXPECT_TRUE(Shown(tp.prompter, CopyTrickFile(tp.fs, dir.file("Old.dat"), dir.file("New.trk"))));
  EXPECT_FALSE(Slurp(dir.file("New.trk")));
  EXPECT_EQ(tp.fs.steps, 0);
}

TEST(TrickFileCopy, StopsAt1000RecordsWithTheWarning) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  Spit(dir.file("Old.trk"), Records(1003));
  EXPECT_TRUE(Shown(tp.prompter, CopyTrickFile(tp.fs, dir.file("Old.dat"), dir.file("New.trk"))));
  EXPECT_EQ(Slurp(dir.file("New.trk")), Records(1000));
  EXPECT_EQ(tp.prompter.texts(), std::vector<std::string>{"Warning Trick-File write size limit exceeded!"});

  tp.prompter.clear();
  Spit(dir.file("Old.trk"), Records(999));
  EXPECT_TRUE(Shown(tp.prompter, CopyTrickFile(tp.fs, dir.file("Old.dat"), dir.file("New.trk"))));
  EXPECT_TRUE(tp.prompter.shown.empty());
}

TEST(TrickFileCopy, ACutLastRecordIsLeftOut) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  Spit(dir.file("Old.trk"), Records(2) + "partial");
  EXPECT_TRUE(Shown(tp.prompter, CopyTrickFile(tp.fs, dir.file("Old.dat.2025"), dir.file("New.trk"))));
  EXPECT_EQ(Slurp(dir.file("New.trk")), Records(2));
}

TEST(TrickFileCopy, AFailedWriteIsReportedAndLeavesNoPartFile) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  Spit(dir.file("Old.trk"), Records(2));
  tp.fs.failAt = 2;  // the write
  EXPECT_FALSE(Shown(tp.prompter, CopyTrickFile(tp.fs, dir.file("Old.dat"), dir.file("New.trk"))));
  ASSERT_EQ(tp.prompter.shown.size(), 1u);
  EXPECT_NE(tp.prompter.shown[0].text.find("New.trk"), std::string::npos);
  EXPECT_FALSE(Slurp(dir.file("New.trk")));
  EXPECT_FALSE(Slurp(dir.file("New.trk.tmp~")));
}
