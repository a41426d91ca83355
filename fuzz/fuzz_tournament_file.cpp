// Any bytes as a tournament file: reading never fails, every value stays within its bounds, and
// what is written from the values read reads back to the same text.
#include <cstdint>
#include <string_view>

#include "core/file_io.h"
#include "core/tournament_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const TournamentFileValues defaults = TournamentValuesOf(Tournament{});
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TournamentFileValues v = defaults;
  ParseTournamentFile(SplitLines(bytes), v);
  if (v.RoundCount < 1 || v.RoundCount > 4 || v.RulesMode < 0 || v.RulesMode > 3) __builtin_trap();
  if (v.slalomMinutes < 0 || v.trickMinutes < 0 || v.jumpMinutes < 0 || v.EntryCounter < 0) __builtin_trap();

  const std::string text = TournamentFileText(v);
  TournamentFileValues again = defaults;
  ParseTournamentFile(SplitLines(text), again);
  if (TournamentFileText(again) != text) __builtin_trap();
  return 0;
}
