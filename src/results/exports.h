#pragma once
// The two export commands: the official results text file, and the CSV export with the files that
// go with it under each rule set. Both read the skier list as the last saved score left it, write
// copies of the names, and never change the event's data. A file that cannot be written stops the
// export, which fails with a message naming it; files written before it stay.
#include <string>
#include <vector>

#include "core/outcome.h"
#include "core/tournament.h"
#include "platform/file_system.h"

// Writes t.TxtExportFile; nothing when the name is empty.
Outcome RunTextExport(const Tournament& t, FileSystem& fs);

// By rule set: ZETL and IWWF the results CSV file (t.CsvExportFile) then the ranking file
// (event base + "_iwwf.txt"); AWSA the scorebook file (event base + ".pdf"), then the ranking file
// for an event type whose second character is "3" or "4"; adapted rules the results CSV file only.
// Nothing when t.CsvExportFile is empty or the event was never saved (no event file name).
Outcome RunCsvExport(const Tournament& t, FileSystem& fs);

// The names the CSV export writes to, in order; empty when it writes nothing.
std::vector<std::string> CsvExportTargets(const Tournament& t);
