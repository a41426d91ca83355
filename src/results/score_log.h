#pragma once
// The audit trail of stored results: one line per skier whose result of an event and round
// changed, naming the skier, the event, the round and each changed value before and after.
#include <string>
#include <vector>

#include "core/tournament.h"
#include "core/work_list.h"

// "LAKE,Ann OW Trick Rnd1 Pass 1 0 -> 1200, Total 0 -> 1200"; empty when nothing changed.
std::string ScoreChangeText(const TSkier& before, const TSkier& after, char event, int round);
// The lines for the listed records whose result of the event and round differs from their skier's
// record in the skier list: what writing the list back is about to store.
std::vector<std::string> WorkListScoreChanges(const Tournament& t, const WorkList& list, char event,
                                              int round);
