#pragma once
// The start lists: the printed list and the on-screen preview of one division's start order, for
// the current division, a typed list of divisions, or every division.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tournament.h"
#include "platform/platform.h"
#include "printing/report_catalogue.h"

enum class StartListChoice { Current = 0, Several = 1, All = 2 };

// The divisions a typed list names, in the order typed: pieces between commas, "m" and "w" for M
// and W, any other piece an exact division code (no spaces trimmed); pieces naming none are skipped.
std::vector<int> ParseDivisionList(std::string_view text);

// The printed block of the division in the work list, in its start order, ending in an empty line.
std::vector<std::string> StartListDivisionLines(const Tournament& t, int division);
// The preview block of the same.
std::vector<std::string> StartPreviewDivisionLines(const Tournament& t, int division);

// The lines of a whole start list (print or preview) for a choice; `divisions` is the typed list of
// the second choice. nullopt after "No valid divisions found". Leaves the work list holding the
// current division in start order.
std::optional<std::vector<std::string>> StartListLines(Tournament& t, Platform& p, StartListChoice choice,
                                                       std::string_view divisions, bool preview);

// The printed start list as a report document (portrait, 10 points).
std::optional<ReportDocument> StartListDocument(Tournament& t, Platform& p, StartListChoice choice,
                                                std::string_view divisions);

// Report catalogue entries: the current division, or option "divisions" ("M,W") for a typed list,
// or option "all" for every division.
ReportDocument StartListReport(ReportContext& c);
ReportDocument StartListPreviewReport(ReportContext& c);
