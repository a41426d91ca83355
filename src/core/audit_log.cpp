#include "core/audit_log.h"

#include <cstdio>

#include "core/file_io.h"

std::string AuditTimeStamp(const DateTime& n) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d, %02d:%02d:%02d ", n.day, n.month, n.year, n.hour, n.minute,
                n.second);
  return buf;
}

std::string AuditLogPath(const Tournament& t) { return t.EventBase.str() + "log.log"; }

void LogEntry(const Tournament& t, FileSystem& fs, Clock& clock, std::string_view text) {
  // The log of an event open read-only is its holder's record, not this window's.
  if (t.EventReadOnly) return;
  std::string line = AuditTimeStamp(clock.Now());
  line += text;
  line += "\r\n";
  AppendToFile(fs, AuditLogPath(t), line);
}
