#include "results/recompute.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/audit_log.h"
#include "core/skier_ops.h"
#include "results/overall.h"
#include "results/placement.h"
#include "results/score_log.h"

void RecomputeAfterScore(Tournament& t, const Services& p, const WorkList& edited, ScoreLog log) {
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
  Outcome listed;
  WorkList list = DrawnStartOrder(t, p.random, t.Selected(), listed);
  p.prompt.ShowEach(listed.messages);
  for (const TSkier& s : edits.skiers)
    if (int k = IndexOf(list, IdentityOf(s))) list.skiers[static_cast<std::size_t>(k - 1)] = s;
  RecomputeAfterScore(t, p, list);
}

void RecomputeStandings(Tournament& t, const Services& p) {
  const Selection sel = t.Selected();
  ComputeEventPoints(t, sel.event);
  Outcome placed = PlaceEvent(t, p.random, sel);
  ComputeOverallScores(t);
  placed.Append(PlaceOverall(t, sel.division));
  DrawTies(t, p.random, sel);
  // Placing by event and overall both meet a division more than a list takes: told once.
  std::vector<std::string> told;
  for (const std::string& m : placed.messages)
    if (std::find(told.begin(), told.end(), m) == told.end()) told.push_back(m);
  p.prompt.ShowEach(told);
}
