#pragma once
// A close look at an event's whole file family without opening it: every file is read as bytes and
// every fault found is named with where it is (a record, a line), so a scorer can tell a damaged
// file from a sound one before trusting it.
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

struct FileCheck {
  std::string path;
  bool present = false;
  bool required = false;              // the skier and tournament files must be there
  std::vector<std::string> problems;  // empty when the file is sound (or absent and optional)
};

// The skier file, its backup, the tournament, schedule, officials, trick pass and tie order files,
// in that order. A file that cannot be read is one problem naming the reason.
std::vector<FileCheck> CheckEventFamily(FileSystem& fs, const std::string& eventFile);

bool FamilyIsSound(const std::vector<FileCheck>& checks);

// The problems the check finds in the bytes of one file; empty when they are sound.
std::vector<std::string> SkierFileProblems(std::string_view bytes);
std::vector<std::string> TournamentFileProblems(std::string_view bytes);
std::vector<std::string> ScheduleFileProblems(std::string_view bytes);
