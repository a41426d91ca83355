// The two reports laid out like the multi-round totals but showing one round's scores: all
// results of the current round (every division) and the current division after the round.
#include "core/divisions.h"
#include "core/text.h"
#include "core/work_list.h"
#include "printing/result_reports.h"

namespace {

const char* const kSlalomHeadingRule = "--------------    ---------------    --------------    -------";

// One skier across the three events: score of round r, points and places; team in teamWidth.
std::string RoundLine(const TSkier& s, int r, int teamWidth) {
  std::string line = Place(s.OverallPlace, 3) + " " + SkierName(s) + RightAlign(s.Team.view(), teamWidth);
  line +=
      EnteredIn(s, 'S') ? Fixed(s.SlalomScore[r], 10, 2) + Fixed(s.SlalomPoints, 5, 0) : "       .      .";
  line += Place(s.SlalomPlace, 4);
  line += EnteredIn(s, 'T') ? Fixed(s.TrickScore[r], 10, 0) + Fixed(s.TrickPoints, 5, 0) : "         .    .";
  line += Place(s.TrickPlace, 4);
  line +=
      EnteredIn(s, 'J') ? JumpField(LongestJump(s, r), 8, 1) + Fixed(s.JumpPoints, 6, 0) : "      .      .";
  line += Place(s.JumpPlace, 4);
  if (s.OverallScore > 0) line += Fixed(s.OverallScore, 10, 0);
  return line;
}

}  // namespace

ReportDocument RoundResults(ReportContext& c) {
  const Tournament& t = c.t;
  const int r = c.selection.round;
  ReportDocument doc{"Round Results", Orientation::Landscape, 9, {}, {}, {}};
  PageWriter w(doc);
  w.SetRule(PageBreakRule::Reaches, 50);
  const DateTime now = c.p.clock.Now();
  w.SetHeader([&](PageWriter& pw) {
    pw.HeaderLine("");
    pw.HeaderLine(RightAlign(" RESULTS -- ROUND #", 60) + std::to_string(r));
    StandardHeader(pw, t, now);
    pw.HeaderLine(std::string(46, ' ') + "  SLALOM             TRICK              JUMP         OVERALL");
    pw.HeaderLine(std::string(" PL    COMPETITOR NAME              TEAM    ") +
                  "Buoys  Ovl  Pl    Points  Ovl  Pl    Dist   Ovl  Pl      TOTAL");
    pw.HeaderLine(std::string(" -- ------------------------------  ----    ") + kSlalomHeadingRule);
  });
  w.StartPage();
  for (int d : DivisionsWithSkiers(t)) {
    const std::vector<TSkier> list = ByOverallScore(FillDivisionList(t, c.p.prompt, d).skiers);
    w.Line(DivisionSeparator(d));
    for (const TSkier& s : list) w.Line(RoundLine(s, r, 5));
    w.Line("");
  }
  return doc;
}

ReportDocument DivisionResults(ReportContext& c) {
  const Tournament& t = c.t;
  const int r = c.selection.round;
  ReportDocument doc{"Division Results", Orientation::Portrait, 10, {}, {}, {}};
  PageWriter w(doc);
  const std::vector<TSkier> list =
      ByOverallScore(FillDivisionList(t, c.p.prompt, c.selection.division).skiers);
  w.Line("");
  w.Line(RightAlign(" RESULTS - AFTER ROUND #", 58) + std::to_string(r));
  StandardHeader(w, t, c.p.clock.Now());
  w.Line(" Division: " + RightAlign(DivisionCode(c.selection.division), 5));
  w.Line("");
  w.SetFontSize(9);
  w.Line(std::string(47, ' ') + "SLALOM            TRICK              JUMP          OVERALL");
  w.Line(std::string(" PL   COMPETITOR NAME              Team    ") +
         "Buoys  Ovl  Pl    Points  Ovl  Pl    Dist   Ovl  Pl     TOTAL");
  w.Line(std::string(" -- ------------------------------ ----    ") + kSlalomHeadingRule);
  // The scores of the round the report is titled with (the points and places are the event's).
  for (const TSkier& s : list) w.Line(RoundLine(s, r, 4));
  return doc;
}
