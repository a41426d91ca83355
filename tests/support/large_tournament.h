#pragma once
// A full-sized scored tournament: 299 skiers in 30 divisions, three events, three rounds, with
// places, points and overall scores stored as after a recomputation.
#include <string>

#include "core/skier_ops.h"
#include "core/tournament.h"
#include "support/shown_outcome.h"

inline void BuildLargeTournament(Tournament& t, Prompter& prompt) {
  t.RoundCount = 3;
  t.info.EventName = "NATIONAL CHAMPIONSHIPS";
  t.info.ChiefOfComp = "ANNA BERG";
  t.info.Scorer = "OLE LIE";
  BlankWorkingRecord(t);
  for (int i = 0; i < 299; ++i) {
    TSkier s = t.Working;
    s.Surname = "SKIER" + std::to_string((i * 7919) % 1000);
    s.FirstName = "FIRST" + std::to_string(i);
    s.MemberId = std::to_string(1000 + i);
    s.Team = "T" + std::to_string(i % 9);
    s.Division = static_cast<std::uint8_t>(i % 30);
    const int n = i / 30;  // the skier's rank in its division
    s.SlalomEntry = "S";
    if (i % 4 != 0) s.TrickEntry = "T";
    s.JumpEntry = "J";
    for (int r = 1; r <= 3; ++r) {
      s.SlalomBuoys[r] = (i + r) % 6;
      s.SlalomSpeed[r] = 58;
      s.SlalomRope[r] = 12;
      s.SlalomScore[r] = 40 - n - r * 0.5;
      if (i % 4 != 0) s.TrickScore[r] = 3000 - 100 * n - r;
      s.JumpDistance[1][r] = 50 - n + r * 0.5;
      s.JumpDistance[2][r] = 0.02;
      s.JumpDistance[3][r] = 0.01;
    }
    s.SlalomRankScore = s.SlalomScore[1];
    s.SlalomPoints = 1000 - 50 * n;
    s.SlalomPlace = n + 1;
    s.TrickRankScore = s.TrickScore[1];
    s.TrickPoints = i % 4 != 0 ? 1000 - 50 * n : 0;
    s.TrickPlace = i % 4 != 0 ? n + 1 : 0;
    s.JumpRankScore = s.JumpDistance[1][3];
    s.JumpPoints = 1000 - 50 * n;
    s.JumpPlace = n + 1;
    s.OverallScore = s.SlalomPoints + s.TrickPoints + s.JumpPoints;
    s.OverallPlace = n + 1;
    Shown(prompt, InsertOrReplace(t, s));
  }
}
