#pragma once
// A small trick table for the trick tests, in the settings file's format.
#include <string>
#include <vector>

#include "scoring/trick_table.h"

inline std::vector<std::string> TrickTestLines() {
  return {"[TRICK_TABLE]",   ";one",          ";two",           ";three",         ";four",
          "2S,1,0,1,20",     "1S,1,0,1,40",   "2B,1,0,3,30",    "2RB,1,0,3,30",   "2BB,1,0,6,40",
          "2RBB,1,0,6,40",   "2O,1,1,5,40",   "2RO,1,1,5,45",   "1O,1,1,5,90",    "1RO,1,1,5,55",
          "2F,1,0,4,30",     "2TS,1,3,2,130", "2RTS,1,3,2,130", "2WB,2,0,12,150", "2WO,2,0,12,160",
          "2RWB,2,0,12,150", "[END]"};
}

inline std::vector<TrickTableEntry> TrickTestTable() { return ParseTrickTable(TrickTestLines()); }
