#pragma once
// Save As takes the event's trick passes along: the old event's ".trk" is copied to the new name.
#include <cstddef>
#include <string>

#include "core/outcome.h"
#include "core/tournament.h"
#include "platform/file_system.h"

inline constexpr std::size_t kTrickRecordSize = 1922;
inline constexpr std::size_t kTrickRecordLimit = 1000;

// Copies the whole records of the old event's trick file, at most 1000, and tells "Warning
// Trick-File write size limit exceeded!" when the copy reaches 1000. Nothing happens when the old
// file does not exist. Fails, saying why, when the old file cannot be read or the copy cannot be
// written.
Outcome CopyTrickFile(FileSystem& fs, const std::string& oldEventFile, const std::string& newTrickPath);
