// Each result report of a small scored tournament against text written by hand.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/file_io.h"
#include "printing/report_catalogue.h"
#include "printing/result_reports.h"
#include "support/results_tournament.h"

namespace {

std::vector<std::string> Expected(const std::string& name) {
  std::ifstream in(std::string(TALLIVAR_TEST_DATA) + "/expected/reports/" + name, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  auto lines = SplitLines(ss.str());
  EXPECT_FALSE(lines.empty()) << name;
  return lines;
}

struct GoldenCase {
  const char* report;
  char placeMode;
  int division;
  char event;
  int round;
  const char* file;
  Orientation orientation;
  int fontSize;
};

class ResultReportGolden : public testing::TestWithParam<GoldenCase> {};

TEST_P(ResultReportGolden, LinesAsWrittenByHand) {
  const GoldenCase& c = GetParam();
  TestPlatform tp;
  Tournament t;
  sample::BuildResultsTournament(t, tp);
  t.settings.PlaceMode = c.placeMode;
  t.ChangeEachSkier([](TSkier& s) {
    if (s.Surname == "AAS" || s.Surname == "DAHL") s.JumpFinalist = 1;
  });
  t.CurDivision = c.division;
  t.CurEvent = c.event;
  t.CurRound = c.round;
  auto doc = BuildReport(c.report, t, tp);
  ASSERT_TRUE(doc);
  auto expected = Expected(c.file);
  ASSERT_EQ(doc->lines.size(), expected.size()) << c.file;
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(doc->lines[i], expected[i]) << c.file << " line " << i + 1;
  EXPECT_EQ(doc->orientation, c.orientation);
  EXPECT_EQ(doc->fontSize, c.fontSize);
  // Every report leaves the selection as it was.
  EXPECT_EQ(t.CurDivision, c.division);
  EXPECT_EQ(t.CurRound, c.round);
}

constexpr auto P = Orientation::Portrait;
INSTANTIATE_TEST_SUITE_P(
    Reports, ResultReportGolden,
    testing::Values(
        GoldenCase{"multi-round-totals", 'B', sample::kM, 'S', 2, "multi_round_totals.txt", P, 9},
        GoldenCase{"round-results", 'B', sample::kM, 'S', 2, "round_results.txt", Orientation::Landscape, 9},
        GoldenCase{"event-round-results", 'B', sample::kM, 'J', 2, "event_round_results_jump.txt", P, 10},
        GoldenCase{"single-round-results", 'B', sample::kM, 'J', 1, "single_round_results_jump.txt", P, 10},
        GoldenCase{"event-results", 'B', sample::kM, 'S', 2, "event_results_slalom.txt", P, 10},
        GoldenCase{"event-results", 'L', sample::kM, 'J', 2, "preliminary_finals_jump.txt", P, 10},
        GoldenCase{"division-results", 'B', sample::kM, 'S', 2, "division_results.txt", P, 10},
        GoldenCase{"official-results", 'B', sample::kM, 'S', 2, "official_results.txt", P, 10},
        GoldenCase{"event-summary", 'B', sample::kM, 'S', 2, "event_summary.txt", P, 10},
        GoldenCase{"results-view", 'B', sample::kM, 'S', 2, "results_view.txt", P, 10}));

}  // namespace
