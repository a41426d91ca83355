#pragma once
// The settings file TALLIVAR.INI: the seven start-up settings after "[TALLIVAR]", the national
// records after "[VOND]" and the AWSA standards after "[AWSA_NOPS]". Read by line and column.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/outcome.h"
#include "core/tournament.h"
#include "platform/file_system.h"

std::string SettingsPath(const Tournament& t);
std::string SettingsBackupPath(const Tournament& t);

// Opens the file to see that it is there; when not, tells "ERROR - "<path>" not found" and answers false.
bool FileExists(FileSystem& fs, const std::string& path, Outcome& outcome);

// The settings file's bytes; nothing, after telling the not-found message or why it cannot be read.
std::optional<std::string> ReadSettingsBytes(const Tournament& t, FileSystem& fs, Outcome& outcome);

Outcome ReadSettings(Tournament& t, FileSystem& fs);
void WriteSettings(const Tournament& t, FileSystem& fs);  // throws IoError
Outcome ReadRecords(Tournament& t, FileSystem& fs);
Outcome ReadNops(Tournament& t, FileSystem& fs);
// event: 1 slalom, 2 trick, 3 jump. Tells the possible record.
Outcome CheckRecord(const Tournament& t, FileSystem& fs, int event, double score);

// The seven setting lines as they are written.
std::vector<std::string> SettingLines(const Tournament& t);
// Reads the settings from a list of lines; answers false when "[TALLIVAR]" was not found.
bool ParseSettings(const std::vector<std::string>& lines, SettingsValues& out);
// Builds the rewritten file from the old file's lines (nothing when there was none).
std::string RewriteSettings(const std::vector<std::string>* oldLines, const Tournament& t);
