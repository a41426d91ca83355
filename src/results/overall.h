#pragma once
// Overall scoring: event points on a 1000-point scale per division, the overall score of every skier,
// and the overall places of the current division.
#include <optional>

#include "core/outcome.h"
#include "core/tournament.h"

// A formula's fraction before the factor 1000:
//   ratio   (S + offset) / (B + offset)
//   fixed   (S + offset) / divisor
//   square  S² / B²
// A result below minResult earns 0.
struct PointsFormula {
  enum class Kind { Ratio, Fixed, Square };
  Kind kind = Kind::Ratio;
  double offset = 0;
  double divisor = 1;
  double minResult = 0;
};

// The formula of a rule set, event ("S", "T", "J") and division, or nullopt when that division earns
// no points in the event.
std::optional<PointsFormula> FindPointsFormula(int rulesMode, char event, int division);
// The points of result S against division best B; never negative. A ratio whose denominator B +
// offset is 0 or less scores the whole division 0.
double EventPoints(const PointsFormula& f, double result, double best);

// Event points of one event for every division, for the skiers entered in all three events.
void ComputeEventPoints(Tournament& t, char event);
// The overall score of every skier of the list.
void ComputeOverallScores(Tournament& t);
// The overall places of the division; the message tells of a division more than a list takes.
Outcome PlaceOverall(Tournament& t, int division);
