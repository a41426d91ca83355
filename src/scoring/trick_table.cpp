#include "scoring/trick_table.h"

#include <algorithm>
#include <cctype>

#include "core/file_io.h"
#include "core/settings_file.h"
#include "core/text.h"

namespace {

int DigitAt(std::string_view s, std::size_t i) {
  if (i >= s.size() || !std::isdigit(static_cast<unsigned char>(s[i]))) return 0;
  return s[i] - '0';
}

}  // namespace

bool IsReverse(const TrickRow& row) { return !row.code.empty() && row.code[0] == 'R'; }

int PassTotal(const TrickRows& rows) {
  int sum = 0;
  for (int r = 1; r <= kTrickRowCount; ++r) sum += rows[r].points;
  return sum;
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
  if (fields.size() > 3) e.trickNumber = ToIntegerOr(fields[3], 0);
  if (fields.size() > 4) e.points = ToIntegerOr(fields[4], 0);
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

void ReadTrickTable(Tournament& t, Platform& p) {
  t.TrickTable.clear();
  const std::string path = SettingsPath(t);
  if (!FileExists(p.fs, p.prompt, path)) return;
  auto bytes = p.fs.ReadAll(path);
  if (!bytes) return;
  t.TrickTable = ParseTrickTable(SplitLines(*bytes));
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
