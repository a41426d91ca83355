#pragma once
// The trick table of the settings file and the rows of a trick pass that are scored from it.
#include <string>
#include <string_view>
#include <vector>

#include "core/outcome.h"
#include "core/per_round.h"
#include "core/tournament.h"
#include "core/trick_table_entry.h"
#include "platform/file_system.h"

inline constexpr int kTrickRowCount = 30;
inline constexpr int kTrickTableCapacity = 239;
inline constexpr int kTrickTableLineLength = 20;
inline constexpr int kTrickCodeLength = 10;
// The values a trick can carry. The trick table and the trick pass file are held to them when
// read, so a pass total of 30 rows always fits an int.
inline constexpr int kMaxTrickPoints = 9999;
inline constexpr int kMaxTrickNumber = 999;
inline constexpr int kMaxReverseDigit = 9;
static_assert(static_cast<long long>(kMaxTrickPoints) * kTrickRowCount < 2147483647LL);

// One trick of a pass. A row without a code is an empty row.
struct TrickRow {
  std::string skis = "2";  // "1" or "2"
  std::string code;        // at most 10 characters
  std::string credit;      // at most 3 characters
  int points = 0;
  int trickNumber = 0;
  int reverseDigit = 0;
  int firstDigit = 0;
  bool operator==(const TrickRow&) const = default;
};

// Rows 1..30 of one pass.
using TrickRows = PerRound<TrickRow, kTrickRowCount>;

bool IsReverse(const TrickRow& row);
int PassTotal(const TrickRows& rows);

// A whole number 0..max from a file field. Empty or non-numeric text reads as 0, as a blank row
// has it; a number outside 0..max (or beyond any int) also reads as 0 and sets `outOfRange`.
int ReadTrickValue(std::string_view text, int max, bool& outOfRange);

// An entry whose points or trick number are out of range has them as 0 and says so in `fault`.
TrickTableEntry ParseTrickEntry(std::string_view line);
// The entries after "[TRICK_TABLE]" and the four lines following it, up to "[END]" or 239 entries.
std::vector<TrickTableEntry> ParseTrickTable(const std::vector<std::string>& lines);
// Reads the table from the settings file; a missing file is reported and leaves the table empty. The
// first entry with a value out of range is reported.
Outcome ReadTrickTable(Tournament& t, FileSystem& fs);
// Points, trick number and digits of the first entry whose key is the row's ski count and code;
// 0 points when none matches.
void LookUpTrick(const std::vector<TrickTableEntry>& table, TrickRow& row);
// How the code list shows an entry: its first 15 characters without the ski count and without
// everything from the first ",".
std::string TrickCodeListText(const TrickTableEntry& entry);
