#include <gtest/gtest.h>

#include <cstring>

#include "core/event_files.h"
#include "core/officials_file.h"
#include "event_test_files.h"
#include "support/shown_outcome.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

std::string Bytes(const std::vector<OfficialsRecord>& records) {
  std::string b(records.size() * sizeof(OfficialsRecord), '\0');
  std::memcpy(b.data(), records.data(), b.size());
  return b;
}

std::vector<std::string> Heading() {
  return {"   EventName:            Lake Cup",
          "   Event Date          : 20260704",
          "   Chief of Competition: Ann Chief",
          "   Calculator          : Sam Scorer",
          "   Tech Controller     : Tia Tech",
          "   Safety Director     : Sue Safe",
          "------------------------- Summary of Officials -------------------------",
          "      Name:          Events:",
          ""};
}

}  // namespace

TEST(OfficialsFile, SlotOffsetsInTheRecord) {
  TempDir dir;
  TestPlatform tp;
  std::string bytes(60 * 3780, '\0');
  const std::size_t at = 2 * 3780 + 945 * 1 + 315 * 2 + 21 * 3;  // division 2, round 2, jump, slot 4
  bytes[at] = 4;
  std::memcpy(&bytes[at + 1], "Mary", 4);
  bytes[59 * 3780] = 60;  // a length above 20 reads as 20 characters
  Spit(dir.file("E.ofc"), bytes);
  auto records = ReadOfficialsFile(tp.fs, dir.file("E.ofc"));
  ASSERT_TRUE(records);
  ASSERT_EQ(records->size(), 86u);  // the adapted divisions too, empty
  EXPECT_TRUE((*records)[85].Slot(1, 1, 1).empty());
  EXPECT_EQ((*records)[2].Slot(2, 3, 4), "Mary");
  EXPECT_EQ((*records)[59].Slot(1, 1, 1).size(), 20u);
  EXPECT_FALSE(ReadOfficialsFile(tp.fs, dir.file("None.ofc")));
}

TEST(OfficialsFile, SummaryListsEachNameOnceWithItsEvents) {
  TestPlatform tp;
  Tournament t;
  FillEvent(t, tp);
  std::vector<OfficialsRecord> r(60);
  r[16].Slot(1, 1, 1) = "Judge Jane";
  r[16].Slot(1, 1, 6) = "Bob Boat";
  r[16].Slot(2, 2, 1) = "Judge Jane";
  r[40].Slot(3, 3, 7) = "Tim Timer";
  r[40].Slot(4, 1, 1) = "Fourth Round";  // rounds after the third are not summed up
  r[59].Slot(1, 3, 15) = "Judge Jane";
  r[20].Slot(1, 2, 2) = "A twenty-letter name";
  std::vector<std::string> expected = Heading();
  expected.insert(expected.end(), {"        Judge Jane          STJ", "        Bob Boat            S  ",
                                   "        A twenty-letter name T ", "        Tim Timer             J"});
  Outcome told;
  EXPECT_EQ(OfficialsSummaryLines(t, r, told), expected);
  Shown(tp.prompter, told);
  EXPECT_TRUE(tp.prompter.shown.empty());
}

TEST(OfficialsFile, At101NamesTheSummaryStopsAndSays) {
  TestPlatform tp;
  Tournament t;
  std::vector<OfficialsRecord> r(60);
  for (int i = 0; i < 101; ++i) r[static_cast<std::size_t>(i / 15)].Slot(1, 1, i % 15 + 1) = "N" + std::to_string(i);
  Outcome told;
  auto lines = OfficialsSummaryLines(t, r, told);
  Shown(tp.prompter, told);
  EXPECT_EQ(lines.size(), 9u + 100u);
  EXPECT_EQ(lines.back(), "        N99                 S  ");
  EXPECT_EQ(tp.prompter.texts(), std::vector<std::string>{"Too many officials found!"});
}

TEST(OfficialsFile, SaveWritesTheSummaryOnlyWhenThereIsAnOfficialsFile) {
  TempDir dir;
  TestPlatform tp;
  Tournament t;
  FillEvent(t, tp);
  t.EventFile = dir.file("Cup.dat");
  ASSERT_TRUE(SaveShown(t, tp));
  EXPECT_FALSE(Slurp(dir.file("Cup_officials.txt")));

  std::vector<OfficialsRecord> one(1);
  one[0].Slot(1, 2, 8) = "Tara";
  Spit(dir.file("Cup.ofc"), Bytes(one));  // a short file: the other divisions have no names
  ASSERT_TRUE(SaveShown(t, tp));
  std::string expected;
  for (const auto& l : Heading()) expected += l + "\r\n";
  expected += "        Tara                 T \r\n";
  EXPECT_EQ(Slurp(dir.file("Cup_officials.txt")), expected);
}
