// Page breaks and rule-set titles of the result reports.
#include <gtest/gtest.h>

#include "printing/report_catalogue.h"
#include "support/results_tournament.h"

namespace {

void AddScoredSkiers(Tournament& t, Platform& p, int count, int division) {
  for (int i = 0; i < count; ++i) {
    TSkier& s = AddSkier(t, p, "SKIER" + std::to_string(100 + i), "Test", division, "S");
    s.SlalomRankScore = 100 - i;
    s.OverallScore = 1000 - i;
    s.OverallPlace = i + 1;
  }
}

}  // namespace

TEST(MultiRoundTotals, SeventySkiersBreakAfterTheSixtiethCountedLineAndRepeatTheHeader) {
  TestPlatform tp;
  Tournament t;
  AddScoredSkiers(t, tp, 70, sample::kM);
  auto doc = BuildReport("multi-round-totals", t, tp);
  ASSERT_TRUE(doc);
  auto pages = doc->Pages();
  ASSERT_EQ(pages.size(), 2u);
  // 13 header lines (counted as 14), the separator (15th) and 45 skiers: the 60th line counted.
  ASSERT_EQ(pages[0].size(), 59u);
  EXPECT_EQ(pages[0][13], " ****** M ******");
  EXPECT_EQ(pages[0][58].substr(0, 9), " 45 SKIER");
  EXPECT_EQ(pages[1].size(), 13u + 25u + 1u);
  for (std::size_t i = 0; i < 13; ++i) EXPECT_EQ(pages[1][i], pages[0][i]) << "header line " << i;
  EXPECT_EQ(pages[1][13].substr(0, 9), " 46 SKIER");
}

TEST(RoundResults, BreakWhenTheCounterReachesFifty) {
  TestPlatform tp;
  Tournament t;
  AddScoredSkiers(t, tp, 45, sample::kM);
  auto pages = BuildReport("round-results", t, tp)->Pages();
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].size(), 50u);  // 11 header lines, the separator, 38 skiers
}

TEST(OfficialResults, BreakInsideADivisionRepeatsItsSeparator) {
  TestPlatform tp;
  Tournament t;
  t.RoundCount = 2;
  AddScoredSkiers(t, tp, 40, sample::kW);
  auto doc = BuildReport("official-results", t, tp);
  auto pages = doc->Pages();
  ASSERT_EQ(pages.size(), 2u);
  // Counter 10 after 14 header lines; each skier two lines; a block starts while counter + 2 < 75.
  EXPECT_EQ(pages[0].size(), 14u + 1u + 2u * 31u);  // skier 32 would start at counter 73
  EXPECT_EQ(pages[1][14], "****** W ******");
  EXPECT_EQ(pages[1][15].substr(0, 8), "32 SKIER");
  // The logo is drawn at the top of each page, centred.
  ASSERT_EQ(doc->bitmaps.size(), 2u);
  EXPECT_EQ(doc->bitmaps[1].resource, "zetllogo2015");
  EXPECT_EQ(doc->bitmaps[1].left, -1000);
  EXPECT_EQ(doc->lines[doc->bitmaps[1].atLine - 1], std::string(kFormFeed));
}

TEST(OfficialResults, TitleFollowsTheRuleSet) {
  struct Case {
    int rules;
    std::string firstLine;
  } cases[] = {{1, std::string(24, ' ') + "AWSA SCOREBOOK  (1000pt Scoring)"},
               {2, std::string(29, ' ') + "IWWF OFFICIAL RESULTS"},
               {3, std::string(31, ' ') + "Adapted SCOREBOOK"}};
  for (const auto& c : cases) {
    TestPlatform tp;
    Tournament t;
    sample::BuildResultsTournament(t, tp);
    t.settings.RulesMode = c.rules;
    auto doc = BuildReport("official-results", t, tp);
    EXPECT_EQ(doc->lines.at(0), c.firstLine);
    EXPECT_TRUE(doc->bitmaps.empty()) << "only the national rules draw the logo";
  }
}

TEST(AllDivisionReports, NeverShowTheAdaptedDivisions) {
  for (const char* name :
       {"multi-round-totals", "round-results", "event-round-results", "official-results"}) {
    TestPlatform tp;
    Tournament t;
    sample::BuildResultsTournament(t, tp);
    auto doc = BuildReport(name, t, tp);
    for (const auto& line : doc->lines) {
      EXPECT_EQ(line.find("GRAN"), std::string::npos) << name;
      EXPECT_EQ(line.find("MMP1"), std::string::npos) << name;
    }
  }
}

TEST(ResultsView, ADivisionWithoutSkiersSaysSo) {
  TestPlatform tp;
  Tournament t;
  sample::BuildResultsTournament(t, tp);
  t.CurDivision = 30;
  auto doc = BuildReport("results-view", t, tp);
  EXPECT_EQ(doc->lines.back(), "No entries in this Division/Event!");
}
