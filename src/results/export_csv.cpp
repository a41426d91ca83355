#include "results/export_csv.h"

#include <algorithm>

#include "core/divisions.h"
#include "results/export_fields.h"

namespace {

double IwwfCsvOffset(int division) {
  switch (division) {
    case 12: case 13: return 12;                       // MU17, WU17
    case 14: case 15: case 16: case 17: case 22:       // MU21, WU21, M, W, M3
    case 24: case 26: case 28: case 50: case 51:       // M4, M5, M6, EM, EW
      return -6;
    case 23: case 25: return 6;                        // W3, W4
    default: return 0;
  }
}

bool HasRoundResult(const TSkier& s, int r) {
  return s.SlalomScore[r] > 0 || s.TrickScore[r] > 0 || JumpRoundResult(s, r) > 0;
}

std::string IntegerOrEmpty(double v) { return v > 0 ? ExportFixed(v, 1, 0) : std::string(); }

std::vector<std::string> LineFields(const Tournament& t, const TSkier& s, int r) {
  const bool withSlalom = t.RulesMode() != kAdaptedRules;
  const double jump = JumpRoundResult(s, r);
  std::vector<std::string> f = {t.info.StartDate.str(),
                                t.info.EventType.str(),
                                ExportSurname(s.Surname.view()),
                                ExportFirstName(s.FirstName.view()),
                                s.MemberId.str(),
                                s.Team.str(),
                                DivisionCode(s.SlalomRoundDiv[1])};
  if (withSlalom) {
    f.push_back(ExportFixed(s.SlalomSpeed[r], 2, 0));
    f.push_back(ExportFixed(s.SlalomRope[r], 5, 2));
    f.push_back(ExportFixed(CsvSlalomScore(s, r, t.RulesMode()), 5, 2));
  }
  f.push_back(PlaceOrEmpty(s.SlalomPlace));
  f.push_back(IntegerOrEmpty(s.TrickScore[r]));
  f.push_back(PlaceOrEmpty(s.TrickPlace));
  f.push_back(jump > 0 ? ExportFixed(s.JumpRamp[r], 5, 3) : std::string());
  f.push_back(jump > 0 ? ExportFixed(jump, 4, 1) : std::string());
  f.push_back(jump > 0 ? PlaceOrEmpty(s.JumpPlace) : std::string());
  f.push_back(std::to_string(r));
  f.push_back(t.info.SanctionNo.str());
  return f;
}

}  // namespace

double CsvSlalomScore(const TSkier& s, int round, int rulesMode) {
  const double score = s.SlalomScore[round];
  // A skier entered in slalom is shifted even for a round without buoys (0 is a result); a line
  // of a skier who does not ski slalom carries no slalom score to shift.
  if (rulesMode != kIwwfRules || !EnteredIn(s, 'S')) return score;
  return score + IwwfCsvOffset(s.Division);
}

std::vector<std::string> ResultsCsvLines(const Tournament& t) {
  std::vector<std::string> out;
  const int rounds = std::min(std::max(t.RoundCount, 1), 4);
  t.skiers.ForEach([&](const TSkier& s) {
    for (int r = 1; r <= rounds; ++r)
      if (HasRoundResult(s, r)) out.push_back(JoinFields(LineFields(t, s, r), ','));
  });
  return out;
}
