#pragma once
// What a list, a rule or a report works on: one division, one event, one round.

struct Selection {
  int division = 16;  // M
  char event = 'S';
  int round = 1;

  // The round as an index of a record's per-round fields: 1 to 4, anything else read as 1.
  int ScoredRound() const { return round >= 1 && round <= 4 ? round : 1; }

  bool operator==(const Selection&) const = default;
};
