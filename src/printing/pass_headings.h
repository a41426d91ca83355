#pragma once
// The pass headings of the seeded slalom forms: the boat speeds a division skis (km/h), then the
// shortened rope lengths (m) at its top speed, or the running buoy counts where a rule set keeps
// no such table. Empty when the division has none.
#include <string>
#include <vector>

std::vector<std::string> RecapPassHeadings(int rulesMode, int division);
std::vector<std::string> ScoringPassHeadings(int rulesMode, int division);
