#pragma once
// The recovery copies that hold live unsaved work, listed in the settings folder. An event's copy
// lies beside the event, wherever that is; this list lets the next start find it without the scorer
// having to remember which event was open when the program stopped. One absolute path a line.
#include <string>
#include <vector>

#include "core/tournament.h"
#include "platform/file_system.h"

// The list file: "recovery.list" in the settings folder.
std::string RecoveryListPath(const Tournament& t);

// The copies listed, oldest first; none when the list is missing, is not a regular file or cannot
// be read (a list that cannot be read costs only the offer at start; Open still finds the copy).
std::vector<std::string> ReadRecoveryList(FileSystem& fs, const std::string& listPath);

// Adds the copy at the end unless it is listed; the oldest entries beyond a few dozen are dropped.
// Throws IoError.
void ListRecoveryCopy(FileSystem& fs, const std::string& listPath, const std::string& copy);

// Takes the copy off the list; the list file goes when it is empty. Throws IoError.
void UnlistRecoveryCopy(FileSystem& fs, const std::string& listPath, const std::string& copy);
