#pragma once
// Event placement: the ranking score of the selection's event for every skier of its division, and
// the place it earns (competition ranking, 0 = no place), stored in the skier list.
#include <span>

#include "core/outcome.h"
#include "core/tournament.h"
#include "platform/random.h"

// The placement rule's letter picks the ranking: B best score, F first round, L last round,
// T total score; any other letter places nothing. The messages tell of a division more than a list
// takes (its first skiers are placed).
Outcome PlaceEvent(Tournament& t, Random& random, const Selection& sel);

// Orders the list by the event's ranking score, highest first; equal scores keep their order,
// except that a jump tie under first-round placement (all rule sets but IWWF) goes to the longer
// second-best jump, whose ranking score is raised by 0.01 or 0.02.
void SortByRankScore(const Tournament& t, char event, std::span<TSkier> list);

// Every skier's ranking scores become the totals of rounds 1 to 3 (jump: the round results).
void ComputeTotals(Tournament& t);

// Whether a ranking score earns a place: slalom and trick above 0, jump above 0.2.
bool CountsAsScore(double rankScore, char event);
// The bonus that lifts a finalist above every non-finalist under last-round placement.
double FinalistBonus(char event);
