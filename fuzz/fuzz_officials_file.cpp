// Any bytes as an officials file: a record for each of the 86 division numbers, every name at most 20
// characters, and a summary of at most 100 officials whose lines stay within their columns.
#include <cstdint>
#include <string_view>

#include "core/officials_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<OfficialsRecord> records = ParseOfficialsFile(bytes);
  if (records.size() != static_cast<std::size_t>(kOfficialsAllRecords)) __builtin_trap();
  for (const OfficialsRecord& rec : records)
    for (int r = 1; r <= 4; ++r)
      for (int e = 1; e <= 3; ++e)
        for (int k = 1; k <= kOfficialSlots; ++k)
          if (rec.Slot(r, e, k).view().size() > 20) __builtin_trap();
  static Tournament t;
  Outcome told;
  const std::vector<std::string> lines = OfficialsSummaryLines(t, records, told);
  const std::size_t heading = 9;
  if (lines.size() < heading || lines.size() > heading + 100 || told.messages.size() > 1) __builtin_trap();
  for (std::size_t i = heading; i < lines.size(); ++i)
    if (lines[i].size() != 8 + 20 + 3) __builtin_trap();
  return 0;
}
