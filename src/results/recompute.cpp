#include "results/recompute.h"

#include <string>
#include <vector>

#include "core/audit_log.h"
#include "core/skier_ops.h"
#include "results/overall.h"
#include "results/placement.h"
#include "results/score_log.h"

void RecomputeAfterScore(Tournament& t, Platform& p, ScoreLog log) {
  OneWorkListMessage oneMessage(t);
  std::vector<std::string> changes;
  if (log == ScoreLog::Changes) changes = WorkListScoreChanges(t, t.CurEvent, t.CurRound);
  for (int k = 1; k <= t.WorkCount; ++k) WriteBack(t, k);
  RecomputeStandings(t, p);
  // Logged once stored and placed: a log that cannot be written is reported without holding back
  // the results themselves.
  for (const std::string& line : changes) LogEntry(t, p, line);
}

void RecomputeStandings(Tournament& t, Platform& p) {
  const Selection sel = t.Selected();
  ComputeEventPoints(t, sel.event);
  PlaceEvent(t, p, sel);
  ComputeOverallScores(t);
  PlaceOverall(t, p.prompt, sel.division);
  SelectDivisionEvent(t, p, sel.division);
}
