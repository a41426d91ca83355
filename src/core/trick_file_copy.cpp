#include "core/trick_file_copy.h"

#include <algorithm>

#include "core/errors.h"
#include "core/event_files.h"
#include "core/file_io.h"

Outcome CopyTrickFile(FileSystem& fs, const std::string& oldEventFile, const std::string& newTrickPath) {
  Outcome outcome;
  const std::string oldTrickPath = EventBaseOf(oldEventFile) + ".trk";
  std::size_t records = 0;
  try {
    auto bytes = fs.ReadAll(oldTrickPath);
    if (!bytes) return outcome;
    // A record cut short at the end of the file is no record; only whole ones are copied.
    records = std::min(bytes->size() / kTrickRecordSize, kTrickRecordLimit);
    if (oldTrickPath != newTrickPath || records * kTrickRecordSize != bytes->size())
      WriteFileSafely(fs, newTrickPath, std::string_view(*bytes).substr(0, records * kTrickRecordSize));
  } catch (const IoError& e) {
    return outcome.Fail(e.what());
  }
  if (records == kTrickRecordLimit) outcome.Tell("Warning Trick-File write size limit exceeded!");
  return outcome;
}
