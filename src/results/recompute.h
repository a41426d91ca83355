#pragma once
// The one recomputation that follows every saved score, whichever dialog saved it.
#include "core/tournament.h"
#include "core/work_list.h"
#include "platform/services.h"

// Whether the recomputation writes the audit lines of the results it stores, or the dialog that
// changed them has written its own.
enum class ScoreLog { Changes, AlreadyWritten };

// Writes the edited list back (with an audit line for each skier whose result of the current event
// and round changes), computes the current event's points in every division, places the current
// division in the current event, computes every overall score, places the current division
// overall and prepares the selection again (its lots); the window then fills its list again.
void RecomputeAfterScore(Tournament& t, const Services& p, const WorkList& edited,
                         ScoreLog log = ScoreLog::Changes);
// Scores typed in a grid before the program stopped, stored as the grid's "Complete" would have:
// in the grid's division, event and round, written back with their audit lines and placed.
void StoreGridEdits(Tournament& t, const Services& p, const Tournament::GridEdits& edits);
// The same without the writing back, for a window whose list holds edits to be dropped.
void RecomputeStandings(Tournament& t, const Services& p);
