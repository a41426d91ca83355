#pragma once
// Damaged files of an event's family are never dropped silently: opening the event names each one
// with what the check found and what the open does about it, and a save keeps the damaged bytes
// beside a file before it replaces it.
#include <string>
#include <vector>

#include "core/family_check.h"

// Whether the check found the file at `path` there and damaged.
bool IsDamaged(const std::vector<FileCheck>& checks, const std::string& path);

// The message the open shows about the family's damaged files, the skier file left out (its damage
// refuses the open); empty when the others are sound or missing.
std::string DamagedFilesNotice(const std::vector<FileCheck>& checks, const std::string& eventFile);

// Before a save replaces the tournament file, the schedule or the backup: each of them that the
// check calls damaged is copied to its damaged-copy name first. Throws IoError.
void KeepDamagedFiles(FileSystem& fs, const std::string& eventFile);
