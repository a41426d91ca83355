#pragma once
// The event's audit log: one time-stamped line per save and per logged change.
#include <string>
#include <string_view>

#include "core/tournament.h"
#include "platform/clock.h"
#include "platform/file_system.h"

// "dd/mm/yyyy, hh:nn:ss " with a trailing space.
std::string AuditTimeStamp(const DateTime& now);
std::string AuditLogPath(const Tournament& t);
// Appends the time stamp and the text as one line; the log is created when missing. Throws IoError.
void LogEntry(const Tournament& t, FileSystem& fs, Clock& clock, std::string_view text);
