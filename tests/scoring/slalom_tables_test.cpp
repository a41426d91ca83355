// The slalom ladders, division rows and boat-time windows row by row, as the rule books print them.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "core/divisions.h"
#include "scoring/slalom.h"

namespace {

constexpr double kRopes[] = {18.25, 16.00, 14.25, 13.00, 12.00, 11.25, 10.75, 10.25, 9.75};  // step k = index

int Step(double rope) {
  for (int k = 0; k < 9; ++k)
    if (kRopes[k] == rope) return k;
  return -1;
}

struct DivisionRow {
  int rules;
  const char* codes;  // separated by blanks
  double start, top, shortest;
};

const DivisionRow kSpeedRows[] = {
    {kZetlRules, "BU10 GU10", 25, 49, 10.75},
    {kZetlRules, "BU12 GU12 GU14", 28, 52, 11.25},
    {kZetlRules, "BU14 WU17", 28, 55, 10.25},
    {kZetlRules, "MU17", 28, 58, 9.75},
    {kZetlRules, "MU21 M M1 M2 EM OM", 49, 58, 9.75},
    {kZetlRules, "WU21 W W1 M35 M45 M55 EW OW", 46, 55, 9.75},
    {kZetlRules, "W35", 40, 55, 9.75},
    {kZetlRules, "W45 W55", 40, 52, 9.75},
    {kZetlRules, "M65 M70", 43, 52, 9.75},
    {kZetlRules, "W65 W70 M75 W75 M80 W80", 28, 49, 11.25},
    {kIwwfRules, "MU17", 55, 58, 9.75},
    {kIwwfRules, "WU17 W35 M45", 52, 55, 9.75},
    {kIwwfRules, "W45", 49, 55, 9.75},
    {kIwwfRules, "M55", 46, 55, 9.75},
    {kIwwfRules, "W55 M65", 43, 52, 9.75},
    {kIwwfRules, "W65", 40, 49, 9.75},
};
const char* const kIwwfRopeOnly = "MU21 WU21 M35 IM IW";

std::set<std::string> Codes(const char* codes) {
  std::set<std::string> out;
  std::istringstream in(codes);
  for (std::string c; in >> c;) out.insert(c);
  return out;
}

}  // namespace

TEST(SlalomTables, SpeedAndRopeLadders) {
  const double speeds[] = {58, 55, 52, 49, 46, 43, 40, 37, 34, 31, 28, 25};
  ASSERT_EQ(kSlalomSpeeds.size(), std::size(speeds));
  for (std::size_t i = 0; i < std::size(speeds); ++i) EXPECT_EQ(kSlalomSpeeds[i], speeds[i]);
  for (int k = 0; k < 9; ++k) EXPECT_EQ(SlalomRopeStep(kRopes[k]), k) << kRopes[k];
  EXPECT_EQ(SlalomRopeStep(9.25), std::nullopt);
}

// Each row: the starting speed scores the buoys alone, each 3 km/h above it 6 more, the top speed
// adds 6 a rope step down to the row's shortest rope; one step slower, faster or shorter scores nothing.
TEST(SlalomTables, SpeedScoredDivisionsRowByRow) {
  for (const DivisionRow& row : kSpeedRows)
    for (const std::string& code : Codes(row.codes)) {
      SCOPED_TRACE(std::to_string(row.rules) + " " + code);
      const int d = FindDivision(code).value();
      auto total = [&](double speed, double rope) {
        return ComputeSlalomTotal(row.rules, d, 2.5, speed, rope);
      };
      const double full = 6 * (row.top - row.start) / 3;
      EXPECT_EQ(total(row.start, 10.25), 2.5);
      if (row.start > 25) {
        EXPECT_EQ(total(row.start - 3, 18.25), std::nullopt);
      }
      EXPECT_EQ(total(row.top - 3, 18.25), 2.5 + full - 6);
      EXPECT_EQ(total(row.top, 18.25), 2.5 + full);
      EXPECT_EQ(total(row.top, row.shortest), 2.5 + full + 6 * Step(row.shortest));
      if (Step(row.shortest) < 8) {
        EXPECT_EQ(total(row.top, kRopes[Step(row.shortest) + 1]), std::nullopt);
      }
      EXPECT_EQ(total(row.top + 3, 18.25), std::nullopt);
    }
}

TEST(SlalomTables, RopeOnlyDivisionsScoreEveryRopeStepAtAnySpeed) {
  for (const std::string& code : Codes(kIwwfRopeOnly))
    for (int k = 0; k < 9; ++k)
      for (double speed : {25.0, 46.0, 58.0})
        EXPECT_EQ(ComputeSlalomTotal(kIwwfRules, FindDivision(code).value(), 1.5, speed, kRopes[k]),
                  1.5 + 6 * k)
            << code << " " << kRopes[k] << " at " << speed;
}

TEST(SlalomTables, DivisionsWithoutARowAreNotScored) {
  std::set<std::string> zetl, iwwf = Codes(kIwwfRopeOnly);
  for (const DivisionRow& row : kSpeedRows)
    for (const std::string& code : Codes(row.codes)) (row.rules == kZetlRules ? zetl : iwwf).insert(code);
  for (int d = 0; d <= kNoDivision; ++d)
    for (double speed : kSlalomSpeeds) {
      if (!zetl.count(DivisionCode(d))) {
        EXPECT_EQ(ComputeSlalomTotal(kZetlRules, d, 2, speed, 18.25), std::nullopt) << d << " " << speed;
      }
      if (!iwwf.count(DivisionCode(d))) {
        EXPECT_EQ(ComputeSlalomTotal(kIwwfRules, d, 2, speed, 18.25), std::nullopt) << d << " " << speed;
      }
    }
}

// Every cell low–high of the boat-time table: both bounds accepted, a hundredth outside refused.
TEST(SlalomTables, BoatTimeWindowsCellByCell) {
  struct Row {
    int speed;
    double cells[7][2];  // 0 to 6 buoys
  } rows[] = {
      // clang-format off
      {25, {{3.71, 4.07}, {9.40, 10.21}, {15.11, 16.34}, {20.83, 22.46}, {26.54, 28.58}, {32.26, 34.68}, {36.04, 38.70}}},
      {28, {{3.33, 3.61}, {8.43, 9.07}, {13.55, 14.51}, {18.68, 19.94}, {23.81, 25.37}, {28.94, 30.80}, {32.33, 34.37}}},
      {31, {{3.02, 3.25}, {7.65, 8.15}, {12.29, 13.05}, {16.93, 17.93}, {21.58, 22.82}, {26.24, 27.70}, {29.31, 30.90}}},
      {34, {{2.76, 2.95}, {6.99, 7.41}, {11.24, 11.85}, {15.49, 16.29}, {19.74, 20.73}, {23.99, 25.16}, {26.81, 28.08}}},
      {37, {{2.54, 2.71}, {6.44, 6.79}, {10.35, 10.86}, {14.27, 14.93}, {18.19, 18.99}, {22.11, 23.06}, {24.70, 25.73}}},
      {40, {{2.36, 2.50}, {5.97, 6.26}, {9.60, 10.02}, {13.23, 13.78}, {16.86, 17.53}, {20.50, 21.27}, {22.89, 23.74}}},
      {43, {{2.20, 2.32}, {5.56, 5.81}, {8.94, 9.30}, {12.33, 12.78}, {15.71, 16.27}, {19.10, 19.75}, {21.34, 22.03}}},
      {46, {{2.06, 2.16}, {5.21, 5.42}, {8.37, 8.68}, {11.54, 11.93}, {14.71, 15.18}, {17.88, 18.42}, {19.98, 20.56}}},
      {49, {{1.94, 2.03}, {4.90, 5.08}, {7.87, 8.13}, {10.85, 11.18}, {13.83, 14.22}, {16.81, 17.27}, {18.78, 19.27}}},
      {52, {{1.83, 1.91}, {4.62, 4.78}, {7.43, 7.65}, {10.24, 10.52}, {13.05, 13.39}, {15.87, 16.25}, {17.72, 18.13}}},
      {55, {{1.73, 1.80}, {4.37, 4.51}, {7.03, 7.23}, {9.69, 9.93}, {12.35, 12.64}, {15.02, 15.34}, {16.86, 17.04}}},
      {58, {{1.64, 1.71}, {4.15, 4.28}, {6.67, 6.84}, {9.20, 9.41}, {11.73, 11.97}, {14.25, 14.53}, {16.00, 16.16}}},
      // clang-format on
  };
  for (const Row& row : rows)
    for (int b = 0; b <= 6; ++b) {
      const auto [low, high] = row.cells[b];
      SCOPED_TRACE(std::to_string(row.speed) + " km/h, " + std::to_string(b) + " buoys");
      EXPECT_TRUE(SlalomTimeAccepted(row.speed, b, low));
      EXPECT_TRUE(SlalomTimeAccepted(row.speed, b, high));
      EXPECT_FALSE(SlalomTimeAccepted(row.speed, b, low - 0.01));
      EXPECT_FALSE(SlalomTimeAccepted(row.speed, b, high + 0.01));
    }
}
