#pragma once
// The audit trail of stored results: one line per skier whose result of an event and round
// changed, naming the skier, the event, the round and each changed value before and after.
#include <string>
#include <vector>

#include "core/tournament.h"

// "LAKE,Ann OW Trick Rnd1 Pass 1 0 -> 1200, Total 0 -> 1200"; empty when nothing changed.
std::string ScoreChangeText(const TSkier& before, const TSkier& after, char event, int round);
// The lines for the work records whose result of the event and round differs from their skier's
// record in the list: what writing the work list back is about to store.
std::vector<std::string> WorkListScoreChanges(const Tournament& t, char event, int round);
