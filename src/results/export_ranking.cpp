#include "results/export_ranking.h"

#include <algorithm>

#include "core/divisions.h"
#include "core/skier_ops.h"
#include "results/export_fields.h"

namespace {

double ZetlOffset(int division) {
  switch (division) {
    case 12: return -36;                               // MU17
    case 13: return -30;                               // WU17
    case 14: case 15: case 16: case 17: case 22:       // MU21, WU21, M, W, M3
    case 24: case 26: case 28: case 50: case 51:       // M4, M5, M6, EM, EW
      return 6;
    case 23: case 25: return -6;                       // W3, W4
    default: return 0;
  }
}

double IwwfOffset(int division) {
  switch (division) {
    case 12: case 13: return 18;                       // MU17, WU17
    case 14: case 15: case 56: case 57: return 24;     // MU21, WU21, IM, IW
    default: return 0;
  }
}

std::string_view RoundClass(const TSkier& s, char event, int r) {
  switch (event) {
    case 'S': return s.SlalomClass[r].view();
    case 'T': return s.TrickClass[r].view();
    default: return s.JumpClass[r].view();
  }
}

std::vector<std::string> LineFields(const Tournament& t, const TSkier& s, char event, int r) {
  std::vector<std::string> f = {ExportSurname(s.Surname.view()),
                                ExportFirstName(s.FirstName.view()),
                                s.MemberId.str(),
                                "1",
                                s.Fed.str(),
                                RankingSex(s.Division),
                                t.info.SanctionNo.str()};
  if (event == 'S') {
    f.insert(f.end(), {ExportFixed(RankingSlalomScore(s, r, t.RulesMode()), 5, 2), "", "",
                       ExportFixed(s.SlalomBuoys[r], 5, 2)});
  } else if (event == 'T') {
    f.insert(f.end(), {"", ExportFixed(s.TrickScore[r], 5, 0), "", ""});
  } else {
    f.insert(f.end(), {"", "", ExportFixed(JumpRoundResult(s, r), 1, 1), ""});
  }
  f.push_back(s.BirthYear.str());
  f.push_back(ClassMark(RoundClass(s, event, r)));
  f.push_back(std::to_string(r));
  f.push_back(DivisionCode(s.Division));
  if (event == 'S') {
    f.push_back(ExportFixed(s.SlalomRope[r], 5, 2));
    f.push_back(ExportFixed(s.SlalomSpeed[r], 2, 0));
  } else {
    f.insert(f.end(), {"", ""});
  }
  f.push_back(t.info.StartDate.str());
  f.insert(f.end(), {"", "", "Y", ""});
  f.push_back(PlaceOrEmpty(PlaceOf(s, event)));
  f.push_back(s.Fed.str() + s.MemberId.str());
  f.push_back(t.settings.SiteCode.str());
  return f;
}

}  // namespace

double RankingSlalomScore(const TSkier& s, int round, int rulesMode) {
  const double score = s.SlalomScore[round];
  if (rulesMode == kZetlRules) return score + ZetlOffset(s.Division);
  if (rulesMode == kIwwfRules) return score + IwwfOffset(s.Division);
  return score;
}

std::string RankingSex(int division) {
  if ((division >= 0 && division <= 35) || division == 50 || division == 51 || division == 54 ||
      division == 55 || division == 56 || division == 57)
    return division % 2 == 0 ? "M" : "F";
  return "";
}

std::string ClassMark(std::string_view roundClass) {
  if (roundClass == "3") return "L";
  if (roundClass == "4") return "R";
  return "C";
}

std::vector<std::string> RankingLines(const Tournament& t) {
  std::vector<std::string> out;
  const int rounds = std::min(std::max(t.RoundCount, 1), 4);
  t.skiers.ForEach([&](const TSkier& s) {
    for (char event : {'S', 'T', 'J'}) {
      if (!EnteredIn(s, event)) continue;
      for (int r = 1; r <= rounds; ++r)
        if (RoundResult(s, event, r) > 0) out.push_back(JoinFields(LineFields(t, s, event, r), ';'));
    }
  });
  return out;
}
