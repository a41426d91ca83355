#pragma once
// The ranking file ("_iwwf.txt"): one semicolon-separated line per skier, entered event and round
// with a result.
#include <string>
#include <vector>

#include "core/skier.h"
#include "core/tournament.h"

// The slalom score of round r as the ranking list takes it: shifted by the division's offset under
// ZETL and IWWF rules, as it is under the others.
double RankingSlalomScore(const TSkier& s, int round, int rulesMode);
// "M", "F" or empty: only the divisions the ranking list knows by sex carry a letter.
std::string RankingSex(int division);
// "L" for a class 3 round, "R" for class 4, else "C".
std::string ClassMark(std::string_view roundClass);

// The lines of the file, without line ends. Reads the skier list only.
std::vector<std::string> RankingLines(const Tournament& t);
