#pragma once
// The settings file TALLIVAR.INI: the seven start-up settings after "[TALLIVAR]", the national
// records after "[VOND]" and the AWSA standards after "[AWSA_NOPS]". Read by line and column.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tournament.h"
#include "platform/platform.h"

std::string SettingsPath(const Tournament& t);
std::string SettingsBackupPath(const Tournament& t);

// Opens the file to see that it is there; when not, "ERROR - "<path>" not found" and false.
bool FileExists(FileSystem& fs, Prompter& prompt, const std::string& path);

// The settings file's bytes; nothing, after the not-found message or the reason it cannot be read.
std::optional<std::string> ReadSettingsBytes(Tournament& t, Platform& p);

void ReadSettings(Tournament& t, Platform& p);
void WriteSettings(Tournament& t, Platform& p);  // throws IoError
void ReadRecords(Tournament& t, Platform& p);
void ReadNops(Tournament& t, Platform& p);
// event: 1 slalom, 2 trick, 3 jump.
void CheckRecord(Tournament& t, Platform& p, int event, double score);

// The seven setting lines as they are written.
std::vector<std::string> SettingLines(const Tournament& t);
// Reads the settings from a list of lines; answers false when "[TALLIVAR]" was not found.
bool ParseSettings(const std::vector<std::string>& lines, SettingsValues& out);
// Builds the rewritten file from the old file's lines (nothing when there was none).
std::string RewriteSettings(const std::vector<std::string>* oldLines, const Tournament& t);
