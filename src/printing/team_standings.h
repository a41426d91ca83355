#pragma once
// The printed team standings: per team its total and the skiers whose values counted in each
// event, then the rules the standings were computed under.
#include <string>
#include <vector>

#include "core/tournament.h"
#include "platform/printer.h"
#include "results/team_scoring.h"

std::vector<std::string> TeamStandingsLines(const Tournament& t, const TeamStandings& standings);
// Prints the lines in "Courier" 10, portrait; nothing when the user cancels.
void PrintTeamStandings(Printer& printer, const std::vector<std::string>& lines);
