// The entry lists, printed and on screen, against lists written by hand, and where the line counter
// breaks the page in long printed lists.
#include "printing/entry_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "core/divisions.h"
#include "core/file_io.h"
#include "support/skier_builders.h"

namespace {

void Identity(TSkier& s, const char* member, const char* bib, const char* team, const char* paid) {
  s.MemberId = member;
  s.Bib = bib;
  s.Team = team;
  s.Paid = paid;
}

std::string Numbered(int i) { return (i < 10 ? "SKIER0" : "SKIER") + std::to_string(i); }

}  // namespace

// Three divisions and a skier without one; a 15-letter surname and a 13-letter first name that push
// the screen's columns; an unpaid slalom-only entry; an entry with no payment mark at all.
TEST(EntryLists, EveryListMatchesTheHandWrittenOne) {
  Tournament t;
  TestPlatform tp;
  t.info.EventName = "Lakeside Open";
  t.info.ChiefOfComp = "Ida Kern";
  t.info.Scorer = "Ole Brandt";
  Identity(AddSkier(t, tp, "BROWN", "Anna", 17), "100234", "12", "WAT", "Y");
  Identity(AddSkier(t, tp, "CARTER", "Tom", 16, "S"), "9001", "7", "LKS", "N");
  Identity(AddSkier(t, tp, "DUPONT", "Luc", kNoDivision, "T"), "", "", "", "");
  Identity(AddSkier(t, tp, "EVANS", "Mark", 16, "SJ"), "1234567890", "101", "NOR", "Y");
  Identity(AddSkier(t, tp, "VANDERHOEVENSEN", "Christopherus", 10), "55", "3", "WAT", "Y");
  t.CurDivision = 16;
  for (const char* name : {"entry-list-alphabetical", "entry-list-by-division", "entry-list-division",
                           "entry-view-alphabetical", "entry-view-by-division", "entry-view-division"}) {
    std::string stem = name;  // the file of "entry-list-division" is entry_list_division.txt
    std::replace(stem.begin(), stem.end(), '-', '_');
    std::string file = std::string(TALLIVAR_TEST_DATA) + "/expected/reports/" + stem + ".txt";
    std::ifstream in(file, std::ios::binary);
    std::stringstream expected;
    expected << in.rdbuf();
    ASSERT_FALSE(expected.str().empty()) << file;
    auto doc = BuildReport(name, t, tp);
    ASSERT_TRUE(doc.has_value()) << name;
    EXPECT_EQ(doc->lines, SplitLines(expected.str())) << name;
  }
}

// The counter starts at 11 after the heading, a skier line adds 1, a division banner 2, and the page
// breaks after the skier line that takes it past 60. The next page carries no heading.
TEST(EntryLists, FormFeedAfterTheSkierLineThatFillsThePage) {
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
    ASSERT_TRUE(PrintNamedReport(tp.printer, EntryListReportName(c.kind), t, tp));
    const auto& pages = tp.printer.documents.at(0).pages;
    ASSERT_EQ(pages.size(), c.linesOnPage2 ? 2u : 1u) << c.skiersOnPage1;
    if (c.linesOnPage2 == 0) continue;
    const std::string last = Numbered(c.skiersOnPage1), next = Numbered(c.skiersOnPage1 + 1);
    EXPECT_EQ(pages[0].lines.back().substr(2, last.size()), last);
    EXPECT_EQ(pages[1].lines.size(), static_cast<std::size_t>(c.linesOnPage2));
    EXPECT_EQ(pages[1].lines.front().substr(2, next.size()), next) << "no heading on the next page";
  }
}
