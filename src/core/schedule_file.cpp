#include "core/schedule_file.h"

#include <cstring>

#include "core/divisions.h"

namespace {

bool RowUsable(const ScheduleRow& r) {
  return r.division <= kNoDivision && r.event.lengthValid() && r.start.lengthValid() && r.end.lengthValid();
}

}  // namespace

std::string ScheduleFileBytes(const Schedule& s) {
  std::string bytes(kScheduleFileSize, '\0');
  for (std::size_t d = 1; d <= 4; ++d) std::memcpy(bytes.data() + (d - 1) * sizeof(DayTable), &s.days[d], sizeof(DayTable));
  return bytes;
}

bool ParseScheduleFile(std::string_view bytes, Schedule& s, std::string& why) {
  if (bytes.size() != kScheduleFileSize) {
    why = "the schedule holds " + std::to_string(bytes.size()) + " bytes instead of " +
          std::to_string(kScheduleFileSize);
    return false;
  }
  for (std::size_t d = 1; d <= 4; ++d) {
    DayTable day;
    std::memcpy(&day, bytes.data() + (d - 1) * sizeof(DayTable), sizeof(DayTable));
    for (std::size_t r = 1; r <= 50; ++r)
      if (!RowUsable(day.rows[r])) day.rows[r] = ScheduleRow{};
    s.days[d] = day;
  }
  return true;
}
