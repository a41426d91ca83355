// The reports of one event: the current round for all divisions, the current division's round,
// and the current division over all rounds (or preliminary and finals under last-round placement).
#include "core/divisions.h"
#include "core/text.h"
#include "core/work_list.h"
#include "printing/result_reports.h"
#include "results/placement.h"
#include "scoring/jump.h"

namespace {

std::string SlalomPass(const TSkier& s, int r, int buoysWidth) {
  return Fixed(s.SlalomBuoys[r], buoysWidth, 2) + "/" + Shortest(s.SlalomSpeed[r]) + "/" +
         Fixed(s.SlalomRope[r], 0, 2);
}

std::string EventRoundLine(const TSkier& s, char ev, int r) {
  std::string line = " " + SkierName(s) + RightAlign(s.Team.view(), 5);
  switch (ev) {
    case 'S':
      line += SlalomPass(s, r, 10) + Fixed(s.SlalomPoints, 12, 1);
      if (s.SlalomPlace > 0) line += IntField(s.SlalomPlace, 4);
      break;
    case 'T':
      line += Fixed(s.TrickScore[r], 10, 0) + Fixed(s.TrickPoints, 15, 0) + Place(s.TrickPlace, 4);
      break;
    default:
      line += JumpField(LongestJump(s, r), 10, 1) + Fixed(s.JumpPoints, 15, 0) + Place(s.JumpPlace, 4);
  }
  return line;
}

std::string DivisionEventCaption(const Selection& sel) {
  return " Division:" + RightAlign(DivisionCode(sel.division), 5) + " " + RightAlign(EventName(sel.event), 7);
}

// The selection's skiers in ranking order.
std::vector<TSkier> Ranked(ReportContext& c, const Selection& sel) {
  std::vector<TSkier> list = ListStartOrder(c.t, c.p.prompt, sel).skiers;
  SortByRankScore(c.t, sel.event, list);
  return list;
}

std::string EventResultLine(TSkier& s, char ev) {
  std::string line = Place(PlaceOf(s, ev), 3) + " " + SkierName(s) + RightAlign(s.Team.view(), 4);
  switch (ev) {
    case 'S':
      line += Fixed(s.SlalomScore[1], 8, 2);
      for (int r = 2; r <= 4; ++r) line += Fixed(s.SlalomScore[r], 7, 2);
      return line + Fixed(s.SlalomRankScore, 7, 2) + Fixed(s.SlalomPoints, 8, 0);
    case 'T':
      line += Fixed(s.TrickScore[1], 8, 0);
      for (int r = 2; r <= 4; ++r) line += Fixed(s.TrickScore[r], 7, 0);
      return line + Fixed(s.TrickRankScore, 7, 0) + Fixed(s.TrickPoints, 8, 0);
    default:
      line += JumpField(LongestJump(s, 1), 8, 1);
      for (int r = 2; r <= 4; ++r) line += JumpField(LongestJump(s, r), 7, 1);
      return line + Fixed(s.JumpRankScore, 7, 1) + Fixed(s.JumpPoints, 8, 0);
  }
}

std::string PreliminaryFinalsLine(TSkier& s, char ev) {
  const bool finalist = IsFinalist(s, ev);
  std::string line = Place(PlaceOf(s, ev), 3) + " " + SkierName(s) + RightAlign(s.Team.view(), 4);
  switch (ev) {
    case 'S':
      line += SlalomPass(s, 1, 6);
      if (finalist) line += SlalomPass(s, 2, 6);
      return line + Fixed(s.SlalomPoints, finalist ? 9 : 24, 1);
    case 'T':
      line += Fixed(s.TrickScore[1], 12, 0);
      if (finalist) return line + Fixed(s.TrickScore[2], 14, 0) + Fixed(s.TrickPoints, 13, 1);
      return line + Fixed(s.TrickPoints, 27, 1);
    default:
      line += JumpField(LongestJump(s, 1), 12, 1);
      if (finalist) return line + JumpField(LongestJump(s, 2), 14, 1) + Fixed(s.JumpPoints, 12, 1);
      return line + Fixed(s.JumpPoints, 26, 1);
  }
}

ReportDocument PreliminaryFinalsResults(ReportContext& c) {
  const Selection& sel = c.selection;
  ReportDocument doc{"Event Results", Orientation::Portrait, 10, {}, {}, {}};
  PageWriter w(doc);
  // Every skier of the division entered in the event, finalist or not, as round 1 lists them.
  std::vector<TSkier> list = Ranked(c, {sel.division, sel.event, 1});
  w.Line("");
  w.Line(RightAlign("EVENT RESULTS", 55));
  StandardHeader(w, c.t, c.p.clock.Now());
  w.Line(DivisionEventCaption(sel));
  w.Line("");
  w.Line(" PL   COMPETITOR NAME              Team  Preliminary      Finals      Overall");
  w.Line(" -- ------------------------------ ---- -------------  -------------  -------");
  for (TSkier& s : list) w.Line(PreliminaryFinalsLine(s, sel.event));
  return doc;
}

}  // namespace

ReportDocument EventRoundResults(ReportContext& c) {
  const Tournament& t = c.t;
  const int r = c.selection.round;
  const char ev = c.selection.event;
  ReportDocument doc{"Event Round Results", Orientation::Portrait, 10, {}, {}, {}};
  PageWriter w(doc);
  w.SetRule(PageBreakRule::Reaches, 60);
  const DateTime now = c.p.clock.Now();
  const char* title = ev == 'S'   ? " SLALOM RESULTS -- ROUND #"
                      : ev == 'T' ? " TRICK RESULTS -- ROUND #"
                                  : " JUMP RESULTS -- ROUND #";
  w.SetHeader([&](PageWriter& pw) {
    pw.HeaderLine(RightAlign(title, 60) + std::to_string(r));
    StandardHeader(pw, t, now);
    pw.HeaderLine("     COMPETITOR NAME             TEAM     SCORE RND #" + std::to_string(r) +
                  "   Overall PL");
    pw.HeaderLine(" ------------------------------- ----    --------------  ----------");
  });
  w.StartPage();
  for (int d : DivisionsWithSkiers(t)) {
    const std::vector<TSkier> list = Ranked(c, {d, ev, r});
    w.Line(DivisionSeparator(d));
    for (const TSkier& s : list) w.Line(EventRoundLine(s, ev, r));
  }
  return doc;
}

ReportDocument SingleRoundResults(ReportContext& c) {
  const Tournament& t = c.t;
  const int r = c.selection.round;
  const char ev = c.selection.event;
  ReportDocument doc{"Single Round Results", Orientation::Portrait, 10, {}, {}, {}};
  PageWriter w(doc);
  std::vector<TSkier> list = Ranked(c, c.selection);
  w.Line("");
  w.Line(RightAlign(DivisionCode(c.selection.division), 35) + " " + RightAlign(EventName(ev), 6) +
         " RESULTS - ROUND #" + std::to_string(r));
  StandardHeader(w, t, c.p.clock.Now());
  w.Line("");
  switch (ev) {
    case 'S':
      w.Line(" PL   COMPETITOR NAME             TEAM       FINAL PASS      SCORE   OVERALL");
      break;
    case 'T':
      w.Line(" PL   COMPETITOR NAME             TEAM    SCORE   OVERALL");
      break;
    default:
      w.Line(" PL   COMPETITOR NAME             TEAM    J1      J2      J3     BEST   OVERALL");
  }
  w.Line(" " + std::string(76, '-'));
  for (TSkier& s : list) {
    std::string line = Place(PlaceOf(s, ev), 3) + " " + SkierName(s) + RightAlign(s.Team.view(), 3);
    if (ev == 'S') {
      line += Fixed(s.SlalomBuoys[r], 10, 2) + " @" + Fixed(s.SlalomSpeed[r], 3, 0) + "/" +
              Fixed(s.SlalomRope[r], 5, 2) + Fixed(s.SlalomScore[r], 8, 2) + Fixed(s.SlalomPoints, 10, 1);
    } else if (ev == 'T') {
      line += Fixed(s.TrickScore[r], 10, 0) + Fixed(s.TrickPoints, 10, 1);
    } else {
      for (int j = 1; j <= 3; ++j) line += JumpField(s.JumpDistance[j][r], 8, 1);
      line += Fixed(BestJump(s, r), 8, 1) + Fixed(s.JumpPoints, 8, 1);
    }
    w.Line(line);
  }
  return doc;
}

ReportDocument EventResults(ReportContext& c) {
  const Tournament& t = c.t;
  if (t.PlaceMode() == 'L') return PreliminaryFinalsResults(c);
  const char ev = c.selection.event;
  ReportDocument doc{"Event Results", Orientation::Portrait, 10, {}, {}, {}};
  PageWriter w(doc);
  std::vector<TSkier> list = Ranked(c, c.selection);
  w.Line(RightAlign("EVENT RESULTS", 52));
  StandardHeader(w, t, c.p.clock.Now());
  w.Line(DivisionEventCaption(c.selection));
  const std::string columns = " PL   COMPETITOR NAME              Team Round1 Round2 Round3 Round4  ";
  if (t.PlaceMode() == 'B') w.Line(columns + "Best   Overall");
  if (t.PlaceMode() == 'T') w.Line(columns + "Total  Overall");
  w.Line(" -- ------------------------------ ---- ------ ------ ------ ------  -----  -------");
  for (TSkier& s : list) w.Line(EventResultLine(s, ev));
  return doc;
}
