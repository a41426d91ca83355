#include "printing/report_page.h"

#include <gtest/gtest.h>

#include <set>

#include "printing/report_catalogue.h"
#include "support/skier_builders.h"
#include "support/test_platform.h"

namespace {

// Writes `body` numbered lines under a two-line header that sets the counter to 5.
ReportDocument Paged(PageBreakRule rule, int limit, int body) {
  ReportDocument doc;
  PageWriter w(doc);
  w.SetRule(rule, limit);
  w.SetHeader([](PageWriter& pw) {
    pw.HeaderLine("HEAD");
    pw.HeaderLine("");
    pw.count = 5;
  });
  w.StartPage();
  for (int i = 1; i <= body; ++i) w.Line(std::to_string(i));
  return doc;
}

}  // namespace

TEST(ReportPage, BreaksWhenTheCounterPassesOrReachesTheLimit) {
  struct Case {
    PageBreakRule rule;
    int limit, body;
    std::vector<std::size_t> pageSizes;  // lines per page, header included
  } cases[] = {
      // Counter 5 after the header: lines 1..5 bring it to 10; Passes waits for 11.
      {PageBreakRule::Passes, 10, 7, {8, 3}},
      {PageBreakRule::Reaches, 10, 7, {7, 4}},
      {PageBreakRule::Reaches, 10, 5, {7}},  // full, but nothing more to write: no empty page
      {PageBreakRule::Never, 10, 30, {32}},
  };
  for (const auto& c : cases) {
    auto pages = Paged(c.rule, c.limit, c.body).Pages();
    ASSERT_EQ(pages.size(), c.pageSizes.size()) << c.limit << "/" << c.body;
    for (std::size_t i = 0; i < pages.size(); ++i) {
      EXPECT_EQ(pages[i].size(), c.pageSizes[i]);
      EXPECT_EQ(pages[i][0], "HEAD") << "the header starts every page";
    }
  }
}

TEST(ReportPage, FieldsPlacesNamesAndJumpCodes) {
  EXPECT_EQ(Place(0, 3), "   ");
  EXPECT_EQ(Place(-2, 2), "  ");
  EXPECT_EQ(Place(12, 3), " 12");
  EXPECT_EQ(Name15("ABCDEFGHIJKLMNOPQ"), "ABCDEFGHIJKLMNO");
  EXPECT_EQ(Name15("LEE"), "LEE            ");
  EXPECT_EQ(JumpField(0.01, 8, 1), "    PASS");
  EXPECT_EQ(JumpField(0.02, 8, 1), "    FALL");
  EXPECT_EQ(JumpField(0.03, 6, 1), "   DSQ");
  EXPECT_EQ(JumpField(31.5, 8, 1), "    31.5");
  EXPECT_EQ(JumpField(0, 7, 1), "    0.0");
  EXPECT_EQ(JumpField(123456.0, 4, 1), "123456.0") << "a number field is never cut";
}

TEST(ReportPage, StandardHeaderCentresTheNameAndRulesTheOfficials) {
  Tournament t;
  t.info.EventName = "LAKE CUP";  // 8 characters: right-aligned in 52
  t.info.ChiefOfComp = "ANNA BERG";
  t.info.Scorer = "";
  ReportDocument doc;
  PageWriter w(doc);
  StandardHeader(w, t, DateTime{2026, 7, 4, 9, 5, 3});
  ASSERT_EQ(doc.lines.size(), 6u);
  EXPECT_EQ(w.count, 6);
  EXPECT_EQ(doc.lines[0], std::string(44, ' ') + "LAKE CUP");
  EXPECT_EQ(doc.lines[1], std::string(31, ' ') + " Posted: 09:05:03   04/07/2026");
  EXPECT_EQ(doc.lines[3], " Chief of Comp: ANNA BERG" + std::string(9, ' ') + std::string(22, '_'));
  EXPECT_EQ(doc.lines[4], " Calculator   : " + std::string(18, ' ') + std::string(22, '_'));
  EXPECT_EQ(doc.lines[2], "");
  EXPECT_EQ(doc.lines[5], "");
}

TEST(ReportPage, PrinterGetsFontOrientationPagesAndTheLogo) {
  ReportDocument doc;
  doc.title = "Test";
  doc.orientation = Orientation::Landscape;
  PageWriter w(doc);
  w.SetFontSize(9);
  w.Draw({0, -1000, 10, 2000, 400, "zetllogo2015"});
  w.Line("one");
  w.SetFontSize(8);
  w.FormFeed();
  w.Line("two");
  TestPlatform tp;
  ASSERT_TRUE(SendToPrinter(tp.printer, doc));
  const auto& d = tp.printer.documents.at(0);
  EXPECT_EQ(d.title, "Test");
  EXPECT_EQ(d.orientation, Orientation::Landscape);
  EXPECT_EQ(d.font, "Courier New");
  EXPECT_EQ(d.fontSize, 8);  // the last change
  ASSERT_EQ(d.pages.size(), 2u);
  EXPECT_EQ(d.pages[0].lines, std::vector<std::string>{"one"});
  EXPECT_EQ(d.pages[1].lines, std::vector<std::string>{"two"});
  ASSERT_EQ(d.pages[0].drawn.size(), 1u);
  const auto& logo = d.pages[0].drawn[0];
  EXPECT_EQ(logo.text, "zetllogo2015");
  // Centred on the landscape page (6600 dots wide), 10 dots down, 2000 by 400.
  EXPECT_EQ(logo.x, 2300);
  EXPECT_EQ(logo.y, 10);
  EXPECT_EQ(logo.x2, 4300);
  EXPECT_EQ(logo.y2, 410);

  tp.printer.cancel = true;
  EXPECT_FALSE(SendToPrinter(tp.printer, doc));
}

TEST(ReportCatalogue, NamesAreUniqueAndBuildersPresent) {
  std::set<std::string> names;
  for (const auto& e : ReportCatalogue()) {
    EXPECT_TRUE(names.insert(e.name).second) << e.name;
    // Each entry has what its kind is made from, a description, and a caption where a menu shows it.
    EXPECT_EQ(e.build != nullptr, e.kind == OutputKind::Report) << e.name;
    EXPECT_EQ(e.form >= 0, e.kind == OutputKind::Form) << e.name;
    EXPECT_EQ(e.exportLines != nullptr, e.kind == OutputKind::Export) << e.name;
    EXPECT_FALSE(e.description.empty()) << e.name;
    EXPECT_EQ(e.caption.empty(), e.menu == ReportMenu::None) << e.name;
    for (const auto& option : e.options) EXPECT_NE(FindOutputOption(option), nullptr) << e.name << " " << option;
  }
  EXPECT_EQ(FindReport("trick"), nullptr) << "a form is no report";
  EXPECT_EQ(FindReport("no-such-report"), nullptr);
  TestPlatform tp;
  Tournament t;
  EXPECT_FALSE(BuildReport("no-such-report", t, tp).has_value());
  ReportOptions o{{{"day", "2"}, {"all", ""}}};
  EXPECT_EQ(o.GetInt("day", 1), 2);
  EXPECT_EQ(o.GetInt("round", 3), 3);
  EXPECT_TRUE(o.Has("all"));
}
