// "Print Day" against a page written by hand: a day past midnight with an empty row, a division
// without entrants and three events.
#include "printing/schedule_day_report.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/divisions.h"
#include "core/errors.h"
#include "seeding/schedule_day.h"
#include "support/skier_builders.h"
#include "support/test_platform.h"

namespace {

std::vector<std::string> ExpectedLines(const std::string& name) {
  std::ifstream in(std::string(TALLIVAR_TEST_DATA) + "/expected/" + name);
  std::vector<std::string> lines;
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  EXPECT_FALSE(lines.empty()) << name;
  return lines;
}

TEST(ScheduleDayReport, StoredDayPrintsLineForLine) {
  TestPlatform tp;
  Tournament t;
  auto add = [&](const char* division, const char* events, int count) {
    for (int i = 0; i < count; ++i)
      AddSkier(t, tp, std::string(division) + "SKIER" + std::to_string(i), "A", *FindDivision(division),
               events);
  };
  add("M", "S", 6);
  add("W", "T", 4);
  add("M35", "J", 2);
  add("MU17", "T", 1);
  DayTable& day = t.schedule.days[2];
  const char* rows[][2] = {{"M", "S"}, {"XX", ""}, {"MU17", "S"}, {"W", "T"}, {"M35", "J"}};
  for (std::size_t r = 1; r <= 5; ++r) {
    day.rows[r].division = static_cast<std::uint8_t>(*FindDivision(rows[r - 1][0]));
    day.rows[r].event = rows[r - 1][1];
  }
  day.rows[50].division = static_cast<std::uint8_t>(*FindDivision("W"));  // not printed
  t.schedule.startTimes[2] = "23:30";
  RecomputeDay(t, t.schedule.startTimes[2].view(), day);

  ReportOptions options;
  options.values["day"] = "2";
  auto doc = BuildReport("schedule-day", t, tp, options);
  ASSERT_TRUE(doc.has_value());
  EXPECT_EQ(doc->lines, ExpectedLines("schedule_day_2.txt"));
  EXPECT_EQ(doc->fontSize, 12);
  EXPECT_EQ(doc->orientation, Orientation::Portrait);

  options.values["day"] = "5";
  EXPECT_THROW(BuildReport("schedule-day", t, tp, options), ConversionError);
}

}  // namespace
