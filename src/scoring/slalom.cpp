#include "scoring/slalom.h"

#include <cmath>
#include <string>

#include "core/divisions.h"

namespace {

// One row of a rule set's scoring table. A rope-only row scores the rope step whatever the speed.
struct ScoringRow {
  int startSpeed;       // the lowest speed whose pass counts
  int topSpeed;         // the division's top speed
  double shortestRope;  // the shortest rope scored at the top speed
  bool ropeOnly;
};

struct DivisionRow {
  const char* divisions;  // division codes, each with a space on both sides
  ScoringRow row;
};

const std::array<DivisionRow, 10> kNationalTable = {{
    {" BU10 GU10 ", {25, 49, 10.75, false}},
    {" BU12 GU12 GU14 ", {28, 52, 11.25, false}},
    {" BU14 WU17 ", {28, 55, 10.25, false}},
    {" MU17 ", {28, 58, 9.75, false}},
    {" MU21 M M1 M2 EM OM ", {49, 58, 9.75, false}},
    {" WU21 W W1 M35 M45 M55 EW OW ", {46, 55, 9.75, false}},
    {" W35 ", {40, 55, 9.75, false}},
    {" W45 W55 ", {40, 52, 9.75, false}},
    {" M65 M70 ", {43, 52, 9.75, false}},
    {" W65 W70 M75 W75 M80 W80 ", {28, 49, 11.25, false}},
}};

const std::array<DivisionRow, 7> kInternationalTable = {{
    {" MU17 ", {55, 58, 9.75, false}},
    {" WU17 W35 M45 ", {52, 55, 9.75, false}},
    {" W45 ", {49, 55, 9.75, false}},
    {" M55 ", {46, 55, 9.75, false}},
    {" W55 M65 ", {43, 52, 9.75, false}},
    {" W65 ", {40, 49, 9.75, false}},
    {" MU21 WU21 M35 IM IW ", {0, 0, 9.75, true}},
}};

std::optional<ScoringRow> RowOf(int rules, int division) {
  if (division < 0 || division >= kNoDivision) return std::nullopt;
  const std::string code = " " + DivisionCode(division) + " ";
  auto find = [&code](const auto& table) -> std::optional<ScoringRow> {
    for (const auto& entry : table)
      if (std::string_view(entry.divisions).find(code) != std::string_view::npos) return entry.row;
    return std::nullopt;
  };
  if (rules == kZetlRules) return find(kNationalTable);
  if (rules == kIwwfRules) return find(kInternationalTable);
  return std::nullopt;
}

// Speeds below the top count only on the division's ladder S0, S0 + 3, …, top − 3.
bool OnLadderBelowTop(double speed, const ScoringRow& row) {
  for (int s = row.startSpeed; s < row.topSpeed; s += 3)
    if (speed == s) return true;
  return false;
}

}  // namespace

std::optional<int> SlalomRopeStep(double rope) {
  for (std::size_t k = 0; k < kSlalomRopes.size(); ++k)
    if (rope == kSlalomRopes[k]) return static_cast<int>(k);
  return std::nullopt;
}

std::optional<double> ComputeSlalomTotal(int rules, int division, double buoys, double speed, double rope) {
  // A negative or missing buoy count is no result either; the mask never produces one.
  if (!(buoys >= 0 && buoys <= 6)) return std::nullopt;
  auto row = RowOf(rules, division);
  if (!row) return std::nullopt;
  auto step = SlalomRopeStep(rope);
  if (row->ropeOnly) {
    if (!step) return std::nullopt;
    return buoys + 6.0 * *step;
  }
  if (speed != row->topSpeed) {
    if (!OnLadderBelowTop(speed, *row)) return std::nullopt;
    return buoys + 6.0 * (speed - row->startSpeed) / 3.0;
  }
  auto shortest = SlalomRopeStep(row->shortestRope);
  if (!step || *step > *shortest) return std::nullopt;
  return buoys + 6.0 * (row->topSpeed - row->startSpeed) / 3.0 + 6.0 * *step;
}

namespace {

struct Window {
  double low, high;
};

struct SpeedWindows {
  int speed;
  std::array<Window, 7> byBuoys;
};

// clang-format off
const std::array<SpeedWindows, 12> kTolerances = {{
    {25, {{{3.71, 4.07}, {9.40, 10.21}, {15.11, 16.34}, {20.83, 22.46}, {26.54, 28.58}, {32.26, 34.68}, {36.04, 38.70}}}},
    {28, {{{3.33, 3.61}, {8.43, 9.07}, {13.55, 14.51}, {18.68, 19.94}, {23.81, 25.37}, {28.94, 30.80}, {32.33, 34.37}}}},
    {31, {{{3.02, 3.25}, {7.65, 8.15}, {12.29, 13.05}, {16.93, 17.93}, {21.58, 22.82}, {26.24, 27.70}, {29.31, 30.90}}}},
    {34, {{{2.76, 2.95}, {6.99, 7.41}, {11.24, 11.85}, {15.49, 16.29}, {19.74, 20.73}, {23.99, 25.16}, {26.81, 28.08}}}},
    {37, {{{2.54, 2.71}, {6.44, 6.79}, {10.35, 10.86}, {14.27, 14.93}, {18.19, 18.99}, {22.11, 23.06}, {24.70, 25.73}}}},
    {40, {{{2.36, 2.50}, {5.97, 6.26}, {9.60, 10.02}, {13.23, 13.78}, {16.86, 17.53}, {20.50, 21.27}, {22.89, 23.74}}}},
    {43, {{{2.20, 2.32}, {5.56, 5.81}, {8.94, 9.30}, {12.33, 12.78}, {15.71, 16.27}, {19.10, 19.75}, {21.34, 22.03}}}},
    {46, {{{2.06, 2.16}, {5.21, 5.42}, {8.37, 8.68}, {11.54, 11.93}, {14.71, 15.18}, {17.88, 18.42}, {19.98, 20.56}}}},
    {49, {{{1.94, 2.03}, {4.90, 5.08}, {7.87, 8.13}, {10.85, 11.18}, {13.83, 14.22}, {16.81, 17.27}, {18.78, 19.27}}}},
    {52, {{{1.83, 1.91}, {4.62, 4.78}, {7.43, 7.65}, {10.24, 10.52}, {13.05, 13.39}, {15.87, 16.25}, {17.72, 18.13}}}},
    {55, {{{1.73, 1.80}, {4.37, 4.51}, {7.03, 7.23}, {9.69, 9.93}, {12.35, 12.64}, {15.02, 15.34}, {16.86, 17.04}}}},
    {58, {{{1.64, 1.71}, {4.15, 4.28}, {6.67, 6.84}, {9.20, 9.41}, {11.73, 11.97}, {14.25, 14.53}, {16.00, 16.16}}}},
}};
// clang-format on

}  // namespace

bool SlalomTimeAccepted(int speed, int buoys, double time) {
  if (buoys < 0 || buoys > 6) return false;
  for (const auto& s : kTolerances) {
    if (s.speed != speed) continue;
    const Window& w = s.byBuoys[static_cast<std::size_t>(buoys)];
    return time >= w.low && time <= w.high;
  }
  return false;
}

bool IsNumericText(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (!((c >= '0' && c <= '9') || c == '.')) return false;
  return true;
}

int RunoffPlaceOf(double result) {
  // A two-decimal result lowered by (n - 1) thousandths shows 1 - (n - 1) / 10 of a hundredth.
  const double scaled = result * 100.0;
  const double tenths = (scaled - std::floor(scaled)) * 10.0;
  const double step = std::round(tenths);
  if (step < 1 || step > 9 || std::abs(tenths - step) > 0.1) return 0;
  return 11 - static_cast<int>(step);
}

double WithoutRunoff(double result) {
  int place = RunoffPlaceOf(result);
  if (place == 0) return result;
  return std::round((result + (place - 1) * 0.001) * 100.0) / 100.0;
}

double WithRunoff(double announced, int place) {
  if (place < 2) return announced;
  return announced - (place - 1) * 0.001;
}
