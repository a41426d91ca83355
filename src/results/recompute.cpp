#include "results/recompute.h"

#include "core/skier_ops.h"
#include "results/overall.h"
#include "results/placement.h"

void RecomputeAfterScore(Tournament& t, Platform& p) {
  OneWorkListMessage oneMessage(t);
  for (int k = 1; k <= t.WorkCount; ++k) WriteBack(t, k);
  RecomputeStandings(t, p);
}

void RecomputeStandings(Tournament& t, Platform& p) {
  ComputeEventPoints(t, t.CurEvent);
  PlaceEvent(t, p);
  ComputeOverallScores(t);
  PlaceOverall(t, p.prompt);
  SelectDivisionEvent(t, p, t.CurDivision);
}
