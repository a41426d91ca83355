#pragma once
// The event file family: the skier file the user opens and saves (".dat") and the files named after
// it — backup, tournament file, schedule, officials summary, audit log and timing exports.
#include <string>
#include <string_view>
#include <vector>

#include "core/outcome.h"
#include "core/tournament.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/random.h"

// The event file up to the first ".dat" of its file name (a ".dat" in a folder name does not
// count); a name without ".dat" loses only its last extension ("Nats.DAT" and "Nats" give "Nats"),
// so its family never lands in the working directory under bare suffixes.
std::string EventBaseOf(std::string_view eventFile);

// Where a damaged file of the family is kept before it is replaced.
std::string DamagedCopyPath(const std::string& path);

// Writes the file safely unless its bytes on disk already are these: such a file is saved, and each
// write skipped is a flush to disk the user does not wait for. Throws IoError.
void WriteFileIfChanged(FileSystem& fs, const std::string& path, const std::string& bytes);

// The files of the family that hold what the scorer typed or kept: skier file, backup, tournament
// file, schedule, officials, trick passes and the damaged copies kept aside. Outputs never replace them.
std::vector<std::string> EventDataFiles(const std::string& eventFile, const std::string& base);

// Every file of the family that is written by replacing it, for the event base and event file: the
// data files and the outputs made from them.
std::vector<std::string> ReplacedFamilyFiles(const std::string& eventFile, const std::string& base);

// Throws IoError naming the event when it is open read-only (Tournament::EventReadOnly): the
// files beside it are then another program's.
void RequireOwnEventFiles(const Tournament& t);

// Writes the whole family. Every file is replaced safely, and the skier file is replaced last but
// for the log line, so a failed save leaves the previous skier file in place. Fails with the reason
// when a step failed, and without a message when the event has no file name yet; `Unsaved` then
// stays as it was. A skier file that cannot be read stops the save
// before anything is written. Once the skier file is written the save stands: a log line that
// cannot be appended is a warning naming the log, and so is a backup set that cannot be written
// (the saved family is kept in "<base>.backups/", the last ten versions).
Outcome SaveEvent(Tournament& t, FileSystem& fs, Clock& clock, Random& random);

// Reads the family of `path` into a fresh state and takes it over only when the skier file is
// sound; otherwise fails with "… is not a valid event file: …" and leaves the open event as it
// was. A file of the family that is there but cannot be read fails the open with its name and the
// reason. A missing tournament file is told with the not-found message and keeps the tournament
// settings; a missing schedule gives empty day tables, a damaged one too. Every other file of the
// family is looked at as the check command does, and one message names each damaged file with what
// was found (a damaged tie order file leaves the tied finalists to be drawn again). What is not a
// regular file is never read.
Outcome OpenEvent(Tournament& t, FileSystem& fs, Random& random, const std::string& path);
