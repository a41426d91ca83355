#pragma once
// Operations on the skier list and the working record.
#include "core/outcome.h"
#include "core/tournament.h"
#include "platform/random.h"

void InitSkierList(Tournament& t);
void BlankWorkingRecord(Tournament& t);
// The store step of every new or changed entry: entry number, per-round divisions and classes,
// the division's default speeds for rounds not yet scored, then the record goes into the list (new
// entry or replacement). Nothing for an empty surname. Fails when the record was not stored.
Outcome AddWorkingRecord(Tournament& t, Random& random);
// Inserts the record in surname order, or replaces the record with the same surname, first name
// (any case) and division. Fails when the list was too long to find a place.
Outcome InsertOrReplace(Tournament& t, const TSkier& record);
void DeleteAllSkiers(Tournament& t);
void ClearAllScores(Tournament& t);
// Draws every tie of the round's finals not drawn yet (each division and event).
void DrawTiesOfRound(Tournament& t, Random& random, int round);
int CountEntered(const Tournament& t, int division, char event);
double BestOverall(const Tournament& t, int division, char event);
// The round result a placement uses for one event: slalom and trick score, jump round result.
double RoundResult(const TSkier& s, char event, int round);
// The best of rounds 1 to 4.
double BestRoundResult(const TSkier& s, char event);
