#include "core/trick_file_copy.h"

#include <algorithm>

#include "core/errors.h"
#include "core/event_files.h"
#include "core/file_io.h"

bool CopyTrickFile(Tournament& /*t*/, Platform& p, const std::string& oldEventFile, const std::string& newTrickPath) {
  const std::string oldTrickPath = EventBaseOf(oldEventFile) + ".trk";
  std::size_t records = 0;
  try {
    auto bytes = p.fs.ReadAll(oldTrickPath);
    if (!bytes) return true;
    // A record cut short at the end of the file is no record; only whole ones are copied.
    records = std::min(bytes->size() / kTrickRecordSize, kTrickRecordLimit);
    if (oldTrickPath != newTrickPath || records * kTrickRecordSize != bytes->size())
      WriteFileSafely(p.fs, newTrickPath, std::string_view(*bytes).substr(0, records * kTrickRecordSize));
  } catch (const IoError& e) {
    p.prompt.Show(e.what());
    return false;
  }
  if (records == kTrickRecordLimit) p.prompt.Show("Warning Trick-File write size limit exceeded!");
  return true;
}
