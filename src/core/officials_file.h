#pragma once
// The officials file (".ofc"): one 3780-byte record per division number, record n at position n;
// 60 records (0..59) when new, 86 once an adapted division's officials are saved. A record holds four round
// blocks, each of three event blocks (slalom, trick, jump), each of 15 name slots. The summary of every
// official of the event goes to "_officials.txt".
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/outcome.h"
#include "core/per_round.h"
#include "core/short_string.h"
#include "core/tournament.h"
#include "platform/file_system.h"

inline constexpr int kOfficialSlots = 15;
inline constexpr int kOfficialsDivisions = 60;   // the records of a new file
inline constexpr int kOfficialsAllRecords = 86;  // with the adapted divisions 60..85

struct OfficialsEventBlock {
  PerRound<ShortString<20>, kOfficialSlots> slots;  // slots[1..15]
};
struct OfficialsRoundBlock {
  PerRound<OfficialsEventBlock, 3> events;  // 1 slalom, 2 trick, 3 jump
};
struct OfficialsRecord {
  PerRound<OfficialsRoundBlock, 4> rounds;  // rounds[1..4]
  ShortString<20>& Slot(int round, int event, int slot) {
    return rounds[static_cast<std::size_t>(round)]
        .events[static_cast<std::size_t>(event)]
        .slots[static_cast<std::size_t>(slot)];
  }
  const ShortString<20>& Slot(int round, int event, int slot) const {
    return rounds[static_cast<std::size_t>(round)]
        .events[static_cast<std::size_t>(event)]
        .slots[static_cast<std::size_t>(slot)];
  }
};
static_assert(sizeof(OfficialsEventBlock) == 315);
static_assert(sizeof(OfficialsRoundBlock) == 945);
static_assert(sizeof(OfficialsRecord) == 3780);
static_assert(std::is_trivially_copyable_v<OfficialsRecord>);

std::string OfficialsPath(const Tournament& t);
std::string OfficialsSummaryPath(const Tournament& t);

// A record for every division number 0..85, whatever the file holds: records the file does not
// hold are empty (a new file has only 60), so any division can be looked up. A length byte above 20
// reads as 20 characters.
std::vector<OfficialsRecord> ParseOfficialsFile(std::string_view bytes);
// The same from the file; nothing when there is none. Throws IoError when it cannot be read.
std::optional<std::vector<OfficialsRecord>> ReadOfficialsFile(FileSystem& fs, const std::string& path);

// The summary lines: heading, then each distinct name of divisions 0..59, rounds 1..3, with its
// "STJ" mark. Tells "Too many officials found!" when a 101st name is met.
std::vector<std::string> OfficialsSummaryLines(const Tournament& t,
                                               const std::vector<OfficialsRecord>& records, Outcome& outcome);

// Writes "_officials.txt" from the officials file; nothing when there is none, and a warning when
// it cannot be read. Throws IoError when the summary cannot be written.
Outcome WriteOfficialsSummary(const Tournament& t, FileSystem& fs);
