#include "results/recompute.h"

#include <string>
#include <vector>

#include "core/audit_log.h"
#include "core/skier_identity.h"
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
  for (const std::string& line : changes) LogEntry(t, p.fs, p.clock, line);
}

void StoreGridEdits(Tournament& t, Platform& p, const Tournament::GridEdits& edits) {
  t.CurDivision = edits.division;
  t.CurEvent = edits.event;
  t.CurRound = edits.round;
  SelectDivisionEvent(t, p, t.CurDivision);
  for (const TSkier& s : edits.skiers)
    if (int k = WorkIndexOf(t, IdentityOf(s))) t.WorkAt(k) = s;
  RecomputeAfterScore(t, p);
}

void RecomputeStandings(Tournament& t, Platform& p) {
  const Selection sel = t.Selected();
  ComputeEventPoints(t, sel.event);
  PlaceEvent(t, p, sel);
  ComputeOverallScores(t);
  PlaceOverall(t, p.prompt, sel.division);
  SelectDivisionEvent(t, p, sel.division);
}
