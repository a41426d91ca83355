// "Print Day" through the report catalogue against a page written by hand.
#include "printing/schedule_day_report.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/divisions.h"
#include "core/errors.h"
#include "seeding/schedule_day.h"
#include "support/skier_builders.h"

TEST(ScheduleDayReport, StoredDayPrintsLineForLine) {
  TestPlatform tp;
  Tournament t;
  const std::pair<const char*, int> entrants[] = {{"M", 6}, {"W", 4}, {"M35", 2}, {"MU17", 1}};
  const char* events[] = {"S", "T", "J", "T"};
  for (std::size_t d = 0; d < 4; ++d)
    for (int i = 0; i < entrants[d].second; ++i)
      AddSkier(t, tp, entrants[d].first + std::to_string(i), "A", *FindDivision(entrants[d].first),
               events[d]);
  DayTable& day = t.schedule.days[2];
  const char* rows[][2] = {{"M", "S"}, {"XX", ""}, {"MU17", "S"}, {"W", "T"}, {"M35", "J"}};
  for (std::size_t r = 1; r <= 5; ++r) {
    day.rows[r].division = static_cast<std::uint8_t>(*FindDivision(rows[r - 1][0]));
    day.rows[r].event = rows[r - 1][1];
  }
  day.rows[50].division = static_cast<std::uint8_t>(*FindDivision("W"));  // beyond the grid: not printed
  RecomputeDay(t, "23:30", day);

  std::ifstream in(std::string(TALLIVAR_TEST_DATA) + "/expected/schedule_day_2.txt");
  std::vector<std::string> expected;
  for (std::string l; std::getline(in, l);) expected.push_back(l);
  ReportOptions options;
  options.values["day"] = "2";
  auto doc = BuildReport("schedule-day", t, tp, options);
  ASSERT_TRUE(doc.has_value());
  EXPECT_EQ(doc->lines, expected);
  EXPECT_EQ(doc->fontSize, 12);
  options.values["day"] = "5";
  EXPECT_THROW(BuildReport("schedule-day", t, tp, options), ConversionError);
}
