// Any bytes as a settings file: reading the start-up values and rewriting the file never fail,
// and a file that has its "[TALLIVAR]" section reads back to the same values once rewritten.
#include <cstdint>
#include <string_view>

#include "core/file_io.h"
#include "core/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines = SplitLines(bytes);
  // One tournament for all runs (building one costs more than the reading); each run starts
  // from the defaults.
  static Tournament t;
  t.settings = SettingsValues{};
  const bool found = ParseSettings(lines, t.settings);
  if (t.settings.RulesMode < 0 || t.settings.RulesMode > 3) __builtin_trap();
  const std::string rewritten = RewriteSettings(&lines, t);
  if (!found) return 0;
  SettingsValues again;
  if (!ParseSettings(SplitLines(rewritten), again)) __builtin_trap();
  if (again.RulesMode != t.settings.RulesMode || !(again.TeamMode == t.settings.TeamMode)) __builtin_trap();
  return 0;
}
