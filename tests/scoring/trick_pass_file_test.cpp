#include "scoring/trick_pass_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/file_io.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

TrickRows SomeRows() {
  TrickRows rows;
  rows[1] = TrickRow{"1", "TS", "Y", 130, 2, 3, 1};
  rows[2] = TrickRow{"2", "RBB", "REP", 0, 6, 0, 1};
  rows[3] = TrickRow{"2", "WB", "Y", 1150, 12, 0, 1};
  return rows;
}

// Rows come back without the first digit, which the file does not keep.
TrickRows AsStored(TrickRows rows) {
  for (int r = 1; r <= kTrickRowCount; ++r) rows[r].firstDigit = 0;
  return rows;
}

bool SameRows(const TrickRows& a, const TrickRows& b) {
  for (int r = 1; r <= kTrickRowCount; ++r)
    if (!(a[r] == b[r])) return false;
  return true;
}

}  // namespace

TEST(TrickPassFile, RowTexts) {
  EXPECT_EQ(TrickRowText(TrickRow{}), "2,,,0,,,  ");
  EXPECT_EQ(TrickRowText(TrickRow{"1", "TS", "Y", 130, 2, 3, 1}), "1,TS,Y,130,2,3,");
  EXPECT_EQ(TrickRowText(TrickRow{"2", "RTOBDFLWIS", "REP", 0, 1234, 0, 0}), "2,RTOBDFLWIS,REP,0,123,0,");
  EXPECT_EQ(ParseTrickRowText("2,,,0,,,  "), TrickRow{});
  EXPECT_EQ(ParseTrickRowText("1,TS,Y,130,2,3,"), (TrickRow{"1", "TS", "Y", 130, 2, 3, 0}));
}

TEST(TrickPassFile, RecordLayout) {
  TrickPassRecord rec = MakeTrickRecord("JohnSMITH M", SomeRows(), TrickRows{});
  const auto* bytes = reinterpret_cast<const unsigned char*>(&rec);
  EXPECT_EQ(bytes[0], 11);
  EXPECT_EQ(std::memcmp(bytes + 1, "JohnSMITH M", 11), 0);
  EXPECT_EQ(bytes[31], 15);
  EXPECT_EQ(std::memcmp(bytes + 32, "1,TS,Y,130,2,3,", 15), 0);
  EXPECT_EQ(bytes[961], 10);
  EXPECT_EQ(std::memcmp(bytes + 962, "2,,,0,,,  ", 10), 0);
  EXPECT_EQ(bytes[1891], 30);
  EXPECT_EQ(std::memcmp(bytes + 1892, "-------- END OF RECORD -------", 30), 0);
  EXPECT_EQ(FirstTrickRecord().key.view(), "------- Start of File --------");
  EXPECT_TRUE(SameRows(RecordPass(rec, 1), AsStored(SomeRows())));
}

TEST(TrickPassFile, NewFileStartsWithTheFirstRecordAndKeepsOneRecordPerKey) {
  TempDir dir;
  TestPlatform tp;
  const std::string path = dir.file("club.trk");
  WriteTrickRecord(tp.fs, tp.prompter, path, MakeTrickRecord("A", SomeRows(), TrickRows{}));
  WriteTrickRecord(tp.fs, tp.prompter, path, MakeTrickRecord("B", TrickRows{}, SomeRows()));
  WriteTrickRecord(tp.fs, tp.prompter, path, MakeTrickRecord("A", TrickRows{}, TrickRows{}));
  auto file = ReadTrickPassFile(tp.fs, path);
  ASSERT_TRUE(file);
  EXPECT_TRUE(file->damage.empty());
  ASSERT_EQ(file->records.size(), 3u);
  EXPECT_EQ(file->records[0].key.view(), "------- Start of File --------");
  EXPECT_TRUE(SameRows(RecordPass(file->records[0], 2), TrickRows{}));
  EXPECT_EQ(file->records[1].key.view(), "A");  // overwritten in place
  EXPECT_TRUE(SameRows(RecordPass(file->records[1], 1), TrickRows{}));
  EXPECT_TRUE(SameRows(RecordPass(file->records[2], 2), AsStored(SomeRows())));
  EXPECT_EQ(FindTrickRecord(*file, "B"), 2u);
  EXPECT_FALSE(FindTrickRecord(*file, "C"));
  EXPECT_FALSE(ReadTrickPassFile(tp.fs, dir.file("none.trk")));
}

TEST(TrickPassFile, TruncatedFileKeepsItsWholeRecordsAndIsBackedUpBeforeWriting) {
  TempDir dir;
  TestPlatform tp;
  const std::string path = dir.file("club.trk");
  WriteTrickRecord(tp.fs, tp.prompter, path, MakeTrickRecord("A", SomeRows(), TrickRows{}));
  WriteTrickRecord(tp.fs, tp.prompter, path, MakeTrickRecord("B", SomeRows(), TrickRows{}));
  std::string bytes = *tp.fs.ReadAll(path);
  bytes.resize(2 * 1922 + 700);
  WriteFileSafely(tp.fs, path, bytes);

  auto file = ReadTrickPassFile(tp.fs, path);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->records.size(), 2u);
  EXPECT_EQ(file->damage,
            "The trick pass file \"" + path +
                "\" is damaged: it ends inside record 3 (700 of 1922 bytes). The 2 whole records "
                "before it were read.");

  WriteTrickRecord(tp.fs, tp.prompter, path, MakeTrickRecord("C", TrickRows{}, TrickRows{}));
  EXPECT_EQ(*tp.fs.ReadAll(path + ".damaged"), bytes);
  EXPECT_TRUE(tp.prompter.saw("The damaged trick pass file was kept as \"" + path +
                              ".damaged\"; its whole records are written back."));
  file = ReadTrickPassFile(tp.fs, path);
  EXPECT_TRUE(file->damage.empty());
  ASSERT_EQ(file->records.size(), 3u);
  EXPECT_EQ(file->records[1].key.view(), "A");
  EXPECT_EQ(file->records[2].key.view(), "C");
}

TEST(TrickPassFile, ValuesOutOfRangeReadAsZeroAndTheFileIsReportedDamaged) {
  TrickPassRecord rec = MakeTrickRecord("A", SomeRows(), TrickRows{});
  for (auto& row : rec.pass1) row = "1,TS,Y,2147483647,2,0,";  // 30 rows that would overflow the total
  rec.pass2[4] = "2,WB,Y,40,99999999999999,0,";
  std::string bytes(2 * sizeof rec, '\0');
  const TrickPassRecord first = FirstTrickRecord();
  std::memcpy(bytes.data(), &first, sizeof first);
  std::memcpy(bytes.data() + sizeof rec, &rec, sizeof rec);

  TrickPassFile file = ParseTrickPassFile(bytes, "club.trk");
  EXPECT_EQ(
      file.damage,
      "The trick pass file \"club.trk\" is damaged: record 2, pass 1, row 1 (\"1,TS,Y,2147483647,2,0,\") "
      "holds a value out of range; it reads as 0.");
  EXPECT_EQ(PassTotal(RecordPass(file.records[1], 1)), 0);
  const TrickRow row = RecordPass(file.records[1], 2)[5];
  EXPECT_EQ(row.points, 40);
  EXPECT_EQ(row.trickNumber, 0);
  // The largest values written come back as they were.
  bool outOfRange = false;
  EXPECT_EQ(ParseTrickRowText("2,WB,Y,9999,999,9,", &outOfRange),
            (TrickRow{"2", "WB", "Y", 9999, 999, 9, 0}));
  EXPECT_FALSE(outOfRange);
  ParseTrickRowText("2,WB,Y,-5,1,0,", &outOfRange);
  EXPECT_TRUE(outOfRange);
}

TEST(TrickPassFile, FailedWriteLeavesTheOldFile) {
  TempDir dir;
  TestPlatform tp;
  const std::string path = dir.file("club.trk");
  WriteTrickRecord(tp.fs, tp.prompter, path, MakeTrickRecord("A", SomeRows(), TrickRows{}));
  const std::string before = *tp.fs.ReadAll(path);
  tp.fs.steps = 0;
  tp.fs.failAt = 2;
  EXPECT_THROW(WriteTrickRecord(tp.fs, tp.prompter, path, MakeTrickRecord("B", TrickRows{}, TrickRows{})),
               IoError);
  EXPECT_EQ(*tp.fs.ReadAll(path), before);
}

TEST(TrickPassFile, EventName) {
  Tournament t;
  EXPECT_FALSE(EventHasName(t));
  t.EventBase = "/data/TALLIVAR";
  EXPECT_FALSE(EventHasName(t));
  t.EventBase = "/data/club26";
  EXPECT_TRUE(EventHasName(t));
  EXPECT_EQ(TrickPassPath(t), "/data/club26.trk");
}
