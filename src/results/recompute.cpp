#include "results/recompute.h"

#include <string>
#include <vector>

#include "core/audit_log.h"
#include "core/skier_ops.h"
#include "results/overall.h"
#include "results/placement.h"
#include "results/score_log.h"

void RecomputeAfterScore(Tournament& t, const Services& p, const WorkList& edited, ScoreLog log) {
  OneWorkListMessage oneMessage(t);
  std::vector<std::string> changes;
  if (log == ScoreLog::Changes) changes = WorkListScoreChanges(t, edited, t.CurEvent, t.CurRound);
  WriteBack(t, edited);
  RecomputeStandings(t, p);
  // Logged once stored and placed: a log that cannot be written is reported without holding back
  // the results themselves.
  for (const std::string& line : changes) LogEntry(t, p.fs, p.clock, line);
}

void StoreGridEdits(Tournament& t, const Services& p, const Tournament::GridEdits& edits) {
  t.Select({edits.division, edits.event, edits.round});
  WorkList list = FillStartOrder(t, p.prompt, p.random, t.Selected());
  for (const TSkier& s : edits.skiers)
    if (int k = IndexOf(list, IdentityOf(s))) list.skiers[static_cast<std::size_t>(k - 1)] = s;
  RecomputeAfterScore(t, p, list);
}

void RecomputeStandings(Tournament& t, const Services& p) {
  const Selection sel = t.Selected();
  ComputeEventPoints(t, sel.event);
  PlaceEvent(t, p, sel);
  ComputeOverallScores(t);
  PlaceOverall(t, p.prompt, sel.division);
  PrepareSelection(t, p.prompt, p.random, sel);
}
