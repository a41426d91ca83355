// Any bytes as an entry import file: at most 300 rows are taken, and every row becomes a record
// the skier file accepts, with finite seed scores and ramp and entry marks that follow the seeds.
#include <cstdint>
#include <string_view>

#include "core/skier_file.h"
#include "entries/entry_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  const ImportFile file = ReadImportText(text);
  if (file.rows.size() > static_cast<std::size_t>(kImportMaxRows)) __builtin_trap();
  if (file.overLimit && file.rows.size() != static_cast<std::size_t>(kImportMaxRows)) __builtin_trap();
  int row = 0;
  for (const ImportCells& cells : file.rows) {
    TSkier s{};
    s.Division = 86;
    const int errors = FillImportedRecord(s, cells, ++row);
    if (errors < 0 || errors > 7) __builtin_trap();
    if (!CheckSkierRecord(s).empty() || s.Surname.empty() || s.FirstName.empty()) __builtin_trap();
    if ((s.SlalomSeed > 0) != (s.SlalomEntry == "S") || (s.TrickSeed > 0) != (s.TrickEntry == "T") ||
        (s.JumpSeed > 0) != (s.JumpEntry == "J"))
      __builtin_trap();
  }
  return 0;
}
