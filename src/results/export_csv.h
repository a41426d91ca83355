#pragma once
// The results CSV file: one comma-separated line per skier and round with a result.
#include <string>
#include <vector>

#include "core/skier.h"
#include "core/tournament.h"

// The slalom score of round r as the results file carries it: under IWWF rules shifted by the
// division's offset when the skier is entered in slalom, otherwise as it is.
double CsvSlalomScore(const TSkier& s, int round, int rulesMode);

// The lines of the file, without line ends. Under adapted rules the slalom speed, rope and score
// fields are left out. Reads the skier list only.
std::vector<std::string> ResultsCsvLines(const Tournament& t);
