#pragma once
// The result reports of the results printing dialog, each a document built from the tournament's
// stored places, ranking scores and points under the current selection.
#include "printing/report_catalogue.h"

ReportDocument MultiRoundTotals(ReportContext& c);
ReportDocument RoundResults(ReportContext& c);
ReportDocument EventRoundResults(ReportContext& c);
ReportDocument SingleRoundResults(ReportContext& c);
ReportDocument EventResults(ReportContext& c);
ReportDocument DivisionResults(ReportContext& c);
ReportDocument OfficialResults(ReportContext& c);
ReportDocument EventSummary(ReportContext& c);
// The on-screen results view of the current division: its lines, and the same lines as a document.
// byPlace: the skiers by their place in the current event, those without a place last, instead
// of in list order.
std::vector<std::string> ResultsViewLines(const Tournament& t, const Selection& sel, Prompter& prompt,
                                          bool byPlace = false);
ReportDocument ResultsViewReport(ReportContext& c);

// The list ordered by overall score, highest first; equal scores keep their order.
std::vector<TSkier> ByOverallScore(std::vector<TSkier> list);
