// The drawn judging forms on the recording printer: rows and pages of the seeded forms, the speed
// guides by rule set, the ruled grids within the page, the pass headings, the wrong-event message.
#include "printing/judging_sheets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/divisions.h"
#include "core/text.h"
#include "printing/pass_headings.h"
#include "support/skier_builders.h"
#include "support/test_platform.h"

namespace {

constexpr int kM = 16;

struct JudgingSheets : ::testing::Test {
  Tournament t;
  TestPlatform tp;
  Platform& p = tp.platform;
  RecordingPrinter& printer = tp.printer;

  void SetUp() override {
    t.info.EventName = "Lakeside Open";
    t.CurDivision = kM;
    t.CurEvent = 'S';
    t.CurRound = 1;
  }

  // Skiers "FIRST1".."FIRSTn" whose seeds put them in that start order.
  void AddSkiers(int n, const std::string& events = "S") {
    for (int i = 1; i <= n; ++i) {
      TSkier& s =
          AddSkier(t, p, "SURNAME" + std::to_string(100 + i), "FIRST" + std::to_string(i), kM, events);
      s.Bib = std::to_string(i);
      s.SlalomSeed = s.JumpSeed = s.TrickSeed = i;
    }
  }

  const std::vector<RecordedPage>& Pages() { return printer.documents.back().pages; }

  static const DrawnItem* FindText(const RecordedPage& page, const std::string& text) {
    for (const auto& d : page.drawn)
      if (d.kind == DrawnItem::Text && d.text == text) return &d;
    return nullptr;
  }
  static std::vector<std::string> TextsStarting(const RecordedPage& page, const std::string& prefix) {
    std::vector<std::string> out;
    for (const auto& d : page.drawn)
      if (d.kind == DrawnItem::Text && d.text.rfind(prefix, 0) == 0) out.push_back(d.text);
    return out;
  }
  // The y of a seeded row's first line on this printer's page.
  int FirstLineOfRow(int k) {
    const int h = printer.PageHeight();
    return h / 6 + k * (h / 20) + h / 60;
  }
};

TEST_F(JudgingSheets, SeededFormsFillRowsPageByPageUpToTheirLimit) {
  struct Case {
    JudgingForm form;
    char event;
    int skiers;
    int pages;
    int lastRow;  // the row of the last skier written on the last page
    int written;
  };
  const std::vector<Case> cases{
      {JudgingForm::SlalomScoring, 'S', 16, 2, 1, 16},  {JudgingForm::SlalomScoring, 'S', 30, 2, 15, 30},
      {JudgingForm::SlalomScoring, 'S', 64, 4, 15, 60}, {JudgingForm::SlalomRecap, 'S', 8, 2, 1, 8},
      {JudgingForm::JumpMaster, 'J', 52, 7, 7, 49},     {JudgingForm::JumpBoat, 'J', 15, 1, 15, 15},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(JudgingFormNames()[static_cast<std::size_t>(c.form)] + " " + std::to_string(c.skiers));
    t = Tournament{};
    SetUp();
    AddSkiers(c.skiers, std::string(1, c.event));
    t.CurEvent = c.event;
    ASSERT_TRUE(PrintSeededForm(printer, t, p, c.form));
    ASSERT_EQ(static_cast<int>(Pages().size()), c.pages);
    int written = 0;
    for (const auto& page : Pages()) {
      const auto names = TextsStarting(page, "FIRST");
      EXPECT_LE(static_cast<int>(names.size()), SkiersPerPage(c.form));
      written += static_cast<int>(names.size());
      // Every page is the whole form again.
      EXPECT_NE(FindText(page, "Division: M"), nullptr);
    }
    EXPECT_EQ(written, c.written);
    const std::string last = "FIRST" + std::to_string(c.written);
    const DrawnItem* item = FindText(Pages().back(), PadRight(last, 15));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->y, FirstLineOfRow(c.lastRow));
    EXPECT_NE(FindText(Pages().back(),
                       "SURNAME" + std::to_string(100 + c.written) + "     " + std::to_string(c.written)),
              nullptr);
  }
}

TEST_F(JudgingSheets, TheSixteenthSkierOpensRowOneOfPageTwo) {
  AddSkiers(16);
  ASSERT_TRUE(PrintSeededForm(printer, t, p, JudgingForm::SlalomScoring));
  ASSERT_EQ(Pages().size(), 2u);
  EXPECT_EQ(TextsStarting(Pages()[0], "FIRST").size(), 15u);
  const DrawnItem* first15 = FindText(Pages()[0], PadRight("FIRST15", 15));
  ASSERT_NE(first15, nullptr);
  EXPECT_EQ(first15->y, FirstLineOfRow(15));
  const DrawnItem* first16 = FindText(Pages()[1], PadRight("FIRST16", 15));
  ASSERT_NE(first16, nullptr);
  EXPECT_EQ(first16->y, FirstLineOfRow(1));
  EXPECT_EQ(printer.documents.back().orientation, Orientation::Portrait);
}

TEST_F(JudgingSheets, SpeedGuidesOnlyUnderTheNationalRules) {
  struct Case {
    int rules;
    JudgingForm form;
    bool blank;
    const char* guide;
    bool shown;
  };
  const std::vector<Case> cases{
      {kZetlRules, JudgingForm::SlalomScoring, true, "Speeds/Divs:", true},
      {kIwwfRules, JudgingForm::SlalomScoring, true, "Speeds/Divs:", false},
      {kAwsaRules, JudgingForm::SlalomScoring, true, "Speeds/Divs:", false},
      {kZetlRules, JudgingForm::JumpBoat, true, "ZTL Age Div Max Speeds:", true},
      {kIwwfRules, JudgingForm::JumpBoat, true, "ZTL Age Div Max Speeds:", false},
      {kZetlRules, JudgingForm::JumpBoat, false, "Div Max Speeds:", true},
      {kAdaptedRules, JudgingForm::JumpBoat, false, "Div Max Speeds:", false},
      {kZetlRules, JudgingForm::SlalomRecap, true, "Speeds/Divs:", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.guide) + " rules " + std::to_string(c.rules));
    t.settings.RulesMode = c.rules;
    t.CurEvent = c.form == JudgingForm::JumpBoat ? 'J' : 'S';
    ASSERT_TRUE(c.blank ? PrintBlankForm(printer, t, c.form) : PrintSeededForm(printer, t, p, c.form));
    EXPECT_EQ(FindText(Pages()[0], c.guide) != nullptr, c.shown);
    // Only a form seeded for a division names it.
    EXPECT_EQ(TextsStarting(Pages()[0], "Division: ").empty(), c.blank);
  }
}

TEST_F(JudgingSheets, BlankFormsRuleTheirGridsWithinThePage) {
  struct Case {
    JudgingForm form;
    Orientation orientation;
    const char* title;
    int rules;
  };
  const std::vector<Case> cases{
      {JudgingForm::SlalomScoring, Orientation::Landscape, "SLALOM - SCORING/TIMING SHEET", 16},
      {JudgingForm::SlalomRecap, Orientation::Landscape, "SLALOM - RECAP SHEET", 20},
      {JudgingForm::JumpBoat, Orientation::Landscape, "JUMP - BOAT SCORING", 16},
      {JudgingForm::JumpMaster, Orientation::Landscape, "JUMP - MASTER SCORING SHEET", 7},
      {JudgingForm::Trick, Orientation::Portrait, "TRICK EVENT SHEET", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    ASSERT_TRUE(PrintBlankForm(printer, t, c.form));
    ASSERT_EQ(Pages().size(), 1u);
    EXPECT_EQ(printer.documents.back().orientation, c.orientation);
    const auto& page = Pages()[0];
    EXPECT_NE(FindText(page, c.title), nullptr);
    EXPECT_NE(FindText(page, "Lakeside Open"), nullptr);
    const int w = printer.PageWidth(), h = printer.PageHeight(), top = h / 6;
    int below = 0;
    for (const auto& d : page.drawn) {
      EXPECT_TRUE(d.x >= 0 && d.x < w && d.y >= 0 && d.y < h) << d.text;
      if (d.kind == DrawnItem::Line) {
        EXPECT_TRUE(d.x2 >= 0 && d.x2 < w && d.y2 >= 0 && d.y2 < h);
        if (d.y == d.y2 && d.y > top) ++below;
      }
    }
    if (c.rules >= 0) {
      EXPECT_EQ(below, c.rules);
    }
  }
  // The trick sheet's two blocks have a numbered box for each trick of a pass.
  const auto& trick = Pages()[0];
  EXPECT_NE(FindText(trick, "FIRST PASS"), nullptr);
  EXPECT_NE(FindText(trick, "SECOND PASS"), nullptr);
  EXPECT_EQ(std::count_if(trick.drawn.begin(), trick.drawn.end(),
                          [](const DrawnItem& d) { return d.kind == DrawnItem::Text && d.text == "40"; }),
            2);
}

TEST_F(JudgingSheets, WrongEventIsToldAndNothingPrinted) {
  struct Case {
    JudgingForm form;
    char current;
    const char* message;
  };
  const std::vector<Case> cases{
      {JudgingForm::SlalomScoring, 'T', "  Slalom must be current event!"},
      {JudgingForm::SlalomRecap, 'J', "  Slalom must be current event!"},
      {JudgingForm::JumpBoat, 'S', "  Jump must be current event!"},
      {JudgingForm::JumpMaster, 'T', "  Jump must be current event!"},
      {JudgingForm::Trick, 'S', "  Tricks must be current event!"},
  };
  for (const auto& c : cases) {
    t.CurEvent = c.current;
    EXPECT_FALSE(PrintSeededForm(printer, t, p, c.form));
    ASSERT_FALSE(tp.prompter.shown.empty());
    EXPECT_EQ(tp.prompter.texts().back(), c.message);
  }
  EXPECT_TRUE(printer.documents.empty());
}

TEST_F(JudgingSheets, TrickSheetsOnePerSkierAndAnEmptyDivisionPrintsOnePage) {
  AddSkiers(3, "T");
  AddSkier(t, p, "SLALOMONLY", "Sam", kM, "S");
  t.CurEvent = 'T';
  ASSERT_TRUE(PrintSeededForm(printer, t, p, JudgingForm::Trick));
  ASSERT_EQ(Pages().size(), 3u);
  EXPECT_NE(FindText(Pages()[0], "M   Tricks    SKIER: FIRST1 SURNAME101"), nullptr);
  EXPECT_NE(FindText(Pages()[2], "     Bib# 3"), nullptr);
  EXPECT_NE(FindText(Pages()[2], "JUDGE NAME ________________________"), nullptr);

  t.CurDivision = 17;  // W: nobody entered
  t.CurEvent = 'S';
  ASSERT_TRUE(PrintSeededForm(printer, t, p, JudgingForm::SlalomScoring));
  ASSERT_EQ(Pages().size(), 1u);
  EXPECT_NE(FindText(Pages()[0], "Division: W"), nullptr);
  EXPECT_TRUE(TextsStarting(Pages()[0], "FIRST").empty());
}

TEST(PassHeadings, ByRuleSetAndDivision) {
  struct Case {
    int rules;
    const char* division;
    std::vector<std::string> recap, scoring;
  };
  const std::vector<std::string> buoys{"Score", "6", "12", "18", "24", "30", "36", "42", "48", "54", "60"};
  const std::vector<std::string> masters{"18.25", "16",    "14.25", "13",   "12",
                                         "11.25", "10.75", "10.25", "9.75", "9.50"};
  const std::vector<Case> cases{
      {kZetlRules, "OM", {"49", "52", "55", "58", "16", "14.25", "13", "12", "11.25", "10.75", "10.25"}, {}},
      {kZetlRules, "M7", {"43", "46", "49", "52", "16", "14.25", "13", "12", "11.25", "10.75", "10.25"}, {}},
      {kZetlRules,
       "BU10",
       {"28", "31", "34", "37", "40", "43", "46", "49", "16", "14.25", "13"},
       {"25", "28", "31", "34", "37", "40", "43", "46", "49", "16", "14.25"}},
      {kZetlRules, "W70", {"28", "31", "34", "37", "40", "43", "46", "49", "16", "14.25", "13"}, {}},
      {kZetlRules, "WU17", {"28", "31", "34", "37", "40", "43", "46", "49", "52", "55", "16"}, {}},
      {kZetlRules, "IM", {}, {}},
      {kIwwfRules, "M45", masters, {"52", "55", "16", "14.25", "13", "12", "11.25", "10.75", "10.25"}},
      {kIwwfRules,
       "MU17",
       {"49", "52", "55", "16", "14.25", "13", "12", "11.25", "10.75", "10.25"},
       {"55", "58", "16", "14.25", "13", "12", "11.25", "10.75", "10.25"}},
      {kIwwfRules, "MU21", {}, masters},
      {kIwwfRules, "M", {}, buoys},
      {kAwsaRules, "M", buoys, {}},
      {kAdaptedRules, "MMP1", buoys, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.division) + " rules " + std::to_string(c.rules));
    const int division = *FindDivision(c.division);
    EXPECT_EQ(RecapPassHeadings(c.rules, division), c.recap);
    // An empty expectation for the scoring form means "as the recap form" under the national rules.
    const auto& scoring = c.scoring.empty() && c.rules == kZetlRules ? c.recap : c.scoring;
    EXPECT_EQ(ScoringPassHeadings(c.rules, division), scoring);
  }
}

TEST_F(JudgingSheets, SeededRecapHeadsItsPassColumnsRightAligned) {
  t.CurDivision = *FindDivision("M7");
  ASSERT_TRUE(PrintSeededForm(printer, t, p, JudgingForm::SlalomRecap));
  const auto& page = Pages()[0];
  EXPECT_NE(FindText(page, "   43"), nullptr);
  EXPECT_NE(FindText(page, "14.25"), nullptr);
  EXPECT_NE(FindText(page, "SKIER NAME / PASS"), nullptr);
  EXPECT_NE(FindText(page, "JUDGE NAME ________________________"), nullptr);
}

}  // namespace
