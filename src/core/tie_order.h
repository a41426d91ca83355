#pragma once
// The order drawn by lot for finalists whose first-round results are equal. The lot is drawn once
// for a division, event and round and then kept with the event, so every start list, judging sheet
// and grid of that final shows the same order until the scorer asks for a new draw.
#include <compare>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "core/skier.h"
#include "platform/random.h"

struct TieKey {
  int division = 0;
  char event = 'S';
  int round = 2;
  auto operator<=>(const TieKey&) const = default;
};

// A skier as the work list's write-back finds them within a division: surname and first name.
struct TieName {
  std::string surname;
  std::string firstName;
  bool operator==(const TieName&) const = default;
};

struct TieOrders {
  // Every skier ever drawn in a final, in the order drawn; a tie puts its skiers in this order.
  std::map<TieKey, std::vector<TieName>> orders;
  bool operator==(const TieOrders&) const = default;
};

// Puts the skiers of one tie in the order drawn for them. A skier not drawn before gets a place
// drawn uniformly among the places of the tie's skiers already drawn, which keeps their order and
// makes the whole tie a fair lot. Answers whether anything was drawn (the order then changed).
bool OrderTie(std::vector<TieName>& order, std::span<TSkier> tie, Random& random);
// Puts the skiers of one tie in the order drawn, drawing nothing: a skier not drawn yet goes after
// those drawn, equal skiers keeping their order.
void ApplyTieOrder(const std::vector<TieName>& order, std::span<TSkier> tie);

// The scorer asked for a new draw: forgets the draws of the division and event from `fromRound` on.
// Answers whether there were any.
bool ForgetTieOrders(TieOrders& ties, int division, char event, int fromRound);
