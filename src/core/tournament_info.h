#pragma once
// The tournament information record: name, dates, officials, sanction and class.
#include "core/short_string.h"

struct TournamentInfo {
  ShortString<80> EventName;
  ShortString<8> StartDate{"YYYYMMDD"};
  ShortString<8> EndDate{"YYYYMMDD"};
  ShortString<80> ChiefOfComp;
  ShortString<80> Scorer;
  ShortString<80> ChiefDriver;
  ShortString<80> SafetyDirector;
  ShortString<80> TechController;
  ShortString<10> SanctionNo{"YYCAN00"};
  ShortString<2> EventType{"R1"};
  char ClassDigit = '1';

  bool operator==(const TournamentInfo&) const = default;
};
