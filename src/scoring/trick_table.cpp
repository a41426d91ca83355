#include "scoring/trick_table.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "core/file_io.h"
#include "core/settings_file.h"
#include "core/text.h"

namespace {

int DigitAt(std::string_view s, std::size_t i) {
  if (i >= s.size() || !std::isdigit(static_cast<unsigned char>(s[i]))) return 0;
  return s[i] - '0';
}

}  // namespace

int ReadTrickValue(std::string_view text, int max, bool& outOfRange) {
  const std::string t = Trim(text);
  const char* b = t.data();
  const char* e = b + t.size();
  if (b != e && *b == '+') ++b;
  long long v = 0;
  auto [ptr, ec] = std::from_chars(b, e, v);
  if (t.empty() || ptr != e || (ec != std::errc() && ec != std::errc::result_out_of_range)) return 0;
  if (ec == std::errc::result_out_of_range || v < 0 || v > max) {
    outOfRange = true;
    return 0;
  }
  return static_cast<int>(v);
}

bool IsReverse(const TrickRow& row) { return !row.code.empty() && row.code[0] == 'R'; }

int PassTotal(const TrickRows& rows) {
  // Rows hold 0..kMaxTrickPoints when read; the sum is taken wide all the same, so a row set in
  // some other way cannot make it wrap.
  long long sum = 0;
  for (int r = 1; r <= kTrickRowCount; ++r) sum += rows[r].points;
  return static_cast<int>(
      std::clamp<long long>(sum, -kMaxTrickPoints * kTrickRowCount, kMaxTrickPoints * kTrickRowCount));
}

TrickTableEntry ParseTrickEntry(std::string_view text) {
  TrickTableEntry e;
  e.line = std::string(text.substr(0, kTrickTableLineLength));
  const std::size_t comma = e.line.find(',');
  e.key = e.line.substr(0, std::min<std::size_t>(comma, kTrickCodeLength));
  if (comma == std::string::npos) return e;
  e.firstDigit = DigitAt(e.line, comma + 1);
  e.reverseDigit = DigitAt(e.line, comma + 3);
  auto fields = SplitAt(e.line, ',');
  bool badNumber = false, badPoints = false;
  if (fields.size() > 3) e.trickNumber = ReadTrickValue(fields[3], kMaxTrickNumber, badNumber);
  if (fields.size() > 4) e.points = ReadTrickValue(fields[4], kMaxTrickPoints, badPoints);
  if (badNumber) e.fault = "the trick number is not 0 to " + std::to_string(kMaxTrickNumber);
  if (badPoints) e.fault = "the points are not 0 to " + std::to_string(kMaxTrickPoints);
  return e;
}

std::vector<TrickTableEntry> ParseTrickTable(const std::vector<std::string>& lines) {
  std::vector<TrickTableEntry> table;
  std::size_t i = 0;
  while (i < lines.size() && Trim(lines[i]) != "[TRICK_TABLE]") ++i;
  if (i == lines.size()) return table;
  i += 5;  // the heading and the four lines after it
  for (; i < lines.size() && static_cast<int>(table.size()) < kTrickTableCapacity; ++i) {
    std::string line = lines[i].substr(0, kTrickTableLineLength);
    if (Trim(line) == "[END]") break;
    table.push_back(ParseTrickEntry(line));
  }
  return table;
}

Outcome ReadTrickTable(Tournament& t, FileSystem& fs) {
  t.TrickTable.clear();
  Outcome outcome;
  auto bytes = ReadSettingsBytes(t, fs, outcome);
  if (!bytes) return outcome;
  t.TrickTable = ParseTrickTable(SplitLines(*bytes));
  for (std::size_t i = 0; i < t.TrickTable.size(); ++i) {
    const TrickTableEntry& e = t.TrickTable[i];
    if (e.fault.empty()) continue;
    outcome.Tell("The trick table of \"" + SettingsPath(t) + "\" has a value out of range in entry " +
                 std::to_string(i + 1) + " (\"" + e.line + "\"): " + e.fault + "; it counts as 0.");
    break;
  }
  return outcome;
}

void LookUpTrick(const std::vector<TrickTableEntry>& table, TrickRow& row) {
  const std::string key = row.skis + row.code;
  for (const auto& e : table) {
    if (e.key != key) continue;
    row.points = e.points;
    row.trickNumber = e.trickNumber;
    row.reverseDigit = e.reverseDigit;
    row.firstDigit = e.firstDigit;
    return;
  }
  row.points = 0;
  row.trickNumber = 0;
  row.reverseDigit = 0;
  row.firstDigit = 0;
}

std::string TrickCodeListText(const TrickTableEntry& entry) {
  std::string s = entry.line.substr(0, 15);
  s = s.substr(0, s.find(','));
  return s.empty() ? s : s.substr(1);
}
