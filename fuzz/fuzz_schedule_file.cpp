// Any bytes as a schedule file: refused unless exactly four day tables; kept rows are sound and
// write back to bytes that read the same.
#include <cstdint>
#include <string_view>

#include "core/schedule_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Schedule s;
  std::string why;
  if (!ParseScheduleFile(bytes, s, why)) {
    if (size == kScheduleFileSize || why.empty()) __builtin_trap();
    return 0;
  }
  for (std::size_t d = 1; d <= 4; ++d)
    for (std::size_t r = 1; r <= 50; ++r) {
      const ScheduleRow& row = s.days[d].rows[r];
      if (row.division > 86 || !row.event.lengthValid() || !row.start.lengthValid() || !row.end.lengthValid())
        __builtin_trap();
    }
  const std::string written = ScheduleFileBytes(s);
  Schedule again;
  if (!ParseScheduleFile(written, again, why) || ScheduleFileBytes(again) != written) __builtin_trap();
  return 0;
}
