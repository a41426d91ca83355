#include "results/export_text.h"

#include <algorithm>

#include "core/divisions.h"
#include "core/text.h"
#include "results/export_fields.h"

namespace {

const char kSlalomNone1[] = "    .       .     .       .";
const char kSlalomNoneN[] = "    .       .     .  ";
const char kTrickNone[] = "       .     .";
const char kJumpNone[] = "      .     .   .         .";

std::string TitleLine(const Tournament& t) {
  const std::string sanction = t.info.SanctionNo.str();
  switch (t.RulesMode()) {
    case kAwsaRules: return RightAlign("AWSA SCOREBOOK", 36) + "    " + sanction + "  (1000pt Scoring)";
    case kIwwfRules: return RightAlign("IWWF OFFICIAL RESULTS", 50);
    case kAdaptedRules: return RightAlign("ADAPTED SCOREBOOK", 38) + "    " + sanction;
    default: return RightAlign("ZETL  OFFICIAL RESULTS", 50) + "     " + sanction;
  }
}

// A label and name, then a second label right-aligned so that it ends 40 characters after the name
// would if the name were empty.
std::string OfficialsLine(const char* label, std::string_view name, const char* label2,
                          std::string_view value2) {
  return label + std::string(name) + RightAlign(label2, 40 - static_cast<int>(name.size())) + std::string(value2);
}

void HeaderLines(const Tournament& t, std::vector<std::string>& out) {
  const auto& i = t.info;
  out.push_back(TitleLine(t));
  out.push_back(RightAlign(i.EventName.view(), static_cast<int>(i.EventName.size()) / 2 + 40));
  out.emplace_back();
  out.push_back(OfficialsLine("Calculator    : ", i.Scorer.view(), "Date            : ", i.StartDate.view()));
  out.push_back(
      OfficialsLine("Chief of Comp : ", i.ChiefOfComp.view(), "Tech Controller : ", i.TechController.view()));
  out.push_back(
      OfficialsLine("Chief Driver  : ", i.ChiefDriver.view(), "Safety Director : ", i.SafetyDirector.view()));
  out.emplace_back();
  out.push_back(std::string("                                         ---------- SLALOM ----------") +
                "  --- TRICKS ----  ----- JUMP ----   OVERALL");
  out.push_back(std::string("PL       COMPETITOR NAME        TEAM Rnd   Final Pass  Total   OVL PL") +
                "   Total   OVL PL    Best   OVL PL    TOTAL");
  out.push_back(std::string(67 + 46, '-'));
}

std::string SlalomPass(const TSkier& s, int r) {
  return ExportFixed(s.SlalomBuoys[r], 6, 2) + "@" + ExportFixed(s.SlalomSpeed[r], 2, 0) + "/" +
         ExportFixed(s.SlalomRope[r], 5, 2) + " " + ExportFixed(s.SlalomScore[r], 5, 2);
}

std::string FirstRoundLine(const TSkier& s) {
  std::string l = PlaceField(s.OverallPlace, 2) + " " + FitLeft(ExportSurname(s.Surname.view()), 15) +
                  FitLeft(ExportFirstName(s.FirstName.view()), 15) + RightAlign(s.Team.view(), 3) + " R1";
  l += EnteredIn(s, 'S') ? SlalomPass(s, 1) + ExportFixed(s.SlalomPoints, 6, 0) : kSlalomNone1;
  l += PlaceField(s.SlalomPlace, 3);
  l += EnteredIn(s, 'T') ? ExportFixed(s.TrickScore[1], 8, 0) + ExportFixed(s.TrickPoints, 6, 0) : kTrickNone;
  l += PlaceField(s.TrickPlace, 3);
  l += EnteredIn(s, 'J') ? ExportFixed(JumpRoundResult(s, 1), 9, 1) + ExportFixed(s.JumpPoints, 6, 0) : kJumpNone;
  l += PlaceField(s.JumpPlace, 3);
  if (s.OverallScore > 0) l += ExportFixed(s.OverallScore, 9, 0);
  return l;
}

std::string FurtherRoundLine(const TSkier& s, int r) {
  std::string l = RightAlign("R" + std::to_string(r), 39);
  l += EnteredIn(s, 'S') ? SlalomPass(s, r) : kSlalomNoneN;
  l += EnteredIn(s, 'T') ? ExportFixed(s.TrickScore[r], 17, 0) : kTrickNone;
  l += EnteredIn(s, 'J') ? ExportFixed(JumpRoundResult(s, r), 9, 1) : kJumpNone;
  return l;
}

}  // namespace

std::vector<std::string> OfficialResultsLines(const Tournament& t) {
  std::vector<std::string> out;
  HeaderLines(t, out);
  const int rounds = std::min(std::max(t.RoundCount, 1), 4);
  // The adapted divisions (60 and up) are never part of the all-division files.
  for (int d = 0; d < 60; ++d) {
    auto skiers = DivisionByOverall(t, d);
    if (skiers.empty()) continue;
    out.push_back("****** " + DivisionCode(d) + " ******");
    for (const TSkier* s : skiers) {
      out.push_back(FirstRoundLine(*s));
      for (int r = 2; r <= rounds; ++r) out.push_back(FurtherRoundLine(*s, r));
    }
    out.emplace_back();
  }
  return out;
}
