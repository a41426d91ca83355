#pragma once
// The one rule for every output the program writes (results exports, the results page, report and
// judging-sheet PDFs, timing files, the officials summary): an output never replaces a file the
// open event is read from or the settings file, whatever name reaches it (a relative path, "./",
// a symbolic or hard link). A symbolic link is written through to its file and stays a link; a FIFO
// or character device is written as a stream; a folder or any other kind of file is refused.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tournament.h"
#include "platform/file_system.h"

struct ProtectedFile {
  std::string path;
  std::string what;  // how a refusal names it: "the event's file …", "the settings file …"
};

// The open event's data files (EventDataFiles), its audit log and recovery copy, and the settings
// file with its backup; only the settings files while no event has a name.
std::vector<ProtectedFile> ProtectedFiles(const Tournament& t);

// Why an output may not be written to `target`, or nothing when it may.
std::optional<std::string> RefusedOutputTarget(FileSystem& fs, const std::vector<ProtectedFile>& files,
                                               const std::string& target);

// Writes an output under the rule; throws IoError with the refusal or the reason the write failed.
// A plain file is replaced safely (temporary file, flush, rename), a FIFO or device is streamed to.
void WriteOutputFile(FileSystem& fs, const std::vector<ProtectedFile>& files, const std::string& target,
                     std::string_view bytes);
void WriteOutputFile(FileSystem& fs, const Tournament& t, const std::string& target, std::string_view bytes);
// The same, leaving a plain file alone when it already holds these bytes (the outputs of every save).
void WriteOutputFileIfChanged(FileSystem& fs, const Tournament& t, const std::string& target,
                              const std::string& bytes);
