// Any bytes as a trick pass file: every row value lies in its range, so no pass total can
// overflow, and records rebuilt from their rows settle after one round of writing and reading.
#include <cstdint>
#include <cstring>
#include <string_view>

#include "scoring/trick_pass_file.h"

namespace {

bool InRange(const TrickRows& rows) {
  for (int r = 1; r <= kTrickRowCount; ++r) {
    const TrickRow& row = rows[r];
    if (row.points < 0 || row.points > kMaxTrickPoints || row.trickNumber < 0 ||
        row.trickNumber > kMaxTrickNumber || row.reverseDigit < 0 || row.reverseDigit > kMaxReverseDigit)
      return false;
  }
  const int total = PassTotal(rows);
  return total >= 0 && total <= kMaxTrickPoints * kTrickRowCount;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TrickPassFile file = ParseTrickPassFile(bytes, "fuzz.trk");
  if (file.records.size() != size / sizeof(TrickPassRecord)) __builtin_trap();
  if ((size % sizeof(TrickPassRecord) != 0) && file.damage.empty()) __builtin_trap();
  for (const TrickPassRecord& rec : file.records) {
    const TrickRows pass1 = RecordPass(rec, 1), pass2 = RecordPass(rec, 2);
    if (!InRange(pass1) || !InRange(pass2)) __builtin_trap();
    // Rows settle once written and read back (a row without a code loses its trick number, and
    // then reads as the blank row): from there, writing them again gives the very same record.
    const TrickPassRecord once = MakeTrickRecord(rec.key.view(), pass1, pass2);
    const TrickPassRecord twice = MakeTrickRecord(once.key.view(), RecordPass(once, 1), RecordPass(once, 2));
    const TrickPassRecord thrice =
        MakeTrickRecord(twice.key.view(), RecordPass(twice, 1), RecordPass(twice, 2));
    if (std::memcmp(&twice, &thrice, sizeof twice) != 0) __builtin_trap();
    const TrickPassFile again =
        ParseTrickPassFile(std::string_view(reinterpret_cast<const char*>(&once), sizeof once), "fuzz.trk");
    if (!again.damage.empty()) __builtin_trap();
  }
  return 0;
}
