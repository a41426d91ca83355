// The three screen views of the entry list against lines written by hand: a 15-letter surname and a
// 13-letter first name push the columns right, and a skier without a division stays out of the view
// by division.
#include "entries/entry_views.h"

#include <gtest/gtest.h>

#include "support/entry_list_tournament.h"

namespace {

struct ViewCase {
  EntryListKind kind;
  const char* expected;
};

class EntryViewGolden : public ::testing::TestWithParam<ViewCase> {};

}  // namespace

TEST_P(EntryViewGolden, LinesMatchTheHandWrittenList) {
  Tournament t;
  TestPlatform tp;
  AddEntryListSkiers(t, tp);
  const auto expected = ExpectedLines(GetParam().expected);
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(EntryViewLines(t, GetParam().kind), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Views, EntryViewGolden,
    ::testing::Values(ViewCase{EntryListKind::Alphabetical, "entry_view_alphabetical.txt"},
                      ViewCase{EntryListKind::ByDivision, "entry_view_by_division.txt"},
                      ViewCase{EntryListKind::CurrentDivision, "entry_view_division.txt"}));

TEST(EntryView, EmptyCurrentDivisionShowsOnlyTheHeading) {
  Tournament t;
  TestPlatform tp;
  AddEntryListSkiers(t, tp);
  t.CurDivision = 36;
  EXPECT_EQ(EntryViewLines(t, EntryListKind::CurrentDivision).size(), 3u);
}
