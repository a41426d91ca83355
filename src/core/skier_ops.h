#pragma once
// Operations on the skier list and the working record.
#include "core/tournament.h"
#include "platform/prompter.h"
#include "platform/random.h"

void InitSkierList(Tournament& t);
void BlankWorkingRecord(Tournament& t);
// The store step of every new or changed entry: entry number, per-round divisions and classes,
// the division's default speeds for rounds not yet scored, then the record goes into the list (new
// entry or replacement). Nothing for an empty surname. Answers whether the record was stored.
bool AddWorkingRecord(Tournament& t, Prompter& prompt, Random& random);
// Inserts the record in surname order, or replaces the record with the same surname, first name
// (any case) and division. Answers false when the list was too long to find a place.
bool InsertOrReplace(Tournament& t, Prompter& prompt, const TSkier& record);
void DeleteAllSkiers(Tournament& t);
void ClearAllScores(Tournament& t);
// Draws every tie of the round's finals not drawn yet (each division and event).
void DrawTiesOfRound(Tournament& t, Random& random, int round);
int CountEntered(const Tournament& t, int division, char event);
double BestOverall(const Tournament& t, int division, char event);
// The round result a placement uses for one event: slalom and trick score, jump round result.
double RoundResult(const TSkier& s, char event, int round);
// The seed score of an event.
double& SeedOf(TSkier& s, char event);
