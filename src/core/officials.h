#pragma once
// The officials of one division held in memory while a dialog edits them, and the reads and
// writes of its record in the officials file. The file keeps a record for every division number
// 0..85: the first 60 records are where they always were, so a file of only those still reads,
// and it grows to hold the adapted divisions when their officials are first saved.
#include <string>
#include <string_view>

#include "core/officials_file.h"
#include "core/outcome.h"
#include "core/tournament.h"
#include "platform/file_system.h"

inline constexpr int kOfficialsAllDivisions = kOfficialsAllRecords;  // 0..85

// The warning for an officials file whose size is not a whole number of records; empty when it is.
std::string OfficialsSizeProblem(const std::string& path, std::size_t size);

// Reads the record of `division` into `buffer`; a record the file does not hold is an empty one.
// Nothing happens when there is no file or it cannot be read (the reason is told); a file cut
// short is reported and its whole records are used.
Outcome ReadOfficials(const Tournament& t, FileSystem& fs, int division, OfficialsRecord& buffer);
// Writes `buffer` as the record of `division`, keeping every other record. A file cut short is
// first kept aside under its damaged-copy name. Throws IoError.
void WriteOfficials(const Tournament& t, FileSystem& fs, int division, const OfficialsRecord& buffer);
// Before an officials dialog shows: the current division's record; when there is no file, an
// empty buffer and a new file of 60 empty records, with a warning when the event has no name of
// its own.
Outcome PrepareOfficials(const Tournament& t, FileSystem& fs, OfficialsRecord& buffer);

// The officials of one division and round as the officials reports print them.
std::vector<std::string> OfficialsBlock(int division, int round, const OfficialsRecord& record);
// The division numbers the detailed report visits under a rule set, in ascending order.
std::vector<int> OfficialsReportDivisions(int rulesMode);
