#include "core/skier.h"

#include <algorithm>

double JumpRoundResult(const TSkier& s, int round) {
  double best = std::max({s.JumpDistance[1][round], s.JumpDistance[2][round], s.JumpDistance[3][round]});
  return best < 0.1 ? 0.0 : best;
}

bool EnteredIn(const TSkier& s, char event) {
  switch (event) {
    case 'S': return s.SlalomEntry == "S";
    case 'T': return s.TrickEntry == "T";
    case 'J': return s.JumpEntry == "J";
    default: return false;
  }
}

bool IsFinalist(const TSkier& s, char event) {
  return (event == 'S' || event == 'T' || event == 'J') && FinalistOf(s, event) != 0;
}
