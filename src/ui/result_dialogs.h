#pragma once
// Opens the result dialog of an event on the edit record (the working record).
#include "core/tournament.h"
#include "ui/platform.h"

// Whether the event ("S", "T", "J") has a result dialog.
bool HasResultDialog(char event);
// Shows the event's result dialog modally on t.Working. Answers whether the dialog wrote the audit
// line of what it stored itself.
bool ShowResultDialog(Tournament& t, Platform& p, char event);
