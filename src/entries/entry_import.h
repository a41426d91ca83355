#pragma once
// The entry import file: one skier per line, every field followed by a comma, no quoting and no
// heading. Lines are handled as bytes, so any content (NUL bytes, broken UTF-8, very long lines)
// is only split and cut, never interpreted.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/skier.h"

inline constexpr int kImportFields = 11;
inline constexpr int kImportMaxRows = 300;

// The eleven cells of one line: surname, first name, year of birth, member number, team,
// federation, division, slalom, trick and jump seed scores, ramp.
using ImportCells = std::array<std::string, kImportFields>;

// Takes the text before each comma in turn; a field that no comma follows reads as empty, and
// anything after the eleventh comma is ignored.
ImportCells SplitImportLine(std::string_view line);

struct ImportFile {
  std::vector<ImportCells> rows;  // at most kImportMaxRows
  bool overLimit = false;         // the file held more non-empty lines than that
};
// Splits a whole file: empty lines are skipped, the first 300 others are kept.
ImportFile ReadImportText(std::string_view text);

// Letters A-Z and a-z, apostrophes and hyphens, and not empty.
bool IsNameText(std::string_view text);
// Digits and points only, and not empty.
bool IsDigitsAndPoints(std::string_view text);
// A decimal number made of digits and at most one point, below 10^6; nothing for anything else.
std::optional<double> ReadDecimal(std::string_view text);

// "AAno-surname" and the row number right-aligned in 2, cut to the surname's width.
std::string SurnamePlaceholder(int row);

// Fills a blank record from one row's cells and answers the number of errors counted for it.
// Event entry marks follow the seed scores; the surname is upper-cased.
int FillImportedRecord(TSkier& record, const ImportCells& cells, int row);

inline constexpr const char* kImportLineLayout =
    "Surname,FirstName,YOB,IWWFNumber,Team,Federation,Division,S,T,J,Ramp,";
