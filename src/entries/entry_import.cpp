#include "entries/entry_import.h"

#include <charconv>

#include "core/divisions.h"
#include "core/file_io.h"
#include "core/text.h"

ImportCells SplitImportLine(std::string_view line) {
  ImportCells cells;
  for (auto& cell : cells) {
    if (line.empty()) break;
    auto comma = line.find(',');
    if (comma == std::string_view::npos) break;  // the unterminated rest stays an empty cell
    cell = std::string(line.substr(0, comma));
    line.remove_prefix(comma + 1);
  }
  return cells;
}

ImportFile ReadImportText(std::string_view text) {
  ImportFile file;
  for (const auto& line : SplitLines(text)) {
    if (line.empty()) continue;
    if (static_cast<int>(file.rows.size()) == kImportMaxRows) {
      file.overLimit = true;
      break;
    }
    file.rows.push_back(SplitImportLine(line));
  }
  return file;
}

bool IsNameText(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!letter && c != '\'' && c != '-') return false;
  }
  return true;
}

bool IsDigitsAndPoints(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (!(c >= '0' && c <= '9') && c != '.') return false;
  return true;
}

std::optional<double> ReadDecimal(std::string_view text) {
  if (!IsDigitsAndPoints(text)) return std::nullopt;
  double value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  // No seed score or ramp comes near the bound; a larger value is no score.
  if (!IsPlausibleNumber(value)) return std::nullopt;
  return value;
}

std::string SurnamePlaceholder(int row) {
  return ("AAno-surname" + RightAlign(std::to_string(row), 2)).substr(0, 15);
}

namespace {

// One text field: the cell when valid, else the placeholder and one error.
template <std::size_t N>
int TakeField(ShortString<N>& field, const std::string& cell, bool valid, std::string_view placeholder) {
  if (!cell.empty() && valid) {
    field = cell;
    return 0;
  }
  field = placeholder;
  return 1;
}

double SeedScore(const std::string& cell) { return ReadDecimal(cell).value_or(0.0); }

}  // namespace

int FillImportedRecord(TSkier& s, const ImportCells& c, int row) {
  int errors = 0;
  errors += TakeField(s.Surname, UpperCase(c[0]), IsNameText(c[0]), SurnamePlaceholder(row));
  errors += TakeField(s.FirstName, c[1], IsNameText(c[1]), "no-firstname");
  errors += TakeField(s.BirthYear, c[2], IsDigitsAndPoints(c[2]), "1234");
  errors += TakeField(s.MemberId, c[3], IsDigitsAndPoints(c[3]), "100000000");
  errors += TakeField(s.Team, c[4], IsNameText(c[4]), "IND");
  errors += TakeField(s.Fed, c[5], IsNameText(c[5]), "IND");

  int division = kNoDivision;
  if (!c[6].empty()) DivisionNumber(c[6], division);
  s.Division = static_cast<std::uint8_t>(division);

  s.SlalomSeed = SeedScore(c[7]);
  s.TrickSeed = SeedScore(c[8]);
  s.JumpSeed = SeedScore(c[9]);
  if (auto ramp = ReadDecimal(c[10])) {
    s.JumpRamp[1] = *ramp;
  } else {
    s.JumpRamp[1] = 0.235;
    ++errors;
  }

  s.Surname = UpperCase(s.Surname.view());
  s.SlalomEntry = s.SlalomSeed > 0 ? "S" : "";
  s.TrickEntry = s.TrickSeed > 0 ? "T" : "";
  s.JumpEntry = s.JumpSeed > 0 ? "J" : "";
  return errors;
}
