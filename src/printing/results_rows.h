#pragma once
// What the provisional results show, gathered once from the event and then written as the results
// page or as JSON, so the two never disagree. Texts are UTF-8 and not yet escaped for either.
#include <array>
#include <string>
#include <vector>

#include "core/tournament.h"
#include "platform/services.h"

inline constexpr const char* kResultEvents = "STJ";

struct EventCell {
  bool entered = false;
  int place = 0;       // 0: no place yet
  std::string score;   // the score as printed: 2 decimals in slalom, none in trick, 1 in jump
  std::string points;  // 2 decimals
};

struct ResultRow {
  std::string name, team;
  std::array<EventCell, 3> events;  // slalom, trick, jump
  int overallPlace = 0;
  std::string overallPoints;
};

struct DivisionResults {
  std::string code;
  bool scored = false;          // someone of the division has a place or a score
  std::vector<ResultRow> rows;  // in overall order
};

struct RunningSkier {
  int order = 0;
  std::string bib, name, team;
};

struct RunningDivision {
  std::string code;
  std::vector<RunningSkier> skiers;
};

struct ResultsData {
  std::string eventName, startDate, endDate;  // dates as yyyy-mm-dd, empty when not set
  std::string rules, placement;               // "IWWF rules", "best score" ...
  std::vector<DivisionResults> divisions;     // catalogue order, divisions without skiers left out
  char runningEvent = 'S';
  int runningRound = 1;
  std::vector<RunningDivision> running;  // the current event and round, divisions with entries
};

// Reads the event and changes nothing; an overfull division is told through the prompter once.
ResultsData GatherResults(const Tournament& t, const Services& p);

// "2026-12-08 16:05:03".
std::string ResultsStamp(const DateTime& d);
