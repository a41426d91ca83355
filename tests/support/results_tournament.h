#pragma once
// A small scored tournament whose stored places, ranking scores and points are set by hand, for
// the result reports: MU17, M and W with an adapted MMP1 skier, three events, three rounds, tied
// overall places, a skier not entered in trick, and a jump round of a fall, a pass and 31.5 m.
#include "support/skier_builders.h"

namespace sample {

constexpr int kMU17 = 12, kM = 16, kW = 17, kMMP1 = 60;
constexpr double kPass = 0.01, kFall = 0.02, kDsq = 0.03;

inline void Slalom(TSkier& s, int r, double buoys, double speed, double rope, double score) {
  s.SlalomBuoys[r] = buoys;
  s.SlalomSpeed[r] = speed;
  s.SlalomRope[r] = rope;
  s.SlalomScore[r] = score;
}
inline void Jumps(TSkier& s, int r, double j1, double j2, double j3) {
  s.JumpDistance[1][r] = j1;
  s.JumpDistance[2][r] = j2;
  s.JumpDistance[3][r] = j3;
}
inline void SlalomResult(TSkier& s, double rank, double points, int place) {
  s.SlalomRankScore = rank;
  s.SlalomPoints = points;
  s.SlalomPlace = place;
}
inline void TrickResult(TSkier& s, double rank, double points, int place) {
  s.TrickRankScore = rank;
  s.TrickPoints = points;
  s.TrickPlace = place;
}
inline void JumpResult(TSkier& s, double rank, double points, int place) {
  s.JumpRankScore = rank;
  s.JumpPoints = points;
  s.JumpPlace = place;
}
inline void Overall(TSkier& s, double score, int place) {
  s.OverallScore = score;
  s.OverallPlace = place;
}

inline void BuildResultsTournament(Tournament& t, Platform& p) {
  t.settings.RulesMode = 0;
  t.settings.PlaceMode = 'B';
  t.RoundCount = 3;
  t.info.EventName = "SPRING CUP";
  t.info.ChiefOfComp = "ANNA BERG";
  t.info.Scorer = "OLE LIE";
  t.info.TechController = "KARI DAL";
  t.info.ChiefDriver = "PER NES";
  t.info.SafetyDirector = "EVA HOLM";
  t.info.StartDate = "20260704";
  t.info.SanctionNo = "26ZET01";

  TSkier& aas = AddSkier(t, p, "AAS", "Lars", kM, "STJ");
  aas.Team = "OSL";
  aas.MemberId = "N123";
  Slalom(aas, 1, 3, 58, 11.25, 39);
  Slalom(aas, 2, 2.5, 58, 10.75, 44.5);
  SlalomResult(aas, 44.5, 1000, 1);
  aas.TrickScore[1] = 2450;
  aas.TrickScore[2] = 2600;
  TrickResult(aas, 2600, 1000, 1);
  Jumps(aas, 1, 40.2, 41.0, kFall);
  Jumps(aas, 2, 42.3, kPass, 0);
  JumpResult(aas, 42.3, 1000, 1);
  Overall(aas, 3000, 1);

  TSkier& berg = AddSkier(t, p, "BERG", "Per", kM, "SJ");
  berg.Team = "BGO";
  Slalom(berg, 1, 4, 55, 12, 28);
  Slalom(berg, 2, 1, 58, 11.25, 37);
  SlalomResult(berg, 37, 831.46, 2);
  Jumps(berg, 1, kFall, kPass, 31.5);
  Jumps(berg, 2, 33.0, kDsq, 0);
  JumpResult(berg, 33.0, 780.14, 3);
  Overall(berg, 1611.6, 2);

  TSkier& dahl = AddSkier(t, p, "DAHL", "Jon", kM, "STJ");
  dahl.Team = "BGO";
  Slalom(dahl, 1, 2, 55, 12, 26);
  Slalom(dahl, 2, 3, 55, 12, 27);
  SlalomResult(dahl, 27, 606.74, 3);
  dahl.TrickScore[1] = 1200;
  TrickResult(dahl, 1200, 144.34, 2);
  Jumps(dahl, 1, 35.0, 36.4, 0);
  JumpResult(dahl, 36.4, 860.52, 2);
  Overall(dahl, 1611.6, 2);

  TSkier& carlsen = AddSkier(t, p, "CARLSEN", "Mia", kW, "S");
  Slalom(carlsen, 1, 5, 52, 13, 17);
  SlalomResult(carlsen, 17, 1000, 1);
  Overall(carlsen, 1000, 1);

  TSkier& eide = AddSkier(t, p, "EIDE", "Kari", kW, "T");
  eide.Team = "TRD";
  eide.TrickScore[1] = 800;
  TrickResult(eide, 800, 1000, 1);
  Overall(eide, 1000, 1);

  TSkier& foss = AddSkier(t, p, "FOSS", "Emil", kMU17, "J");
  foss.Team = "OSL";
  Jumps(foss, 1, 20.5, 22.0, 21.0);
  Jumps(foss, 2, kPass, kFall, 0);
  JumpResult(foss, 22.0, 1000, 1);
  Overall(foss, 1000, 1);

  TSkier& gran = AddSkier(t, p, "GRAN", "Odd", kMMP1, "S");
  Slalom(gran, 1, 1, 46, 18.25, 1);
  SlalomResult(gran, 1, 1000, 1);
  Overall(gran, 1000, 1);

  t.CurDivision = kM;
  t.CurEvent = 'S';
  t.CurRound = 2;
}

}  // namespace sample
