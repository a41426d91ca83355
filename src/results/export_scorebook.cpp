#include "results/export_scorebook.h"

#include <algorithm>

#include "core/divisions.h"
#include "core/text.h"
#include "results/export_fields.h"

namespace {

const ScorebookLayout& L = kScorebookLayout;

std::string Code(int division) { return PadRight(DivisionCode(division), L.divisionCode); }

std::string SexLetter(int division) {
  if (division >= 58) return " ";
  return IsWomensDivision(division) ? "F" : "M";
}

std::string IdentityPart(const TSkier& s) {
  return FitLeft(s.Fed.view(), L.fed) + FitLeft(s.MemberId.view(), L.memberId) +
         FitLeft(ExportSurname(s.Surname.view()), L.surname) +
         FitLeft(ExportFirstName(s.FirstName.view()), L.firstName) + SexLetter(s.Division) + "YOB" + "ST" +
         "Reg" + "Team" + "     " + FitLeft(s.Team.view(), L.team);
}

std::string SetupPart(const Tournament& t) {
  return FitLeft(t.settings.Prov.view(), L.regionCode) + FitLeft(t.info.SanctionNo.view(), L.sanction) +
         FitLeft(t.info.EventType.view(), L.classCode) + FitLeft(t.info.EndDate.view(), L.endDate) +
         std::string(10, ' ');
}

std::string PlacesPart(const TSkier& s, int rounds) {
  const std::string best = std::to_string(BestSlalomRound(s));
  return best + PlaceField(s.SlalomPlace, L.place) + best + PlaceField(s.TrickPlace, L.place) + "R" +
         PlaceField(s.JumpPlace, L.place) + "R" + std::to_string(rounds) + std::string(7, ' ');
}

std::string RoundPart(const TSkier& s, int r) {
  const double jump = JumpRoundResult(s, r);
  std::string b = std::to_string(r);
  b += FitLeft(s.SlalomClass[r].view(), 1) + Code(s.SlalomRoundDiv[r]) + FitLeft(s.SlalomBoat[r].view(), 2) +
       ExportFixed(s.SlalomBuoys[r], L.slalomBuoys, L.slalomBuoysDecimals) +
       ExportFixed(s.SlalomScore[r], L.slalomScore, L.slalomScoreDecimals) +
       ExportFixed(s.SlalomRope[r], L.slalomRope, L.slalomRopeDecimals) +
       ExportFixed(s.SlalomSpeed[r], L.slalomSpeed, 0) + "    ";
  b += FitLeft(s.TrickClass[r].view(), 1) + Code(s.TrickRoundDiv[r]) + FitLeft(s.TrickBoat[r].view(), 2) +
       ExportFixed(s.TrickScore[r], L.trickScore, 0) + "   ";
  b += FitLeft(s.JumpClass[r].view(), 1) + Code(s.JumpRoundDiv[r]) + FitLeft(s.JumpBoat[r].view(), 2) +
       ExportFixed(s.JumpRamp[r], L.jumpRamp, L.jumpRampDecimals) + ExportFixed(s.JumpSpeed[r], L.jumpSpeed, 0) +
       ExportFixed(jump * kFeetPerMetre, L.jumpFeet, 0) + ExportFixed(jump, L.jumpMetres, L.jumpMetresDecimals) +
       "    ";
  return b;
}

}  // namespace

int BestSlalomRound(const TSkier& s) {
  int best = 1;
  for (int r = 2; r <= 3; ++r)
    if (s.SlalomScore[r] > s.SlalomScore[best]) best = r;
  return best;
}

std::vector<std::string> ScorebookLines(const Tournament& t) {
  std::vector<std::string> out;
  const int rounds = std::min(std::max(t.RoundCount, 1), 4);
  t.skiers.ForEach([&](const TSkier& s) {
    std::string line = IdentityPart(s) + SetupPart(t) + PlacesPart(s, rounds);
    for (int r = 1; r <= rounds; ++r) line += RoundPart(s, r);
    out.push_back(std::move(line));
  });
  return out;
}
