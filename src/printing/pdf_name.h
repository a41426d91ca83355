#pragma once
// The file name a PDF of a report is first proposed under: beside the event, named after the
// event, the report and the round, so that each report of each round gets its own file.
#include <string>
#include <string_view>

#include "core/tournament.h"

// "<event folder>/<event base>-<report>-R<round>.pdf"; for an event without a file name the base
// is "untitled" in the working folder. The report title keeps letters and digits, its other
// characters become single hyphens.
std::string ProposedPdfPath(const Tournament& t, std::string_view reportTitle);
