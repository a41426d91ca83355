#include "printing/results_rows.h"

#include <cstdio>
#include <utility>

#include "core/divisions.h"
#include "core/skier_ops.h"
#include "core/text.h"
#include "core/work_list.h"
#include "results/export_fields.h"
#include "results/placement.h"

namespace {

std::string Utf8(std::string_view windows1252) { return Utf8FromWindows1252(windows1252); }

std::string Number(double value, int decimals) { return Trim(Fixed(value, 0, decimals)); }

int Decimals(char event) { return event == 'S' ? 2 : event == 'T' ? 0 : 1; }

std::string RulesName(int rulesMode) {
  switch (rulesMode) {
    case kAwsaRules:
      return "AWSA rules";
    case kIwwfRules:
      return "IWWF rules";
    case kAdaptedRules:
      return "Adapted rules";
    default:
      return "ZETL rules";
  }
}

std::string PlacementName(char mode) {
  switch (mode) {
    case 'B':
      return "best score";
    case 'F':
      return "first round";
    case 'L':
      return "last round";
    case 'T':
      return "total score";
    default:
      return std::string("rule ") + mode;
  }
}

std::string DateText(std::string_view yyyymmdd) {
  if (yyyymmdd.size() != 8 || yyyymmdd == "YYYYMMDD") return "";
  return std::string(yyyymmdd.substr(0, 4)) + "-" + std::string(yyyymmdd.substr(4, 2)) + "-" +
         std::string(yyyymmdd.substr(6, 2));
}

std::string FullName(const TSkier& s) {
  return Utf8(ExportFirstName(s.FirstName.view())) + " " + Utf8(ExportSurname(s.Surname.view()));
}

bool IsCatalogueDivision(int d) { return DivisionCode(d) != "XX"; }

ResultRow RowOf(const TSkier& s) {
  ResultRow row{FullName(s), Utf8(s.Team.view()), {}, s.OverallPlace, Number(s.OverallScore, 2)};
  for (int i = 0; i < 3; ++i) {
    const char e = kResultEvents[i];
    if (!EnteredIn(s, e)) continue;
    row.events[i] = {true, PlaceOf(s, e), Number(RankScoreOf(s, e), Decimals(e)), Number(PointsOf(s, e), 2)};
  }
  return row;
}

bool HasScores(const std::vector<const TSkier*>& skiers) {
  for (const TSkier* s : skiers)
    for (const char* e = kResultEvents; *e; ++e)
      if (EnteredIn(*s, *e) && (PlaceOf(*s, *e) >= 1 || RankScoreOf(*s, *e) != 0)) return true;
  return false;
}

// The start order the start list prints; in a final only the finalists run.
RunningDivision RunningOrder(const Tournament& t, const WorkList& list, int division) {
  RunningDivision running{Utf8(DivisionCode(division)), {}};
  const bool finals = t.PlaceMode() == 'L' && t.CurRound >= 2;
  for (const TSkier& s : list.skiers) {
    if (finals && !IsFinalist(s, t.CurEvent)) continue;
    running.skiers.push_back(
        {static_cast<int>(running.skiers.size()) + 1, Utf8(s.Bib.view()), FullName(s), Utf8(s.Team.view())});
  }
  return running;
}

}  // namespace

std::string ResultsStamp(const DateTime& d) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day, d.hour,
                d.minute, d.second);
  return buffer;
}

ResultsData GatherResults(const Tournament& t, const Services& p) {
  ResultsData data;
  data.eventName = Utf8(t.info.EventName.view());
  data.startDate = Utf8(DateText(t.info.StartDate.view()));
  data.endDate = Utf8(DateText(t.info.EndDate.view()));
  data.rules = RulesName(t.RulesMode());
  data.placement = PlacementName(t.PlaceMode());
  for (int d = 0; d < kNoDivision; ++d) {
    if (!IsCatalogueDivision(d)) continue;
    const auto skiers = DivisionByOverall(t, d);
    if (skiers.empty()) continue;
    DivisionResults& division = data.divisions.emplace_back();
    division.code = Utf8(DivisionCode(d));
    division.scored = HasScores(skiers);
    for (const TSkier* s : skiers) division.rows.push_back(RowOf(*s));
  }

  data.runningEvent = t.CurEvent;
  data.runningRound = t.CurRound;
  bool saidOverfull = false;  // once for the whole page
  for (int d = 0; d < kNoDivision; ++d) {
    if (!IsCatalogueDivision(d) || CountEntered(t, d, t.CurEvent) == 0) continue;
    const WorkList list = StartOrder(t, {d, t.CurEvent, t.CurRound});
    if (list.overfull && !std::exchange(saidOverfull, true)) p.prompt.Show(OverfullMessage(d));
    if (!list.skiers.empty()) data.running.push_back(RunningOrder(t, list, d));
  }
  return data;
}
