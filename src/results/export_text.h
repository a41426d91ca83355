#pragma once
// The official results text file: the title of the rule set, the officials, the headings, then per
// division every skier's round 1 line and a line for each further round.
#include <string>
#include <vector>

#include "core/tournament.h"

// The lines of the file, without line ends. Reads the skier list only.
std::vector<std::string> OfficialResultsLines(const Tournament& t);
