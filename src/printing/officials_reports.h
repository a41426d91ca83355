#pragma once
// The officials reports of "Select Other Reports": the current division and round, every division
// of the rules with all rounds, and the summary of every official with the events worked.
#include "printing/report_catalogue.h"

ReportDocument OfficialsDivisionReport(ReportContext& c);
ReportDocument OfficialsDetailedReport(ReportContext& c);
ReportDocument OfficialsSummaryReport(ReportContext& c);
