#pragma once
// The printed team standings: per team its total and the skiers whose values counted in each
// event, then the rules the standings were computed under. Also the team results window's lines
// as a report, so the command line can show them.
#include <string>
#include <vector>

#include "core/tournament.h"
#include "printing/report_catalogue.h"
#include "results/team_scoring.h"

std::vector<std::string> TeamStandingsLines(const Tournament& t, const TeamStandings& standings);
// The standings as a document: portrait, size 10, one stream without page breaks.
ReportDocument TeamStandingsDocument(const Tournament& t, const TeamStandings& standings);

// Catalogue builders: both compute the standings afresh, as the team results window does.
ReportDocument TeamStandingsReport(ReportContext& c);
// The column heading of the window, then its lines.
ReportDocument TeamResultsReport(ReportContext& c);
