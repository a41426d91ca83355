#pragma once
// The event's last saved versions, kept unasked in a folder beside it: "<base>.backups/", one
// folder per save named by its time ("2026-12-08_16-05-03") holding the files that carry the
// scorer's work under their own names. Going back to one is copying its files over the event's.
#include <string>

#include "platform/clock.h"
#include "platform/file_system.h"

inline constexpr int kKeptBackupSets = 10;

std::string BackupsFolderOf(const std::string& eventFile);
// "2026-12-08_16-05-03"
std::string BackupSetName(const DateTime& d);

// After a save: the family as it now is on disk becomes the newest set, unless the newest set holds
// it already, and the sets beyond the last ten are removed, oldest first. Throws IoError.
void WriteBackupSet(FileSystem& fs, const std::string& eventFile, const DateTime& now);
