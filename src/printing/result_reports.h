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
// The lines of the on-screen results view of the current division, as a document.
ReportDocument ResultsViewReport(ReportContext& c);

// The work list ordered by overall score, highest first; equal scores keep their order.
void SortByOverallScore(Tournament& t);
