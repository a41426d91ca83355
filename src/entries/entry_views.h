#pragma once
// The entry lists as the scorer reads them on screen: one line per entry, the columns padded just
// wide enough for the usual names and pushed to the right by longer ones.
#include <string>
#include <vector>

#include "core/tournament.h"

// The three selections of the entry lists, in the order the dialog offers them.
enum class EntryListKind { Alphabetical, ByDivision, CurrentDivision };

// The screen lines of one selection, heading included (`division` is the current division's list).
// Skiers come in list (surname) order.
std::vector<std::string> EntryViewLines(const Tournament& t, EntryListKind kind, int division);
