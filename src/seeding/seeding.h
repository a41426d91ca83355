#pragma once
// Computed seeds for the current event: a random order, the previous round's score, or the score
// the last placement ranked on. A seeding changes only the current event's seeds and start order.
#include <string>
#include <vector>

#include "core/outcome.h"
#include "core/tournament.h"
#include "core/work_list.h"
#include "platform/random.h"

// The seeding options, in the order the options dialog lists them.
enum class SeedOption : int {
  RandomCurrent = 0,
  RandomAll = 1,
  PreviousCurrent = 2,
  PreviousAll = 3,
  TotalCurrent = 4,
  TotalAll = 5,
  Finals = 6,
};
const std::vector<std::string>& SeedOptionTexts();

// Each seeding below puts the division's list of the current event in its new order, sets the
// seeds and writes the list back.
// Random seeding: the skiers take a uniformly random new order and the skier at place p gets seed
// p. Draws from the program's one random source, so two divisions seeded one after the other never
// share an order by construction.
void RandomSeedDivision(Tournament& t, WorkList& list, Random& random);
// From the previous round's score of the current event, lowest first, equal scores keeping their
// order. Refuses in round 1 ("Not Valid for current Round!"); ok when it seeded.
Outcome PreviousRoundSeedDivision(Tournament& t, WorkList& list);
// The same with the rank score of the last placement ("Not valid for current round!" in round 1).
Outcome TotalScoreSeedDivision(Tournament& t, WorkList& list);

// The key previous-round seeding sorts on: the score of round r-1 of the event (jump: the round's
// longest jump, the pass/fall/disqualification marks counting as 0).
double PreviousRoundKey(const TSkier& s, char event, int round);

// The finalists ticked in a list of the current division: written back, and the lots of the
// division's final in the current event forgotten from the current round on, to be drawn again
// (rounds already skied keep theirs). Counted when anything changes.
void StoreFinalists(Tournament& t, const WorkList& list);

// The placement gate: from round 2 on under first-round placement only the finals selection may
// seed. Fails with the refusal when the option is refused.
Outcome SeedingAllowed(const Tournament& t, SeedOption option);

// Runs one of the options 0..5 on the current event (the finals selection needs its dialog and is
// run by the options dialog). ok when any seed was set; the messages are the refusals, division by
// division, and the divisions more than a list takes.
Outcome RunSeedOption(Tournament& t, Random& random, SeedOption option);
