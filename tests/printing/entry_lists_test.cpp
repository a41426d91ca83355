// The printed entry lists: line for line against lists written by hand, and where the line counter
// breaks the page in long lists.
#include "printing/entry_lists.h"

#include <gtest/gtest.h>

#include "support/entry_list_tournament.h"

namespace {

struct ListCase {
  const char* report;
  const char* expected;
};

class EntryListGolden : public ::testing::TestWithParam<ListCase> {};

std::string Numbered(int i) { return (i < 10 ? "SKIER0" : "SKIER") + std::to_string(i); }

}  // namespace

TEST_P(EntryListGolden, LinesMatchTheHandWrittenList) {
  Tournament t;
  TestPlatform tp;
  t.info.EventName = "Lakeside Open";
  t.info.ChiefOfComp = "Ida Kern";
  t.info.Scorer = "Ole Brandt";
  AddEntryListSkiers(t, tp);
  ASSERT_TRUE(PrintNamedReport(GetParam().report, t, tp));
  ASSERT_EQ(tp.printer.documents.size(), 1u);
  EXPECT_EQ(tp.printer.documents[0].pages.size(), 1u);
  const auto expected = ExpectedLines(GetParam().expected);
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(tp.printer.AllLines(), expected);
}

INSTANTIATE_TEST_SUITE_P(Lists, EntryListGolden,
                         ::testing::Values(ListCase{"entry-list-alphabetical", "entry_list_alphabetical.txt"},
                                           ListCase{"entry-list-by-division", "entry_list_by_division.txt"},
                                           ListCase{"entry-list-division", "entry_list_division.txt"}));

// The screen views through the catalogue, as the command line asks for them.
TEST(EntryListCatalogue, ViewsAreTheScreenLines) {
  Tournament t;
  TestPlatform tp;
  AddEntryListSkiers(t, tp);
  for (auto [report, expected] : {std::pair{"entry-view-alphabetical", "entry_view_alphabetical.txt"},
                                  std::pair{"entry-view-by-division", "entry_view_by_division.txt"},
                                  std::pair{"entry-view-division", "entry_view_division.txt"}}) {
    auto doc = BuildReport(report, t, tp);
    ASSERT_TRUE(doc.has_value()) << report;
    EXPECT_EQ(doc->lines, ExpectedLines(expected)) << report;
  }
}

// SKIER01, SKIER02 …: the counter starts at 11 after the heading, a skier line adds 1, a
// division banner 2, and the page breaks after the skier line that takes it past 60. The next page
// carries no heading.
TEST(EntryListPages, FormFeedAfterTheSkierLineThatFillsThePage) {
  constexpr int kM = 16, kW = 17;
  struct Case {
    EntryListKind kind;
    int skiers;
    int inM;            // the first skiers are in M, the rest in W
    int skiersOnPage1;  // skier lines before the form feed
    int linesOnPage2;   // every line after it, banners included
  } cases[] = {
      {EntryListKind::Alphabetical, 60, 60, 50, 10}, {EntryListKind::CurrentDivision, 60, 60, 50, 10},
      {EntryListKind::ByDivision, 60, 60, 48, 12},   // 11 + banner 2 + 48 = 61
      {EntryListKind::ByDivision, 60, 40, 46, 14},   // 11 + 2 + 40 + 2 + 6 = 61
      {EntryListKind::Alphabetical, 50, 50, 50, 0},  // the page is full, but nothing follows
  };
  for (const auto& c : cases) {
    Tournament t;
    TestPlatform tp;
    for (int i = 1; i <= c.skiers; ++i) AddSkier(t, tp, Numbered(i), "Pat", i <= c.inM ? kM : kW);
    t.CurDivision = kM;
    ASSERT_TRUE(PrintNamedReport(EntryListReportName(c.kind), t, tp));
    const auto& pages = tp.printer.documents.at(0).pages;
    ASSERT_EQ(pages.size(), c.linesOnPage2 ? 2u : 1u) << c.skiersOnPage1;
    if (c.linesOnPage2 == 0) continue;
    const std::string last = Numbered(c.skiersOnPage1), next = Numbered(c.skiersOnPage1 + 1);
    EXPECT_EQ(pages[0].lines.back().substr(2, last.size()), last);
    EXPECT_EQ(pages[1].lines.size(), static_cast<std::size_t>(c.linesOnPage2));
    EXPECT_EQ(pages[1].lines.front().substr(2, next.size()), next) << "no heading on the next page";
  }
}
