// The printed entry lists: line for line against lists written by hand, and where the line counter
// breaks the page in long lists.
#include "printing/entry_lists.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "support/entry_list_tournament.h"

namespace {

struct ListCase {
  EntryListKind kind;
  const char* expected;
};

class EntryListGolden : public ::testing::TestWithParam<ListCase> {};

std::string Numbered(int i) {
  char name[16];
  std::snprintf(name, sizeof name, "SKIER%02d", i);
  return name;
}

}  // namespace

TEST_P(EntryListGolden, LinesMatchTheHandWrittenList) {
  Tournament t;
  TestPlatform tp;
  t.info.EventName = "Lakeside Open";
  t.info.ChiefOfComp = "Ida Kern";
  t.info.Scorer = "Ole Brandt";
  AddEntryListSkiers(t, tp);
  PrintEntryList(t, tp, GetParam().kind);
  ASSERT_EQ(tp.printer.documents.size(), 1u);
  EXPECT_EQ(tp.printer.documents[0].pages.size(), 1u);
  const auto expected = ExpectedLines(GetParam().expected);
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(tp.printer.AllLines(), expected);
}

INSTANTIATE_TEST_SUITE_P(Lists, EntryListGolden,
                         ::testing::Values(ListCase{EntryListKind::Alphabetical, "entry_list_alphabetical.txt"},
                                           ListCase{EntryListKind::ByDivision, "entry_list_by_division.txt"},
                                           ListCase{EntryListKind::CurrentDivision, "entry_list_division.txt"}));

// Sixty skiers, SKIER01..SKIER60: the counter starts at 11 after the heading, a skier line adds 1, a
// division banner 2, and the page breaks after the skier line that takes it past 60. The next page
// carries no heading.
TEST(EntryListPages, FormFeedAfterTheSkierLineThatFillsThePage) {
  constexpr int kM = 16, kW = 17;
  struct Case {
    EntryListKind kind;
    int inM;             // the first skiers are in M, the rest in W
    int skiersOnPage1;   // skier lines before the form feed
    int linesOnPage2;    // every line after it, banners included
  } cases[] = {
      {EntryListKind::Alphabetical, 60, 50, 10},
      {EntryListKind::CurrentDivision, 60, 50, 10},
      {EntryListKind::ByDivision, 60, 48, 12},  // 11 + banner 2 + 48 = 61
      {EntryListKind::ByDivision, 40, 46, 14},  // 11 + 2 + 40 + 2 + 6 = 61
  };
  for (const auto& c : cases) {
    Tournament t;
    TestPlatform tp;
    for (int i = 1; i <= 60; ++i) AddSkier(t, tp, Numbered(i), "Pat", i <= c.inM ? kM : kW);
    t.CurDivision = kM;
    PrintEntryList(t, tp, c.kind);
    const auto& pages = tp.printer.documents.at(0).pages;
    ASSERT_EQ(pages.size(), 2u) << c.skiersOnPage1;
    const std::string last = Numbered(c.skiersOnPage1), next = Numbered(c.skiersOnPage1 + 1);
    EXPECT_EQ(pages[0].lines.back().substr(2, last.size()), last);
    EXPECT_EQ(pages[1].lines.size(), static_cast<std::size_t>(c.linesOnPage2));
    EXPECT_EQ(pages[1].lines.front().substr(2, next.size()), next) << "no heading on the next page";
  }
}
