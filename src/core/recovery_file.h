#pragma once
// The recovery file: a copy of the whole unsaved work (the tournament text, the schedule and the
// skier file in one file), written beside the event after each completed change so that a crash or
// a power cut costs nothing typed. The event's own files are never touched by it. A recovery file
// that is not wanted is set aside under a dated name, never deleted unasked.
#include <list>
#include <string>
#include <string_view>

#include "core/schedule.h"
#include "core/outcome.h"
#include "core/skier.h"
#include "core/tournament.h"
#include "platform/clock.h"
#include "platform/file_system.h"

struct RecoveryFile {
  DateTime written;
  std::string eventFile;  // the event file the work belongs to (may be empty)
  bool named = false;     // false for a new event that had no file name yet
  int skiers = 0;
  int scores = 0;
  std::string tournamentText;
  Schedule schedule;
  std::list<TSkier> nodes;  // the skier list with its two ends
  TieOrders ties;           // none in a copy written before tie orders were kept
  Tournament::GridEdits gridEdits;  // scores typed in a grid and not yet stored
};

// Beside the event: its base name + ".recovery".
std::string RecoveryPathOfEvent(const std::string& eventFile);
// The event file a copy beside an event belongs to by its name (the one whose lock guards it).
std::string EventOfRecoveryCopy(const std::string& copyPath);
// For a new event without a name: "untitled.recovery" in the working directory.
std::string UntitledRecoveryPath(const Tournament& t);

// The rounds that hold a score (slalom, trick or jump), over the skiers between the list's ends.
int CountScores(const std::list<TSkier>& nodes);

// The skiers with the grid's edited records in place of their own (matched by name and division).
void ApplyGridEdits(std::list<TSkier>& nodes, const Tournament::GridEdits& edits);

std::string RecoveryFileBytes(const Tournament& t, bool named, const DateTime& now);
// Reads a recovery file, checking its frame, check sum and every record; answers false with `why`
// when it is damaged.
bool ParseRecoveryFile(std::string_view bytes, RecoveryFile& out, std::string& why);

// Whether two event file names name the same event: the same file, or the same file name where the
// first no longer exists (its folder was moved).
bool SameEventFile(const std::string& a, const std::string& b);

// The dated name a recovery file is set aside under ("Lake.recovery.2026-07-04_09-05-03", with a
// number added when that name is taken, and the file name cut when the whole would be too long for
// the file system). Throws IoError when no free name is found among a bounded number of tries.
std::string RecoveryAsideName(FileSystem& fs, const std::string& path, const DateTime& now);
// Renames the file to `aside`. Throws IoError.
void SetRecoveryAside(FileSystem& fs, const std::string& path, const std::string& aside);

// The open event becomes the recovered work, unsaved: its skiers, schedule and tournament values,
// and the event file it belonged to. The work list is the caller's to fill again.
Outcome RestoreRecovery(Tournament& t, FileSystem& fs, RecoveryFile& r);

// "04/07/2026 at 09:05:03"
std::string RecoveryTimeText(const DateTime& d);
