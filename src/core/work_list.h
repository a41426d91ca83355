#pragma once
// The skiers of one division copied out of the skier list, in the order a list shows them. A work
// list belongs to whoever built it: building one changes nothing in the tournament, and what is
// edited in it reaches the skier list only when written back.
#include <string>
#include <vector>

#include "core/outcome.h"
#include "core/selection.h"
#include "core/skier.h"
#include "core/skier_identity.h"
#include "core/tournament.h"
#include "platform/random.h"

struct WorkList {
  std::vector<TSkier> skiers;
  // The division holds more skiers than a list takes (kWorkListSize); these are the first ones.
  bool overfull = false;
};

// Every skier of the division, in surname order.
WorkList DivisionList(const Tournament& t, int division);

// The skiers of the selection's division entered in its event, in start order: by seed, jump skiers
// on a lower ramp first. In a final under last-round placement only the finalists, by first-round
// result, equal results in the order drawn for them (see DrawTies).
WorkList StartOrder(const Tournament& t, const Selection& selection);

// Draws the lots of the selection's final that are not drawn yet, so every later start order of it
// is the same. Answers whether anything was drawn, which counts as a change.
bool DrawTies(Tournament& t, Random& random, const Selection& selection);

// What the scorer is told about an overfull list.
std::string OverfullMessage(int division);

// The position (1..size) of the skier in the list, or 0 when the list does not hold them.
int IndexOf(const WorkList& list, const SkierIdentity& who);
// Stores every record of the list over its skier's record in the skier list.
void WriteBack(Tournament& t, const WorkList& list);

// The selection's start order for an operation that goes on with it (placing, seeding): the lots of
// its final not drawn yet are drawn (a change worth saving) and a division more than a list takes is
// told in `out`.
WorkList DrawnStartOrder(Tournament& t, Random& random, const Selection& selection, Outcome& out);

// The same for a selection just chosen or changed, before a window shows its list.
Outcome PrepareSelection(Tournament& t, Random& random, const Selection& selection);
