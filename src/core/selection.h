#pragma once
// What a list, a rule or a report works on: one division, one event, one round.

struct Selection {
  int division = 16;  // M
  char event = 'S';
  int round = 1;

  bool operator==(const Selection&) const = default;
};
