#pragma once
// The trick pass file (the event's name with ".trk"): fixed records of 1922 bytes, one per skier
// key, holding the last saved rows of both passes. The first record marks the start of the file.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/short_string.h"
#include "core/tournament.h"
#include "platform/file_system.h"
#include "platform/prompter.h"
#include "scoring/trick_table.h"

inline constexpr std::string_view kTrickFileStartKey = "------- Start of File --------";
inline constexpr std::string_view kTrickEndMarker = "-------- END OF RECORD -------";
inline constexpr std::string_view kBlankTrickRowText = "2,,,0,,,  ";

struct TrickPassRecord {
  ShortString<30> key;
  std::array<ShortString<30>, kTrickRowCount> pass1;
  std::array<ShortString<30>, kTrickRowCount> pass2;
  ShortString<30> endMarker;
};
static_assert(sizeof(TrickPassRecord) == 1922);
static_assert(offsetof(TrickPassRecord, pass1) == 31);
static_assert(offsetof(TrickPassRecord, pass2) == 961);
static_assert(offsetof(TrickPassRecord, endMarker) == 1891);

// "1,TS,Y,130,2,0," — ski count, code, credit, points, trick number, reverse rule digit.
std::string TrickRowText(const TrickRow& row);
// Points, trick number and reverse digit out of range read as 0 and set `*outOfRange`.
TrickRow ParseTrickRowText(std::string_view text, bool* outOfRange = nullptr);

TrickPassRecord MakeTrickRecord(std::string_view key, const TrickRows& pass1, const TrickRows& pass2);
TrickPassRecord FirstTrickRecord();
TrickRows RecordPass(const TrickPassRecord& record, int pass);

struct TrickPassFile {
  std::vector<TrickPassRecord> records;  // the whole records, in file order
  std::string damage;                    // what is wrong with the file; empty when sound
};

std::string TrickPassPath(const Tournament& t);
// Whether the event has been saved under a name of its own (not the default "TALLIVAR").
bool EventHasName(const Tournament& t);

// The records of a trick pass file's bytes; `path` names the file in the damage report.
TrickPassFile ParseTrickPassFile(std::string_view bytes, const std::string& path);
// Nothing when there is no file; throws IoError when it is there but cannot be read.
std::optional<TrickPassFile> ReadTrickPassFile(FileSystem& fs, const std::string& path);
std::optional<std::size_t> FindTrickRecord(const TrickPassFile& file, std::string_view key);
// Puts the record in place of the one with its key, or at the end; a new file starts with the
// first record. A damaged file is copied aside first (the user is told where); throws IoError.
void WriteTrickRecord(FileSystem& fs, Prompter& prompt, const std::string& path,
                      const TrickPassRecord& record);
