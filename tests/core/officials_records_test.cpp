#include <gtest/gtest.h>

#include <cstring>

#include "core/event_files.h"
#include "core/officials.h"
#include "event_test_files.h"
#include "support/shown_outcome.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

struct OfficialsRecords : ::testing::Test {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  std::string path() { return dir.file("Cup.ofc"); }
  void SetUp() override { t.EventBase = dir.file("Cup"); }
};

}  // namespace

TEST_F(OfficialsRecords, PrepareCreatesSixtyEmptyRecordsAndWarnsForAnUnnamedEvent) {
  OfficialsRecord buffer;
  buffer.Slot(1, 1, 1) = "Left over";
  Shown(tp.prompter, PrepareOfficials(t, tp.fs, buffer));
  EXPECT_EQ(Slurp(path()), std::string(60 * 3780, '\0'));
  EXPECT_TRUE(buffer.Slot(1, 1, 1).empty());
  EXPECT_TRUE(tp.prompter.shown.empty());
  buffer.Slot(1, 1, 1) = "Left over";
  // An adapted division: no record in a new file, so an empty one.
  Shown(tp.prompter, ReadOfficials(t, tp.fs, 60, buffer));
  EXPECT_TRUE(buffer.Slot(1, 1, 1).empty());

  t.EventBase = dir.file("TALLIVAR");
  Shown(tp.prompter, PrepareOfficials(t, tp.fs, buffer));
  EXPECT_EQ(tp.prompter.texts(), std::vector<std::string>{"No event data file was previously created"});
  EXPECT_EQ(Slurp(dir.file("TALLIVAR.ofc"))->size(), 60u * 3780u);
}

// Each division, adapted ones too, keeps its officials through a write and a fresh read, and the
// records before it stay where a 60-record file had them.
TEST_F(OfficialsRecords, EveryDivisionSurvivesSaveAndReopen) {
  struct Case {
    int division;
    std::size_t fileSize;
  };
  for (const Case c : {Case{16, 60 * 3780}, Case{59, 60 * 3780}, Case{60, 86 * 3780}, Case{85, 86 * 3780}}) {
    std::string old(60 * 3780, '\0');
    old[16 * 3780] = 3;
    std::memcpy(&old[16 * 3780 + 1], "Ann", 3);
    Spit(path(), old);
    OfficialsRecord written;
    written.Slot(4, 3, 15) = "Last Slot";
    written.Slot(1, 1, 1) = "First Slot";
    WriteOfficials(t, tp.fs, c.division, written);
    EXPECT_EQ(Slurp(path())->size(), c.fileSize) << c.division;

    OfficialsRecord read;
    Shown(tp.prompter, ReadOfficials(t, tp.fs, c.division, read));
    EXPECT_EQ(read.Slot(4, 3, 15), "Last Slot") << c.division;
    EXPECT_EQ(read.Slot(1, 1, 1), "First Slot") << c.division;
    if (c.division != 16) {
      Shown(tp.prompter, ReadOfficials(t, tp.fs, 16, read));
      EXPECT_EQ(read.Slot(1, 1, 1), "Ann") << c.division;
    }
  }
  EXPECT_TRUE(tp.prompter.shown.empty());
}

TEST_F(OfficialsRecords, AFileCutShortIsReportedAndKeptAsideBeforeItIsWritten) {
  std::string old(60 * 3780 + 100, '\0');
  old[0] = 3;
  std::memcpy(&old[1], "Ann", 3);
  Spit(path(), old);
  OfficialsRecord buffer;
  Shown(tp.prompter, ReadOfficials(t, tp.fs, 0, buffer));
  EXPECT_EQ(buffer.Slot(1, 1, 1), "Ann");
  ASSERT_EQ(tp.prompter.shown.size(), 1u);
  EXPECT_NE(tp.prompter.shown[0].text.find("is not a whole number of officials records"), std::string::npos);

  buffer.Slot(1, 1, 2) = "Bo";
  WriteOfficials(t, tp.fs, 0, buffer);
  EXPECT_EQ(Slurp(DamagedCopyPath(path())), old);
  EXPECT_EQ(Slurp(path())->size(), 60u * 3780u);
}
