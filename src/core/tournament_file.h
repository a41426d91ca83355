#pragma once
// The tournament file (".ttl"): one value per line — version, rule set, placement and team modes,
// the tournament information, rounds, entry counter, sanction and event type, the schedule
// settings, the site code and the team table between "[TEAMS]" and "[END]".
#include <string>
#include <vector>

#include "core/tournament.h"

// Everything the tournament file carries, read into a copy before the open event takes it over.
struct TournamentFileValues {
  TournamentInfo info;
  int RoundCount = 1;
  int EntryCounter = 0;
  bool entryCounterRead = false;  // false when line 14 was missing or no whole number
  TeamTable teams;
  PerRound<ShortString<5>, 4> startTimes;
  int slalomMinutes = 5, trickMinutes = 4, jumpMinutes = 7;
  int RulesMode = 0;
  char PlaceMode = 'B';
  ShortString<5> TeamMode{"BEST3"};
  ShortString<10> SiteCode;
  // What the rule-set and team-mode lines ask to be read from the settings file afterwards.
  bool readStandards = false;
  bool readRecords = false;
};

TournamentFileValues TournamentValuesOf(const Tournament& t);
void ApplyTournamentValues(Tournament& t, const TournamentFileValues& v);

// The whole file, lines ended by CR LF.
std::string TournamentFileText(const TournamentFileValues& v);
std::string TournamentFileText(const Tournament& t);

// Reads the lines over `v`: a value whose line is missing or does not convert keeps what `v` had.
void ParseTournamentFile(const std::vector<std::string>& lines, TournamentFileValues& v);
