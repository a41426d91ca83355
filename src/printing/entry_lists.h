#pragma once
// The printed entry lists: all skiers alphabetically, all skiers by division, and the skiers of the
// current division, each under the standard report heading.
#include <string>
#include <vector>

#include "core/tournament.h"
#include "entries/entry_views.h"
#include "platform/platform.h"

// The list's own lines below the standard heading: its title and column heading, then the skier
// lines, with a line holding only a form feed (character 12) where a new page begins.
std::vector<std::string> EntryListBody(const Tournament& t, EntryListKind kind);

// Prints the list in "Courier New" 10, portrait; nothing when the user cancels the print dialog.
void PrintEntryList(Tournament& t, Platform& p, EntryListKind kind);
