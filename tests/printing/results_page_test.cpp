#include "printing/results_page.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "core/divisions.h"
#include "support/results_tournament.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

namespace {

const std::set<std::string> kVoid = {"meta", "br", "hr", "img", "link", "input"};

// A small well-formedness check in the manner of an XML reader: every element closes in order,
// empty elements close themselves, and text and attribute values hold no bare "<" or "&".
std::string MarkupFault(const std::string& page) {
  std::vector<std::string> open;
  const std::regex entity("^&(amp|lt|gt|quot|#39);");
  std::size_t i = 0;
  while (i < page.size()) {
    if (page[i] == '&') {
      if (!std::regex_search(page.substr(i, 8), entity)) return "bare & at " + std::to_string(i);
      ++i;
      continue;
    }
    if (page[i] == '>') return "bare > at " + std::to_string(i);
    if (page[i] != '<') {
      ++i;
      continue;
    }
    const auto end = page.find('>', i);
    if (end == std::string::npos) return "unclosed tag";
    const std::string tag = page.substr(i + 1, end - i - 1);
    i = end + 1;
    if (tag.rfind("!DOCTYPE", 0) == 0) continue;
    if (tag.find('<') != std::string::npos) return "< inside tag " + tag;
    const bool closing = tag[0] == '/';
    const std::string name = tag.substr(closing, tag.find_first_of(" />", closing) - closing);
    if (closing) {
      if (open.empty() || open.back() != name)
        return "</" + name + "> closes " + (open.empty() ? "" : open.back());
      open.pop_back();
    } else if (tag.back() == '/') {
      if (!kVoid.count(name)) return "self-closed " + name;
    } else {
      if (kVoid.count(name)) return name + " not self-closed";
      open.push_back(name);
      if (name == "style") {  // raw text up to its end tag
        i = page.find("</style>", i);
        if (i == std::string::npos) return "style not closed";
      }
    }
  }
  return open.empty() ? "" : "unclosed " + open.back();
}

}  // namespace

TEST(ResultsPage, IsWellFormedWithEveryTextEscapedAndItsParts) {
  TestPlatform tp;
  Tournament t;
  sample::BuildResultsTournament(t, tp);
  t.info.EventName = "Spring <Cup> & \"Open\"";
  t.ChangeEachSkier([](TSkier& s) {
    if (s.Division == sample::kM && s.Team.empty()) s.Team = "A&B";
  });
  // A division that waits for its first score, before the others in the catalogue.
  AddSkier(t, tp, "WAITE", "Wes", 6, "S");
  t.CurEvent = 'J';
  t.CurRound = 1;
  const std::string page = ResultsPageHtml(t, tp, DateTime{2026, 6, 14, 15, 42, 7});

  EXPECT_EQ(MarkupFault(page), "");
  EXPECT_NE(page.find("<h1>Spring &lt;Cup&gt; &amp; &quot;Open&quot;</h1>"), std::string::npos);
  EXPECT_NE(page.find("PROVISIONAL RESULTS<span>Last saved 2026-06-14 15:42:07"), std::string::npos);
  EXPECT_NE(page.find("Running order: Jump, round 1"), std::string::npos);
  EXPECT_NE(page.find("Scored under"), std::string::npos);
  EXPECT_EQ(page.find("<script"), std::string::npos);
  EXPECT_EQ(page.find("http"), std::string::npos);  // nothing loaded from elsewhere
  // Divisions with scores first, then those without; catalogue order within each; those without
  // skiers left out.
  std::vector<int> scored, waiting;
  for (int d = 0; d < kNoDivision; ++d) {
    bool has = false, score = false;
    t.skiers.ForEach([&](const TSkier& s) {
      has |= s.Division == d;
      score |= s.Division == d && (s.SlalomPlace > 0 || s.TrickPlace > 0 || s.JumpPlace > 0);
    });
    const auto at = page.find("<h2>Division " + DivisionCode(d) + "</h2>");
    EXPECT_EQ(at != std::string::npos, has) << DivisionCode(d);
    if (has) (score ? scored : waiting).push_back(static_cast<int>(at));
  }
  ASSERT_GE(scored.size(), 2u);
  ASSERT_EQ(waiting.size(), 1u);
  EXPECT_TRUE(std::is_sorted(scored.begin(), scored.end()));
  EXPECT_LT(scored.back(), waiting.front());
  // Every column of a results table has its caption on a phone's card.
  const auto head = page.find("<thead>"), headEnd = page.find("</thead>");
  std::size_t columns = 0;
  for (auto at = page.find("</th>", head); at < headEnd; at = page.find("</th>", at + 1)) ++columns;
  EXPECT_TRUE(page.find(".division td:nth-child(" + std::to_string(columns) + ")::before") !=
              std::string::npos);
  EXPECT_TRUE(page.find(".division td:nth-child(" + std::to_string(columns + 1) + ")") == std::string::npos);
}

TEST(ResultsPage, AFailedWriteIsAWarningNamingTheFile) {
  TestPlatform tp;
  TempDir dir;
  Tournament t;
  sample::BuildResultsTournament(t, tp);
  t.EventFile = dir.file("lake.dat");
  t.EventBase = dir.file("lake");
  ASSERT_EQ(ResultsPagePath(t), dir.file("lake-results.html"));
  tp.fs.failAt = 1;
  EXPECT_FALSE(WriteResultsPageBesideEvent(t, tp));
  ASSERT_FALSE(tp.prompter.shown.empty());
  EXPECT_NE(tp.prompter.shown.back().text.find(dir.file("lake-results.html")), std::string::npos);
}

TEST(ResultsPage, NoDateOrNameCanBreakThePage) {
  TestPlatform tp;
  Tournament t;
  sample::BuildResultsTournament(t, tp);
  t.info.StartDate = "<!--0000";
  t.info.EndDate = "</p><b>";
  t.ChangeEachSkier([](TSkier& s) {
    s.Surname = "NAME\x01\tWITH\x7F";
    s.Team = "\x1B[31m\x81";
  });
  const std::string page = ResultsPageHtml(t, tp, DateTime{2026, 6, 14, 15, 42, 7});
  EXPECT_EQ(MarkupFault(page), "");
  EXPECT_NE(page.find("PROVISIONAL RESULTS"), std::string::npos);
  EXPECT_NE(page.find("&lt;!---00-00"), std::string::npos);
  for (std::size_t i = 0; i < page.size(); ++i) {
    const auto c = static_cast<unsigned char>(page[i]);
    EXPECT_TRUE(c >= 0x20 || c == '\n') << "control character " << int(c) << " at " << i;
    EXPECT_NE(c, 0x7F);
    if (c == 0xC2 && i + 1 < page.size()) {
      EXPECT_GE(static_cast<unsigned char>(page[i + 1]), 0xA0) << "C1 control at " << i;
    }
  }
}
