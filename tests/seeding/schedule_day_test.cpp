// Laying a schedule day end to end: entrants counted, the changeover between rows, the clock text.
#include "seeding/schedule_day.h"

#include <gtest/gtest.h>

#include "core/divisions.h"
#include "support/skier_builders.h"

namespace {

int Div(const char* code) { return *FindDivision(code); }

void SetRow(DayTable& day, int r, const char* division, const char* event) {
  day.rows[static_cast<std::size_t>(r)].division = static_cast<std::uint8_t>(Div(division));
  day.rows[static_cast<std::size_t>(r)].event = event;
}

std::string Times(const DayTable& day, int r) {
  const ScheduleRow& row = day.rows[static_cast<std::size_t>(r)];
  return row.start.str() + "-" + row.end.str();
}

class ScheduleDay : public ::testing::Test {
 protected:
  TestPlatform tp;
  Tournament t;
  DayTable day{};
  void Skiers(const char* division, const char* events, int count) {
    static int serial = 0;
    for (int i = 0; i < count; ++i)
      AddSkier(t, tp, "SKIER" + std::to_string(++serial), "A", Div(division), events);
  }
};

TEST(ClockText, HoursRightAlignedMinutesZeroPaddedNoWrapAtMidnight) {
  const std::pair<int, const char*> cases[] = {{0, " 0:00"},
                                               {8 * 60 + 5, " 8:05"},
                                               {10 * 60, "10:00"},
                                               {24 * 60 + 10, "24:10"},
                                               {49 * 60 + 59, "49:59"}};
  for (const auto& [minutes, text] : cases) EXPECT_EQ(ClockText(minutes), text) << minutes;
}

TEST(ReadClock, HoursAndMinutesAroundTheColon) {
  EXPECT_EQ(ReadClock("08:00"), 480);
  EXPECT_EQ(ReadClock(" 8:30"), 510);
  EXPECT_EQ(ReadClock("8:00"), 480);
  EXPECT_EQ(ReadClock("07:75"), 7 * 60 + 75) << "minutes of 60 and more carry into the hours";
  for (const char* bad : {"", "0800", "08:", ":30", "ab:cd", "-1:00", "08:3x"})
    EXPECT_EQ(ReadClock(bad), std::nullopt) << bad;
}

TEST_F(ScheduleDay, RowsRunEndToEndWithAChangeoverBetween) {
  Skiers("M", "S", 6);
  Skiers("W", "T", 4);
  Skiers("M35", "J", 2);  // entered in jump only
  SetRow(day, 1, "M", "S");
  SetRow(day, 2, "W", "T");
  RecomputeDay(t, "08:00", day);
  EXPECT_EQ(day.rows[1].entries, 6);
  EXPECT_EQ(Times(day, 1), " 8:00- 8:30");
  EXPECT_EQ(day.rows[2].entries, 4);
  EXPECT_EQ(Times(day, 2), " 8:35- 8:51");
  EXPECT_EQ(Times(day, 3), "     -     ") << "an empty row has no times";
}

TEST_F(ScheduleDay, RowWithoutEntrantsKeepsTheClockButTheNextStillChangesOver) {
  Skiers("M", "S", 6);
  Skiers("W", "T", 4);
  Skiers("M35", "J", 2);
  SetRow(day, 1, "W", "S");    // W has no slalom entrants
  SetRow(day, 2, "M", "S");    // still a changeover after the empty first row
  SetRow(day, 3, "M35", "S");  // no entrants in slalom
  SetRow(day, 4, "M35", "");   // no event
  SetRow(day, 5, "W", "T");
  SetRow(day, 6, "M35", "J");
  t.schedule.jumpMinutes = 7;
  RecomputeDay(t, "08:00", day);
  EXPECT_EQ(Times(day, 1), "     -     ");
  EXPECT_EQ(Times(day, 2), " 8:05- 8:35");
  EXPECT_EQ(Times(day, 3), "     -     ");
  EXPECT_EQ(day.rows[4].entries, 0);
  EXPECT_EQ(Times(day, 5), " 8:40- 8:56");
  EXPECT_EQ(Times(day, 6), " 9:01- 9:15");
}

TEST_F(ScheduleDay, DayRunningPastMidnightShowsHoursOfTwentyFourAndMore) {
  Skiers("M", "S", 6);
  Skiers("W", "J", 20);
  SetRow(day, 1, "M", "S");
  SetRow(day, 2, "W", "J");
  RecomputeDay(t, "23:50", day);
  EXPECT_EQ(Times(day, 1), "23:50-24:20");
  EXPECT_EQ(Times(day, 2), "24:25-26:45");
}

TEST_F(ScheduleDay, UnreadableStartLeavesEveryRowWithoutTimesButCountsEntrants) {
  Skiers("M", "S", 3);
  SetRow(day, 1, "M", "S");
  RecomputeDay(t, "8", day);
  EXPECT_EQ(day.rows[1].entries, 3);
  EXPECT_EQ(Times(day, 1), "     -     ");
}

TEST(ScheduleRows, InsertPushesRowFiftyOutAndDeleteEmptiesIt) {
  DayTable day{};
  for (int r = 1; r <= kScheduleRows; ++r) day.rows[static_cast<std::size_t>(r)].entries = r;
  InsertScheduleRow(day, 3);
  EXPECT_EQ(day.rows[2].entries, 2);
  EXPECT_EQ(day.rows[3].division, kNoDivision);
  EXPECT_EQ(day.rows[3].entries, 0);
  EXPECT_EQ(day.rows[4].entries, 3);
  EXPECT_EQ(day.rows[50].entries, 49) << "row 50's content is lost";
  DeleteScheduleRow(day, 3);
  EXPECT_EQ(day.rows[3].entries, 3);
  EXPECT_EQ(day.rows[49].entries, 49);
  EXPECT_EQ(day.rows[50].entries, 0);
  EXPECT_EQ(day.rows[50].division, kNoDivision);
}

}  // namespace
