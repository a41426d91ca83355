// Laying a schedule day end to end: the clock text and the changeover between rows that take time.
#include "seeding/schedule_day.h"

#include <gtest/gtest.h>

#include "core/divisions.h"
#include "support/skier_builders.h"

TEST(ScheduleClock, HoursRightAlignedNoWrapAtMidnightAndTheStartReadAroundItsColon) {
  const std::pair<int, const char*> texts[] = {{0, " 0:00"}, {485, " 8:05"}, {600, "10:00"}, {1450, "24:10"}};
  for (const auto& [minutes, text] : texts) EXPECT_EQ(ClockText(minutes), text) << minutes;
  EXPECT_EQ(ReadClock("08:00"), 480);
  EXPECT_EQ(ReadClock("8:30"), 510);
  EXPECT_EQ(ReadClock("07:75"), 495) << "minutes of 60 and more carry into the hours";
  for (const char* bad : {"", "0800", "08:", ":30", "-1:00", "08:3x"})
    EXPECT_EQ(ReadClock(bad), std::nullopt) << bad;
}

TEST(ScheduleDay, RowsWithoutTimeKeepTheClockAndEveryOtherRowButTheFirstChangesOver) {
  TestPlatform tp;
  Tournament t;
  for (int i = 0; i < 6; ++i) AddSkier(t, tp, "M" + std::to_string(i), "A", *FindDivision("M"), "S");
  for (int i = 0; i < 2; ++i) AddSkier(t, tp, "W" + std::to_string(i), "A", *FindDivision("W"), "TJ");
  DayTable day{};
  const char* rows[][2] = {{"W", "S"}, {"M", "S"}, {"W", ""}, {"XX", "J"}, {"W", "J"}};
  for (std::size_t r = 1; r <= 5; ++r) {
    day.rows[r].division = static_cast<std::uint8_t>(*FindDivision(rows[r - 1][0]));
    day.rows[r].event = rows[r - 1][1];
  }
  RecomputeDay(t, "23:30", day);
  const std::pair<int, const char*> expected[] = {
      {0, "     -     "}, {6, "23:35-24:05"}, {0, "     -     "}, {0, "     -     "}, {2, "24:10-24:24"}};
  for (std::size_t r = 1; r <= 5; ++r) {
    EXPECT_EQ(day.rows[r].entries, expected[r - 1].first) << r;
    EXPECT_EQ(day.rows[r].start.str() + "-" + day.rows[r].end.str(), expected[r - 1].second) << r;
  }
  RecomputeDay(t, "8", day);
  EXPECT_EQ(day.rows[2].start, "     ") << "an unreadable start gives no times";
}
