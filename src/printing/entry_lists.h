#pragma once
// The printed entry lists: all skiers alphabetically, all skiers by division, and the skiers of the
// current division, each under the standard report heading; and the three screen views as
// documents, for the command line.
#include "entries/entry_views.h"
#include "printing/report_catalogue.h"

// The printed list: the standard heading, the list's title and column heading, then one line per
// skier (and a banner per division), with a form feed wherever the line counter fills a page.
// `division` is the current division's list.
ReportDocument EntryListDocument(const Tournament& t, const DateTime& now, EntryListKind kind, int division);
// The catalogue name of each printed list ("entry-list-alphabetical" …).
const char* EntryListReportName(EntryListKind kind);

ReportDocument EntryListAlphabetical(ReportContext& c);
ReportDocument EntryListByDivision(ReportContext& c);
ReportDocument EntryListDivision(ReportContext& c);
ReportDocument EntryViewAlphabetical(ReportContext& c);
ReportDocument EntryViewByDivision(ReportContext& c);
ReportDocument EntryViewDivision(ReportContext& c);
