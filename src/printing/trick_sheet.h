#pragma once
// The trick scoring sheet of one skier: both passes row by row with their totals. The declared
// pass sheet is the same sheet with its own title, headings and widths.
#include <string>
#include <vector>

#include "platform/printer.h"
#include "scoring/trick_table.h"

struct TrickSheet {
  std::string skierKey;
  TrickRows pass1;
  TrickRows pass2;
  bool declared = false;
};

std::vector<std::string> TrickSheetLines(const TrickSheet& sheet);
// Prints the sheet in "Courier New" 12, portrait; nothing when the user cancels.
void PrintTrickSheet(Printer& printer, const TrickSheet& sheet);
