#include <algorithm>

#include "core/text.h"
#include "core/work_list.h"
#include "printing/result_reports.h"

std::vector<TSkier> ByOverallScore(std::vector<TSkier> list) {
  std::stable_sort(list.begin(), list.end(),
                   [](const TSkier& a, const TSkier& b) { return a.OverallScore > b.OverallScore; });
  return list;
}

namespace {

std::string TotalsLine(const TSkier& s) {
  std::string line = Place(s.OverallPlace, 3) + " " + SkierName(s) + RightAlign(s.Team.view(), 6);
  line +=
      EnteredIn(s, 'S') ? Fixed(s.SlalomRankScore, 9, 2) + Fixed(s.SlalomPoints, 6, 0) : "       .       .";
  line += Place(s.SlalomPlace, 3);
  line +=
      EnteredIn(s, 'T') ? Fixed(s.TrickRankScore, 10, 0) + Fixed(s.TrickPoints, 6, 0) : "         .     .";
  line += Place(s.TrickPlace, 3);
  line += EnteredIn(s, 'J') ? Fixed(s.JumpRankScore, 9, 1) + Fixed(s.JumpPoints, 6, 0) : "       .      .";
  line += Place(s.JumpPlace, 3);
  if (s.OverallScore > 0) line += Fixed(s.OverallScore, 10, 0);
  return line;
}

}  // namespace

ReportDocument MultiRoundTotals(ReportContext& c) {
  const Tournament& t = c.t;
  ReportDocument doc{"Multi-Round Totals", Orientation::Portrait, 9, {}, {}, {}};
  PageWriter w(doc);
  // The line that takes the counter past 60 starts the next page, so a page ends with the 60th
  // line counted.
  w.SetRule(PageBreakRule::Reaches, 60);
  const DateTime now = c.p.clock.Now();
  w.SetHeader([&](PageWriter& pw) {
    pw.HeaderLine("");
    pw.HeaderLine(RightAlign(" MULTI-ROUND TOTALS RESULTS", 70));
    StandardHeader(pw, t, now);
    pw.HeaderLine("                 Multi-round totals and overall point scores");
    pw.HeaderLine("");
    pw.HeaderLine(std::string("                                     TEAM   ") +
                  "   SLALOM             TRICK              JUMP          OVERALL");
    pw.HeaderLine(std::string(" PL   COMPETITOR NAME                       ") +
                  "Buoys  Ovl  Pl    Points  Ovl  Pl    Dist   Ovl  Pl     TOTAL");
    pw.HeaderLine(std::string(" -- -------------------------------- ----   ") +
                  "--------------    ---------------    --------------    -------");
    pw.count = 8 + 6;
  });
  w.StartPage();
  for (int d : DivisionsWithSkiers(t)) {
    const std::vector<TSkier> list = ByOverallScore(FillDivisionList(t, c.p.prompt, d).skiers);
    w.Line(DivisionSeparator(d));
    for (const TSkier& s : list) w.Line(TotalsLine(s));
    w.Line("");
  }
  return doc;
}
