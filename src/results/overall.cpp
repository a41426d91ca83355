#include "results/overall.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "core/divisions.h"
#include "core/skier_ops.h"
#include "core/work_list.h"

namespace {

// --- the points formula of every rule set, event and division ---

using Kind = PointsFormula::Kind;

PointsFormula Ratio(double offset, double minResult = 0) { return {Kind::Ratio, offset, 1, minResult}; }
PointsFormula Fixed(double offset, double divisor, double minResult = 0) {
  return {Kind::Fixed, offset, divisor, minResult};
}

struct Row {
  std::string_view codes[9];
  PointsFormula formula;
};

bool Lists(const Row& row, std::string_view code) {
  for (std::string_view c : row.codes)
    if (!c.empty() && c == code) return true;
  return false;
}

std::optional<PointsFormula> ZetlJump(std::string_view code) {
  static const std::array<Row, 13> rows{{
      {{"BU12"}, Fixed(-8, 25.3)},
      {{"GU12", "GU14"}, Fixed(-7, 20)},
      {{"BU14", "M55"}, Fixed(-10, 25.3)},
      {{"MU17", "M3", "M35"}, Ratio(-20)},
      {{"WU17"}, Ratio(-13)},
      {{"MU21", "M", "EM", "OM"}, Ratio(-25)},
      {{"WU21", "W", "EW", "OW"}, Ratio(-17)},
      {{"W3"}, Ratio(-7)},
      {{"M4", "M45"}, Ratio(-15)},
      {{"W4", "M7", "M8", "M9", "W45", "M65", "M70", "M75", "M80"}, Ratio(0)},
      {{"M5", "M6"}, Ratio(-10)},
      {{"W5", "W6", "W55"}, Ratio(5)},
      {{"W7", "W8", "W9", "W65", "W70", "W75", "W80"}, Ratio(10)},
  }};
  for (const Row& r : rows)
    if (Lists(r, code)) return r.formula;
  return std::nullopt;
}

struct IwwfRow {
  std::string_view codes[2];
  PointsFormula slalom, trick, jump;
};

std::optional<PointsFormula> Iwwf(char event, std::string_view code) {
  static const std::array<IwwfRow, 16> rows{{
      {{"BU10"}, Fixed(0, 67, 6), Fixed(0, 4000), Fixed(0, 21.9)},
      {{"GU10"}, Fixed(0, 61, 6), Fixed(0, 2720), Fixed(10, 21.4)},
      {{"BU14"}, Fixed(0, 56, 6), Fixed(0, 6630), Fixed(-10, 25.3)},
      {{"GU14"}, Fixed(0, 56, 6), Fixed(0, 5300), Fixed(-7, 20)},
      {{"MU17"}, Ratio(12, 6), Ratio(0), Ratio(-20)},
      {{"WU17"}, Ratio(12, 6), Ratio(0), Ratio(-13)},
      {{"MU21", "IM"}, Ratio(12, 12), Ratio(0), Ratio(-25)},
      {{"WU21", "IW"}, Ratio(12, 12), Ratio(0), Ratio(-17)},
      {{"M35"}, Ratio(0, 6), Ratio(0), Ratio(-20)},
      {{"W35"}, Ratio(0, 6), Ratio(0), Ratio(-7)},
      {{"M45"}, Ratio(0, 6), Ratio(0), Ratio(-15)},
      {{"W45"}, Ratio(0, 6), Ratio(0), Ratio(0)},
      {{"M55"}, Ratio(0, 6), Ratio(0), Ratio(-10)},
      {{"W55"}, Ratio(0, 6), Ratio(0), Ratio(5)},
      {{"M65"}, Ratio(0, 6), Ratio(0), Ratio(0)},
      {{"W65"}, Ratio(0, 6), Ratio(0), Ratio(10)},
  }};
  auto pick = [&](const IwwfRow& r) { return event == 'S' ? r.slalom : event == 'T' ? r.trick : r.jump; };
  for (const IwwfRow& r : rows)
    for (std::string_view c : r.codes)
      if (!c.empty() && c == code) return pick(r);
  return std::nullopt;
}

struct AdaptedRow {
  std::string_view code;
  double slalom, trick, jump;
};

std::optional<PointsFormula> Adapted(char event, std::string_view code) {
  static const std::array<AdaptedRow, 26> rows{{
      {"MMP1", 6, 400, 6},        {"MMP2", 25.5, 540, 13},  {"MMP3", 43, 260, 17.9}, {"MMP4", 43, 260, 6},
      {"MMP5", 43, 260, 6},       {"MA", 50, 700, 32.5},    {"ML", 42.5, 300, 6.4},  {"MAL1", 43, 160, 5.4},
      {"MAL2", 20, 1190, 4},      {"MLP", 42.51, 750, 12},  {"MV1", 66, 430, 10},    {"MV2", 60, 430, 14.9},
      {"MV3", 60, 430, 14.9},     {"WMP1", 3, 200, 5},      {"WMP2", 20.75, 500, 10}, {"WMP3", 20.75, 680, 12},
      {"WMP4", 20.75, 200, 6},    {"WMP5", 20.75, 200, 6},  {"WA", 30, 350, 10},     {"WL", 39, 200, 6},
      {"WAL1", 32.5, 80, 6.4},    {"WAL2", 16, 1190, 5},    {"WLP", 39, 300, 8},     {"WV1", 54, 220, 7},
      {"WV2", 60, 220, 8},        {"WV3", 60, 220, 8},
  }};
  for (const AdaptedRow& r : rows)
    if (r.code == code) return Fixed(0, event == 'S' ? r.slalom : event == 'T' ? r.trick : r.jump);
  return std::nullopt;
}

}  // namespace

std::optional<PointsFormula> FindPointsFormula(int rulesMode, char event, int division) {
  if (event != 'S' && event != 'T' && event != 'J') return std::nullopt;
  const std::string code = DivisionCode(division);
  if (code == "XX") return std::nullopt;
  switch (rulesMode) {
    case kZetlRules:
      if (event != 'J') return Ratio(0);
      return ZetlJump(code);
    case kAwsaRules:
      if (event != 'J') return Ratio(0);
      return PointsFormula{Kind::Square, 0, 1, 0};
    case kIwwfRules: return Iwwf(event, code);
    case kAdaptedRules: return Adapted(event, code);
    default: return std::nullopt;
  }
}

namespace {

constexpr int kCatalogueSize = 86;  // divisions 0..85
constexpr int kFirstJumpingDivision = 2;  // B1 and G1 do not jump

bool EnteredInAllThree(const TSkier& s) { return EnteredIn(s, 'S') && EnteredIn(s, 'T') && EnteredIn(s, 'J'); }

// The result that earns the points: round 1 under first-round placement, else the best round.
double PointsResult(const TSkier& s, char event, bool firstRoundOnly) {
  double result = RoundResult(s, event, 1);
  if (firstRoundOnly) return result;
  for (int r = 2; r <= 4; ++r) result = std::max(result, RoundResult(s, event, r));
  return result;
}

void ScoreDivision(const Tournament& t, char event, int division, std::vector<TSkier*>& contenders) {
  const bool firstRoundOnly = t.PlaceMode() == 'F';
  double best = 0;
  for (TSkier* s : contenders) best = std::max(best, PointsResult(*s, event, firstRoundOnly));
  const auto formula = FindPointsFormula(t.RulesMode(), event, division);
  for (TSkier* s : contenders) {
    double& points = PointsOf(*s, event);
    points = 0;
    if (best <= 0 || !formula) continue;
    points = EventPoints(*formula, PointsResult(*s, event, firstRoundOnly), best);
  }
}

}  // namespace

double EventPoints(const PointsFormula& f, double result, double best) {
  if (best <= 0 || result < f.minResult) return 0;
  double fraction = 0;
  switch (f.kind) {
    case PointsFormula::Kind::Ratio: {
      double denominator = best + f.offset;
      if (denominator <= 0) return 0;
      fraction = (result + f.offset) / denominator;
      break;
    }
    case PointsFormula::Kind::Fixed: fraction = (result + f.offset) / f.divisor; break;
    case PointsFormula::Kind::Square: fraction = (result * result) / (best * best); break;
  }
  return std::max(0.0, fraction * 1000);
}

void ComputeEventPoints(Tournament& t, char event) {
  std::array<std::vector<TSkier*>, kCatalogueSize> byDivision;
  t.ChangeEachSkier([&](TSkier& s) {
    if (s.Division < kCatalogueSize && EnteredInAllThree(s)) byDivision[s.Division].push_back(&s);
  });
  const int first = event == 'J' ? kFirstJumpingDivision : 0;
  for (int d = first; d < kCatalogueSize; ++d)
    if (!byDivision[static_cast<std::size_t>(d)].empty())
      ScoreDivision(t, event, d, byDivision[static_cast<std::size_t>(d)]);
}

void ComputeOverallScores(Tournament& t) {
  t.ChangeEachSkier([](TSkier& s) {
    if (s.SlalomPoints > 0 && s.TrickPoints > 0 && s.JumpRankScore > 0)
      s.OverallScore = s.SlalomPoints + s.TrickPoints + s.JumpPoints;
    else
      s.OverallScore = 0;
    // The two youngest divisions ski no jump: slalom and trick make their overall.
    if (s.Division < kFirstJumpingDivision && s.SlalomPoints > 0 && s.TrickPoints > 0)
      s.OverallScore = s.SlalomPoints + s.TrickPoints;
  });
}

Outcome PlaceOverall(Tournament& t, int division) {
  Outcome out;
  WorkList all = DivisionList(t, division);
  if (all.overfull) out.Tell(OverfullMessage(division));
  std::vector<TSkier>& list = all.skiers;
  std::stable_sort(list.begin(), list.end(),
                   [](const TSkier& a, const TSkier& b) { return a.OverallScore > b.OverallScore; });
  int counter = 1;
  for (std::size_t i = 0; i < list.size(); ++i) {
    TSkier& s = list[i];
    if (s.OverallScore <= 0) {
      s.OverallPlace = 0;
      continue;
    }
    if (i == 0) {
      s.OverallPlace = 1;
      continue;
    }
    ++counter;
    const TSkier& above = list[i - 1];
    s.OverallPlace = s.OverallScore < above.OverallScore ? counter : above.OverallPlace;
  }
  for (const TSkier& s : list) t.StoreSkier(s);
  return out;
}
