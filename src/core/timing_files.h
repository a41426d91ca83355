#pragma once
// The boat timing exports: "-slalomtimes.txt" with the pass times of every slalom skier and
// "-jumptimes.txt" with the segment times of every jump pass, per round and division 0..59.
#include <string>

#include "core/tournament.h"
#include "platform/file_system.h"

// Both take every skier of each division in list order, however many there are.
std::string SlalomTimingText(const Tournament& t);
std::string JumpTimingText(const Tournament& t);

// Writes the jump file, then the slalom file. Throws IoError.
void WriteTimingFiles(const Tournament& t, FileSystem& fs);
