#include "scoring/jump.h"

#include <array>

#include "core/text.h"

double ParseJumpEntry(std::string_view text) {
  if (!text.empty()) {
    switch (text.front()) {
      case 'p':
      case 'P':
        return kJumpPassValue;
      case 'f':
      case 'F':
        return kJumpFallValue;
      case 'd':
      case 'D':
        return kJumpDsqValue;
      default:
        break;
    }
  }
  return ToNumber(text);
}

std::string FormatJumpDistance(double distance) {
  if (IsJumpPass(distance)) return "Pass";
  if (IsJumpFall(distance)) return "Fall";
  if (IsJumpDsq(distance)) return "DSQ";
  return Shortest(distance);
}

namespace {

struct SegmentWindows {
  int speed;
  std::array<std::array<double, 2>, 3> segments;  // low, high of segments 1..3
};

// clang-format off
const std::array<SegmentWindows, 5> kSegmentWindows = {{
    {45, {{{6.45, 6.68}, {4.11, 4.25}, {3.01, 3.39}}}},
    {48, {{{6.05, 6.25}, {3.86, 3.98}, {2.84, 3.17}}}},
    {51, {{{5.70, 5.88}, {3.63, 3.75}, {2.68, 2.98}}}},
    {54, {{{5.39, 5.55}, {3.43, 3.54}, {2.54, 2.81}}}},
    {57, {{{5.11, 5.25}, {3.25, 3.36}, {2.36, 2.66}}}},
}};
// clang-format on

}  // namespace

bool JumpTimeAccepted(int speed, int segment, double time) {
  for (const auto& w : kSegmentWindows) {
    if (w.speed != speed) continue;
    if (segment < 1 || segment > 3) return true;
    const auto& window = w.segments[static_cast<std::size_t>(segment - 1)];
    return time >= window[0] && time <= window[1];
  }
  return true;
}

double BestJump(const TSkier& s, int round) { return JumpRoundResult(s, round); }
