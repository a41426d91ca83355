#pragma once
// Slalom: the total of a round from its last pass, the speed and rope ladders, and the boat-time
// windows of a pass.
#include <array>
#include <optional>
#include <string_view>

// Boat speeds in km/h, fastest first, as the speed list shows them.
inline constexpr std::array<double, 12> kSlalomSpeeds{58, 55, 52, 49, 46, 43, 40, 37, 34, 31, 28, 25};
// Rope lengths in metres; the index is the rope step, each step worth 6 buoys.
inline constexpr std::array<double, 9> kSlalomRopes{18.25, 16.00, 14.25, 13.00, 12.00,
                                                    11.25, 10.75, 10.25, 9.75};

// The slalom total of a round (cumulative buoys) from its last pass.
//   rules    - the rule set (RulesMode): 0 national, 1 AWSA, 2 IWWF, 3 adapted; only 0 and 2 score.
//   division - the skier's division number (TSkier::Division, 0..86).
//   buoys    - buoys scored on the last pass, 0 to 6 with up to two decimals.
//   speed    - boat speed of the last pass in km/h, a value of kSlalomSpeeds.
//   rope     - rope length of the last pass in metres, a value of kSlalomRopes.
// Answers nullopt when the pass cannot be scored (unscored division or rule set, a speed or rope off
// the division's ladder, buoys above 6); the caller then keeps the total it had.
// Example: national rules, OM (54), 2.5 buoys at 58 on 12.00 gives 44.5.
std::optional<double> ComputeSlalomTotal(int rules, int division, double buoys, double speed, double rope);

// The rope step (0 for 18.25 … 8 for 9.75) of a ladder length, nullopt for any other length.
std::optional<int> SlalomRopeStep(double rope);

// Whether a boat time (seconds) lies in the tolerance window of a pass at `speed` km/h with `buoys`
// full buoys. Speeds off the ladder and buoy counts outside 0..6 have no window.
bool SlalomTimeAccepted(int speed, int buoys, double time);

// Not empty, and every character a digit or ".".
bool IsNumericText(std::string_view text);

// A runoff place n is kept inside a round result as a decrement of (n − 1) × 0.001, so the result
// still prints the same at two decimals while the runoff loser ranks below the winner.
// The place read back from a stored result: 2 to 10, or 0 when the result carries none (a place
// above 10 lowers the result by a whole hundredth or more and cannot be told apart).
int RunoffPlaceOf(double result);
// The stored result with its runoff decrement taken off again (the two-decimal result announced).
double WithoutRunoff(double result);
// The stored result for an announced result and a runoff place; a place below 2 keeps it as is.
double WithRunoff(double announced, int place);
