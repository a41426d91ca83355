// The complete official results: every division, every skier with a line per round, under the
// title of the rule set (the federation logo under the national rules).
#include <algorithm>

#include "core/divisions.h"
#include "core/skier_ops.h"
#include "core/text.h"
#include "core/version.h"
#include "core/work_list.h"
#include "printing/result_reports.h"
#include "scoring/jump.h"

namespace {

constexpr int kOfficialPageLimit = 75;

std::string Aligned(std::string_view caption, std::string_view name, std::string_view after, int width) {
  return std::string(caption) + std::string(name) + RightAlign(after, width - static_cast<int>(name.size()));
}

void OfficialHeader(PageWriter& w, const Tournament& t) {
  w.SetFontSize(10);
  switch (t.RulesMode()) {
    case kZetlRules:
      w.Draw({0, -1000, 10, 2000, 400, "zetllogo2015"});
      for (int i = 0; i < 5; ++i) w.HeaderLine("");
      break;
    case kAwsaRules:
      w.HeaderLine(RightAlign("AWSA SCOREBOOK  (1000pt Scoring)", 56));
      break;
    case kIwwfRules:
      w.HeaderLine(RightAlign("IWWF OFFICIAL RESULTS", 50));
      break;
    default:
      w.HeaderLine(RightAlign("Adapted SCOREBOOK", 48));
  }
  const TournamentInfo& info = t.info;
  w.HeaderLine(CentredEventName(info.EventName.view()));
  w.HeaderLine("");
  w.HeaderLine(Aligned("Calculator    : ", info.Scorer.view(), "Date            : ", 40) +
               info.StartDate.str() + "         Tallivar v" + kProgramVersion);
  w.HeaderLine(Aligned("Chief of Comp : ", info.ChiefOfComp.view(), "Tech Controller : ", 40) +
               Aligned("", info.TechController.view(), "Event: ", 25) + info.SanctionNo.str());
  w.HeaderLine(Aligned("Chief Driver  : ", info.ChiefDriver.view(), "Safety Director : ", 40) +
               info.SafetyDirector.str());
  w.HeaderLine("");
  w.SetFontSize(8);
  w.HeaderLine(std::string("                                         ---------- SLALOM ----------") +
               "   --- TRICKS ---   ---- JUMP ----    -OVERALL-");
  w.HeaderLine(std::string("PL       COMPETITOR NAME        TEAM Rnd   Final Pass  Total   OVL PL") +
               "   Total   OVL PL    Best   OVL PL      TOTAL");
  w.HeaderLine(std::string(56 + 62, '-'));
  w.count = 10;
}

std::string SlalomPassAndScore(const TSkier& s, int r) {
  return Fixed(s.SlalomBuoys[r], 6, 2) + "@" + Fixed(s.SlalomSpeed[r], 2, 0) + "/" +
         Fixed(s.SlalomRope[r], 5, 2) + " " + Fixed(s.SlalomScore[r], 5, 2);
}

std::string RoundOneLine(const TSkier& s) {
  std::string line = Place(s.OverallPlace, 2) + " " + SkierName(s) + RightAlign(s.Team.view(), 3) + " R1";
  line += EnteredIn(s, 'S') ? SlalomPassAndScore(s, 1) + Fixed(s.SlalomPoints, 6, 0)
                            : "    .       .     .       .";
  line += Place(s.SlalomPlace, 3);
  line += EnteredIn(s, 'T') ? Fixed(s.TrickScore[1], 8, 0) + Fixed(s.TrickPoints, 6, 0) : "       .     .";
  line += Place(s.TrickPlace, 3);
  line += EnteredIn(s, 'J') ? Fixed(BestJump(s, 1), 8, 1) + Fixed(s.JumpPoints, 6, 0) : "       .     .";
  line += Place(s.JumpPlace, 3);
  if (s.OverallScore > 0) line += Fixed(s.OverallScore, 9, 0);
  return line;
}

std::string LaterRoundLine(const TSkier& s, int r) {
  std::string line = r == 2 ? "  " + RightAlign(s.MemberId.view(), 10) + RightAlign("R2", 27)
                            : RightAlign("R" + std::to_string(r), 39);
  line += EnteredIn(s, 'S') ? SlalomPassAndScore(s, r) : "    .       .     .  ";
  line +=
      EnteredIn(s, 'T') ? Fixed(s.TrickScore[r], 17, 0) + std::string(9, ' ') : "                .         ";
  line += EnteredIn(s, 'J') ? Fixed(BestJump(s, r), 8, 1) : "       .     .   ";
  return line;
}

}  // namespace

ReportDocument OfficialResults(ReportContext& c) {
  const Tournament& t = c.t;
  ReportDocument doc{"Official Results", Orientation::Portrait, 10, {}, {}, {}};
  PageWriter w(doc);
  w.SetRule(PageBreakRule::Reaches, kOfficialPageLimit);
  int division = -1;  // the division a page break interrupts, whose separator comes again
  w.SetHeader([&](PageWriter& pw) {
    OfficialHeader(pw, t);
    if (division >= 0) pw.HeaderLine("****** " + DivisionCode(division) + " ******");
  });
  w.StartPage();
  const int rounds = std::clamp(t.RoundCount, 1, 4);
  for (int d : DivisionsWithSkiers(t)) {
    const std::vector<TSkier> list = ByOverallScore(FillDivisionList(t, c.p.prompt, d).skiers);
    division = -1;
    w.Line("****** " + DivisionCode(d) + " ******");
    division = d;
    for (const TSkier& s : list) {
      // A skier's block starts on a page with room for two more lines.
      w.BreakIfFull(2);
      w.LineInBlock(RoundOneLine(s));
      if (rounds == 1) {
        if (!s.MemberId.empty()) w.LineInBlock("  " + RightAlign(s.MemberId.view(), 10));
      } else {
        for (int r = 2; r <= rounds; ++r) w.LineInBlock(LaterRoundLine(s, r));
      }
    }
  }
  return doc;
}
