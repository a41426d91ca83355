#pragma once
// How the desktop runs a report. A report reads the tournament and changes nothing; what the
// program does around it happens here, once.
#include <functional>
#include <optional>

#include "core/tournament.h"
#include "printing/report_page.h"
#include "ui/platform.h"

// Runs `report` after drawing the lots of the current round's finals not drawn yet (a report shows
// them but draws none), then fills the work list of the current division and event again.
void RunReport(Tournament& t, Platform& p, const std::function<void()>& report);

// Runs a report that prints `build`'s document, if it makes one; false when nothing was printed.
bool PrintBuilt(Tournament& t, Platform& p, const std::function<std::optional<ReportDocument>()>& build);
