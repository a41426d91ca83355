#pragma once
// The AWSA scorebook file: one fixed-width line per skier, with the tournament's setup codes, the
// skier's places and a block per round.
#include <string>
#include <vector>

#include "core/skier.h"
#include "core/tournament.h"

// Every width of the scorebook line in one place. Text fields are cut or padded on the right to
// their width so the columns stay put; numbers are right-aligned and never cut. The two setup codes
// are the tournament's province or state (`Prov`, three characters) and the first letter of the event
// type code, which under AWSA rules is the event class "C", "E", "L" or "R" (one character).
struct ScorebookLayout {
  int fed, memberId, surname, firstName, team;
  int regionCode, sanction, classCode, endDate;
  int place;
  int slalomBuoys, slalomBuoysDecimals;
  int slalomScore, slalomScoreDecimals;
  int slalomRope, slalomRopeDecimals;
  int slalomSpeed;
  int trickScore;
  int jumpRamp, jumpRampDecimals;
  int jumpSpeed, jumpFeet, jumpMetres, jumpMetresDecimals;
  int divisionCode;  // padded to this width, never cut, so a division is never mistaken for another
};

inline constexpr ScorebookLayout kScorebookLayout{
    /*fed*/ 3, /*memberId*/ 11, /*surname*/ 17, /*firstName*/ 13, /*team*/ 4,
    /*regionCode*/ 3, /*sanction*/ 8, /*classCode*/ 1, /*endDate*/ 8,
    /*place*/ 3,
    /*slalomBuoys*/ 4, 2,
    /*slalomScore*/ 6, 2,
    /*slalomRope*/ 5, 2,
    /*slalomSpeed*/ 2,
    /*trickScore*/ 5,
    /*jumpRamp*/ 4, 3,
    /*jumpSpeed*/ 2, /*jumpFeet*/ 3, /*jumpMetres*/ 4, 1,
    /*divisionCode*/ 2};

inline constexpr double kFeetPerMetre = 3.281;

// The round with the highest slalom score among rounds 1 to 3; the earliest on equal scores.
int BestSlalomRound(const TSkier& s);

// The lines of the file, without line ends. Reads the skier list only.
std::vector<std::string> ScorebookLines(const Tournament& t);
