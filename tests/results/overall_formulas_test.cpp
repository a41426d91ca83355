// The points formula of every rule set, event and division, row by row as the rule books print
// them, and nothing for a division they do not list.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/divisions.h"
#include "results/overall.h"

namespace {

constexpr double kOverB = 0;  // in place of a divisor: the fraction is over (B + add)

// The fraction before × 1000: (S + add) / divisor, or (S + add) / (B + add) for kOverB; a result
// below `least` scores 0; `square` is S² / B².
struct Formula {
  double add = 0;
  double divisor = kOverB;
  double least = 0;
  bool square = false;
};

struct Row {
  int rules;
  char event;
  std::string codes;  // separated by blanks; "*" for every division
  Formula f;
};

Formula SoverB() { return {}; }
Formula Over(double add, double divisor, double least = 0) { return {add, divisor, least}; }
Formula Shift(double add, double least = 0) { return {add, kOverB, least}; }

const std::vector<Row>& Rows() {
  constexpr int V = kZetlRules, I = kIwwfRules, A = kAdaptedRules;
  static const std::vector<Row> rows = [] {
    std::vector<Row> r = {
        {V, 'J', "BU12", Over(-8, 25.3)},
        {V, 'J', "GU12 GU14", Over(-7, 20)},
        {V, 'J', "BU14 M55", Over(-10, 25.3)},
        {V, 'J', "MU17 M3 M35", Shift(-20)},
        {V, 'J', "WU17", Shift(-13)},
        {V, 'J', "MU21 M EM OM", Shift(-25)},
        {V, 'J', "WU21 W EW OW", Shift(-17)},
        {V, 'J', "W3", Shift(-7)},
        {V, 'J', "M4 M45", Shift(-15)},
        {V, 'J', "W4 M7 M8 M9 W45 M65 M70 M75 M80", SoverB()},
        {V, 'J', "M5 M6", Shift(-10)},
        {V, 'J', "W5 W6 W55", Shift(5)},
        {V, 'J', "W7 W8 W9 W65 W70 W75 W80", Shift(10)},
        {kAwsaRules, 'J', "*", {0, kOverB, 0, true}},
        {I, 'S', "BU10", Over(0, 67, 6)},
        {I, 'T', "BU10", Over(0, 4000)},
        {I, 'J', "BU10", Over(0, 21.9)},
        {I, 'S', "GU10", Over(0, 61, 6)},
        {I, 'T', "GU10", Over(0, 2720)},
        {I, 'J', "GU10", Over(10, 21.4)},
        {I, 'S', "BU14", Over(0, 56, 6)},
        {I, 'T', "BU14", Over(0, 6630)},
        {I, 'J', "BU14", Over(-10, 25.3)},
        {I, 'S', "GU14", Over(0, 56, 6)},
        {I, 'T', "GU14", Over(0, 5300)},
        {I, 'J', "GU14", Over(-7, 20)},
        {I, 'S', "MU17 WU17", Shift(12, 6)},
        {I, 'S', "MU21 IM WU21 IW", Shift(12, 12)},
        {I, 'T', "MU17 WU17 MU21 IM WU21 IW", SoverB()},
        {I, 'J', "MU17", Shift(-20)},
        {I, 'J', "WU17", Shift(-13)},
        {I, 'J', "MU21 IM", Shift(-25)},
        {I, 'J', "WU21 IW", Shift(-17)},
        {I, 'S', "M35 W35 M45 W45 M55 W55 M65 W65", Shift(0, 6)},
        {I, 'T', "M35 W35 M45 W45 M55 W55 M65 W65", SoverB()},
        {I, 'J', "M35", Shift(-20)},
        {I, 'J', "W35", Shift(-7)},
        {I, 'J', "M45", Shift(-15)},
        {I, 'J', "W45", SoverB()},
        {I, 'J', "M55", Shift(-10)},
        {I, 'J', "W55", Shift(5)},
        {I, 'J', "M65", SoverB()},
        {I, 'J', "W65", Shift(10)},
    };
    for (char e : {'S', 'T'})
      for (int rules : {V, int{kAwsaRules}}) r.push_back({rules, e, "*", SoverB()});
    // Adapted: division, then the slalom, trick and jump divisors.
    const std::string adapted =
        "MMP1 6 400 6  MMP2 25.5 540 13  MMP3 43 260 17.9  MMP4 43 260 6  MMP5 43 260 6  "
        "MA 50 700 32.5  ML 42.5 300 6.4  MAL1 43 160 5.4  MAL2 20 1190 4  MLP 42.51 750 12  "
        "MV1 66 430 10  MV2 60 430 14.9  MV3 60 430 14.9  WMP1 3 200 5  WMP2 20.75 500 10  "
        "WMP3 20.75 680 12  WMP4 20.75 200 6  WMP5 20.75 200 6  WA 30 350 10  WL 39 200 6  "
        "WAL1 32.5 80 6.4  WAL2 16 1190 5  WLP 39 300 8  WV1 54 220 7  WV2 60 220 8  WV3 60 220 8";
    std::istringstream in(adapted);
    std::string code;
    double s, t, j;
    while (in >> code >> s >> t >> j) {
      r.push_back({A, 'S', code, Over(0, s)});
      r.push_back({A, 'T', code, Over(0, t)});
      r.push_back({A, 'J', code, Over(0, j)});
    }
    return r;
  }();
  return rows;
}

bool Lists(const Row& row, const std::string& code) {
  if (row.codes == "*") return true;
  std::istringstream in(row.codes);
  std::string c;
  while (in >> c)
    if (c == code) return true;
  return false;
}

double Expected(const Formula& f, double s, double b) {
  if (s < f.least) return 0;
  const double fraction =
      f.square ? (s * s) / (b * b) : (s + f.add) / (f.divisor == kOverB ? b + f.add : f.divisor);
  return std::max(0.0, fraction * 1000);
}

double Points(int rules, char event, int division, double s, double b) {
  const auto f = FindPointsFormula(rules, event, division);
  return f ? EventPoints(*f, s, b) : 0;
}

// A result and a division best that every formula scores above 0 and tells apart.
std::pair<double, double> Sample(char event) {
  if (event == 'S') return {30, 40};
  if (event == 'T') return {3000, 5000};
  return {40, 50};
}

std::vector<int> Divisions() {
  std::vector<int> out;
  for (int d = 0; d < kNoDivision; ++d)
    if (d != 58 && d != 59) out.push_back(d);
  return out;
}

}  // namespace

TEST(PointsFormulas, EveryListedDivisionScoresByItsRow) {
  std::set<std::string> codes;
  for (int d : Divisions()) codes.insert(DivisionCode(d));
  for (const Row& row : Rows()) {
    const auto [s, b] = Sample(row.event);
    for (int d : Divisions()) {
      const std::string code = DivisionCode(d);
      if (!Lists(row, code)) continue;
      SCOPED_TRACE(std::to_string(row.rules) + " " + row.event + " " + code);
      EXPECT_NEAR(Points(row.rules, row.event, d, s, b), Expected(row.f, s, b), 1e-9);
      if (row.f.least > 0) {
        EXPECT_EQ(Points(row.rules, row.event, d, row.f.least - 0.25, b), 0.0);
        EXPECT_NEAR(Points(row.rules, row.event, d, row.f.least, b), Expected(row.f, row.f.least, b), 1e-9);
      }
    }
    std::istringstream in(row.codes);
    for (std::string c; in >> c;) EXPECT_TRUE(c == "*" || codes.count(c)) << c;
  }
}

TEST(PointsFormulas, DivisionsNoRowListsScoreNothing) {
  for (int rules : {int{kZetlRules}, int{kAwsaRules}, int{kIwwfRules}, int{kAdaptedRules}})
    for (char event : {'S', 'T', 'J'})
      for (int d : Divisions()) {
        const bool listed = std::any_of(Rows().begin(), Rows().end(), [&](const Row& r) {
          return r.rules == rules && r.event == event && Lists(r, DivisionCode(d));
        });
        if (listed) continue;
        const auto [s, b] = Sample(event);
        EXPECT_EQ(Points(rules, event, d, s, b), 0.0) << rules << " " << event << " " << DivisionCode(d);
      }
}
