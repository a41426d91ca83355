#pragma once
// Jump: the entries a scorer types for a jump, the text a stored distance is shown as, the boat
// segment windows and the round's best jump.
#include <string>
#include <string_view>

#include "core/skier.h"

// The stored values of the three jump codes.
inline constexpr double kJumpPassValue = 0.01;
inline constexpr double kJumpFallValue = 0.02;
inline constexpr double kJumpDsqValue = 0.03;

// "p…"/"P…" is a pass, "f…"/"F…" a fall, "d…"/"D…" a disqualification; anything else is read as a
// distance in metres. Throws ConversionError for a text that is neither.
double ParseJumpEntry(std::string_view text);
// "Pass", "Fall" or "DSQ" for the code values, otherwise the distance's shortest decimal text.
std::string FormatJumpDistance(double distance);
// Whether a segment time (segment 1..3) lies in the window of `speed` km/h; speeds without windows
// are not checked and always pass.
bool JumpTimeAccepted(int speed, int segment, double time);
// The longest of the round's three jumps, 0 when that is below 0.1 (only codes).
double BestJump(const TSkier& s, int round);
