// The event summary (entries and best performances per division) and the results view of the
// current division.
#include <algorithm>
#include <limits>

#include "core/divisions.h"
#include "core/skier_ops.h"
#include "core/text.h"
#include "core/work_list.h"
#include "printing/result_reports.h"
#include "results/export_fields.h"
#include "scoring/jump.h"

namespace {

struct EventBest {
  double slalom = 0, trick = 0, jump = 0;
  int slalomEntries = 0, trickEntries = 0, jumpEntries = 0;
  bool any() const { return slalomEntries + trickEntries + jumpEntries > 0; }
};

// The best performances of rounds 1 to 3 and the entries per event of one division.
EventBest DivisionBest(const Tournament& t, int division) {
  EventBest b;
  t.skiers.ForEach([&](const TSkier& s) {
    if (s.Division != division) return;
    b.slalomEntries += EnteredIn(s, 'S');
    b.trickEntries += EnteredIn(s, 'T');
    b.jumpEntries += EnteredIn(s, 'J');
    for (int r = 1; r <= 3; ++r) {
      b.slalom = std::max(b.slalom, s.SlalomScore[r]);
      b.trick = std::max(b.trick, s.TrickScore[r]);
      for (int j = 1; j <= 3; ++j) b.jump = std::max(b.jump, s.JumpDistance[j][r]);
    }
  });
  return b;
}

}  // namespace

ReportDocument EventSummary(ReportContext& c) {
  const Tournament& t = c.t;
  const TournamentInfo& info = t.info;
  ReportDocument doc{"Event Summary", Orientation::Portrait, 10, {}, {}, {}};
  PageWriter w(doc);
  const int nameLength = static_cast<int>(info.EventName.size());
  w.Line(RightAlign("EVENT SUMMARY", 47));
  w.Line(RightAlign(info.EventName.view(), 58 - nameLength / 2));
  w.Line("");
  w.Line(" Event Date          : " + info.StartDate.str());
  w.Line(" Chief of Competition: " + info.ChiefOfComp.str());
  w.Line(" Calculator          : " + info.Scorer.str());
  w.Line(" Technical Controller: " + info.TechController.str());
  w.Line(" Safety Director     : " + info.SafetyDirector.str());
  w.Line(" Chief Boat Driver   : " + info.ChiefDriver.str());
  w.Line("");
  w.Line(" Total Number of Entries: " + std::to_string(t.SkierCount()));
  w.Line("");
  w.Line(" Best Performances and Entry by Division/Event:");
  w.Line("  DIVISION       SLALOM  ENTRY   TRICK  ENTRY    JUMP  ENTRY");
  w.Line(" -------------   -------------   ------------    -----------");
  EventBest all;
  for (int d = 0; d < 60; ++d) {
    EventBest b = DivisionBest(t, d);
    if (!b.any()) continue;
    w.Line(RightAlign(DivisionCode(d), 6) + Fixed(b.slalom, 17, 2) + IntField(b.slalomEntries, 5) +
           Fixed(b.trick, 10, 0) + IntField(b.trickEntries, 5) + Fixed(b.jump, 10, 1) +
           IntField(b.jumpEntries, 5));
    all.slalom = std::max(all.slalom, b.slalom);
    all.trick = std::max(all.trick, b.trick);
    all.jump = std::max(all.jump, b.jump);
    all.slalomEntries += b.slalomEntries;
    all.trickEntries += b.trickEntries;
    all.jumpEntries += b.jumpEntries;
  }
  w.Line("                       ------         ------         ------");
  w.Line("    Totals:" + IntField(all.slalomEntries, 16) + IntField(all.trickEntries, 15) +
         IntField(all.jumpEntries, 15));
  w.Line("");
  w.Line(" Best Performances of Tournament");
  w.Line(" -------------------------------");
  w.Line("   Best Slalom :" + Fixed(all.slalom, 7, 2));
  w.Line("   Best Tricks :" + Fixed(all.trick, 7, 0));
  w.Line("   Best Jump   :" + Fixed(all.jump, 7, 1));
  return doc;
}

namespace {

int PlaceInEvent(const TSkier& s, char event) {
  int place = event == 'T' ? s.TrickPlace : event == 'J' ? s.JumpPlace : s.SlalomPlace;
  return place >= 1 ? place : std::numeric_limits<int>::max();
}

}  // namespace

std::vector<std::string> ResultsViewLines(const Tournament& t, const Selection& sel, Prompter& prompt,
                                          bool byPlace) {
  const std::vector<TSkier> list = FillDivisionList(t, prompt, sel.division).skiers;
  const int r = sel.round;
  std::vector<std::string> lines = {
      "Event Name: " + t.info.EventName.str(),
      "Chief     : " + t.info.ChiefOfComp.str(),
      "Calculator: " + t.info.Scorer.str(),
      "Date      : " + t.info.StartDate.str(),
      "Current Round Results for " + DivisionCode(sel.division),
      "",
      "   COMPETITOR NAME        PL   SLALOM             PL TRICK   PL JUMP  PL OVERALL",
  };
  if (list.empty()) lines.push_back("No entries in this Division/Event!");
  std::vector<const TSkier*> order;
  for (const TSkier& s : list) order.push_back(&s);
  if (byPlace)
    std::stable_sort(order.begin(), order.end(), [&sel](const TSkier* a, const TSkier* b) {
      return PlaceInEvent(*a, sel.event) < PlaceInEvent(*b, sel.event);
    });
  for (const TSkier* skier : order) {
    const TSkier& s = *skier;
    std::string slalom = Fixed(s.SlalomScore[r], 5, 2) + " " + Fixed(s.SlalomBuoys[r], 4, 2) + "@" +
                         Fixed(s.SlalomSpeed[r], 3, 0) + "/" + Fixed(s.SlalomRope[r], 5, 2);
    if (slalom.size() > 30) slalom.resize(30);
    lines.push_back(FitLeft(s.Surname.str() + ", " + s.FirstName.str(), 25) + " " + Place(s.SlalomPlace, 2) +
                    " " + slalom + " " + Place(s.TrickPlace, 2) + " " + Fixed(s.TrickScore[r], 6, 0) + " " +
                    Place(s.JumpPlace, 2) + " " + Fixed(BestJump(s, r), 5, 1) + " " +
                    Place(s.OverallPlace, 5) + " " + Fixed(s.OverallScore, 8, 1));
  }
  return lines;
}

ReportDocument ResultsViewReport(ReportContext& c) {
  ReportDocument doc{"Results View", Orientation::Portrait, 10, {}, {}, {}};
  doc.lines = ResultsViewLines(c.t, c.selection, c.p.prompt);
  return doc;
}
