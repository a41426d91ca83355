#pragma once
// The reports organisers need after the rounds: the medal winners of each division, the
// federation's injury summary form, a skier's results sheet for ratings and the data of a record
// performance.
#include <string>
#include <string_view>

#include "printing/report_catalogue.h"

ReportDocument AwardsSummary(ReportContext& c);
ReportDocument InjurySummary(ReportContext& c);
// Both need the option "skier" ("FIRST SURNAME", the first skier of the list with that name).
ReportDocument RatingSheet(ReportContext& c);
// The record performance data of the current event, with the current round as the record round.
// Tricks have no such sheet: the user is told and the document stays empty.
ReportDocument RecordData(ReportContext& c);

// The skier named "FIRST SURNAME" (case ignored), first in list order; with a division code, the
// one entered in that division (the same name may be entered in two). Throws std::runtime_error
// when there is none, so that a report is never printed for someone else.
const TSkier& NamedSkier(const Tournament& t, std::string_view name, std::string_view division = "");
// The skier of a skier sheet: options "skier" and "skier-division".
const TSkier& OptionSkier(const ReportContext& c);
// "First SURNAME" as the sheets print it.
std::string FullName(const TSkier& s);
// The federation logo at the top left of the page holding line `atLine`.
DrawnBitmap TopLeftLogo(std::size_t atLine = 0);
