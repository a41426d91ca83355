#pragma once
// The start lists: the printed list and the on-screen preview of one division's start order, for
// the current division, a typed list of divisions, or every division.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tournament.h"
#include "platform/services.h"
#include "printing/report_catalogue.h"

enum class StartListChoice { Current = 0, Several = 1, All = 2 };

// The divisions a typed list names, in the order typed: pieces between commas, "m" and "w" for M
// and W, any other piece an exact division code (no spaces trimmed); pieces naming none are skipped.
std::vector<int> ParseDivisionList(std::string_view text);

// The printed block of one division's start order, ending in an empty line.
std::vector<std::string> StartListDivisionLines(const Tournament& t, const Selection& sel,
                                                const std::vector<TSkier>& list);
// The preview block of the same.
std::vector<std::string> StartPreviewDivisionLines(const Tournament& t, const Selection& sel,
                                                   const std::vector<TSkier>& list);

// The lines of a whole start list (print or preview) for a choice; `divisions` is the typed list of
// the second choice; `sel` gives the event and round, and the division of the first choice.
// nullopt after "No valid divisions found".
std::optional<std::vector<std::string>> StartListLines(const Tournament& t, const Selection& sel,
                                                       const Services& p, StartListChoice choice,
                                                       std::string_view divisions, bool preview);

// The printed start list as a report document (portrait, 10 points).
std::optional<ReportDocument> StartListDocument(const Tournament& t, const Selection& sel, const Services& p,
                                                StartListChoice choice, std::string_view divisions);

// Report catalogue entries: the current division, or option "divisions" ("M,W") for a typed list,
// or option "all" for every division.
ReportDocument StartListReport(ReportContext& c);
ReportDocument StartListPreviewReport(ReportContext& c);
