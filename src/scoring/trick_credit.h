#pragma once
// The credit rules that decide which tricks of a pass count: reverses out of sequence, repeats
// within the pass and repeats of the other pass.
#include <vector>

#include "core/trick_table_entry.h"
#include "scoring/trick_table.h"

struct TrickRules {
  const std::vector<TrickTableEntry>& table;
  int pass = 1;                      // the pass being scored
  const TrickRows* pass1 = nullptr;  // the stored pass-1 rows, looked at when scoring pass 2
  bool declared = false;             // a declaration: its own repeat group and reverse values
};

// Checks row r (1..30) against the rows before it and, in pass 2, against pass 1. Only adds
// "OS" or "REP" (with 0 points); a row without a code is left alone.
void ApplyCreditRules(TrickRows& rows, int r, const TrickRules& rules);

// Scores row r again from scratch: a credit the rules gave ("REP", "OS") is taken back, the row is
// looked up, a row the official did not credit keeps 0 points, and the rules run again.
void RescoreRow(TrickRows& rows, int r, const TrickRules& rules);
