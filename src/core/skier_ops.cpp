#include "core/skier_ops.h"

#include <algorithm>
#include <span>
#include <utility>
#include <vector>

#include "core/divisions.h"
#include "core/skier_identity.h"
#include "core/text.h"
#include "core/work_list.h"

namespace {

constexpr int kMaxVisits = 300;

// Every pass time of every event and round "0.00".
void FillTimes(TSkier& s) {
  for (auto* times :
       {&s.SlalomTime1, &s.SlalomTime2, &s.TrickTime1, &s.TrickTime2, &s.JumpTime1, &s.JumpTime2})
    for (int p = 1; p <= 10; ++p)
      for (int r = 1; r <= 4; ++r) (*times)[p][r] = "0.00";
}

}  // namespace

double RoundResult(const TSkier& s, char event, int round) {
  switch (event) {
    case 'S': return s.SlalomScore[round];
    case 'T': return s.TrickScore[round];
    case 'J': return JumpRoundResult(s, round);
    default: return 0;
  }
}

double BestRoundResult(const TSkier& s, char event) {
  double best = 0;
  for (int r = 1; r <= 4; ++r) best = std::max(best, RoundResult(s, event, r));
  return best;
}

void BlankWorkingRecord(Tournament& t) {
  TSkier s{};
  s.Paid = "N";
  s.Division = kNoDivision;
  s.Fed = t.settings.Country.view();
  for (int r = 1; r <= 4; ++r) {
    s.SlalomRope[r] = 18.25;
    s.SlalomSpeed[r] = 25.0;
    s.JumpRamp[r] = 0.235;
    s.JumpSpeed[r] = 45.0;
    s.SlalomRoundDiv[r] = kNoDivision;
    s.TrickRoundDiv[r] = kNoDivision;
    s.JumpRoundDiv[r] = kNoDivision;
  }
  FillTimes(s);
  t.Working = s;
}

void InitSkierList(Tournament& t) {
  BlankWorkingRecord(t);
  TSkier head = t.Working;
  head.Surname = "AAAAA";
  head.FirstName = "AAAAA";
  TSkier tail = t.Working;
  tail.Surname = "zzzzz";
  tail.FirstName = "zzzzz";
  t.LoadSkiers({head, tail});
}

Outcome InsertOrReplace(Tournament& t, const TSkier& record) {
  if (!t.skiers.initialised()) InitSkierList(t);
  const auto& nodes = t.skiers.nodes();
  int visits = 1;
  for (auto it = std::next(nodes.begin()); it != nodes.end(); ++it) {
    const TSkier& node = *it;
    if (node.Surname == record.Surname && SameTextIgnoringCase(node.FirstName, record.FirstName) &&
        node.Division == record.Division && it != std::prev(nodes.end())) {
      t.ReplaceSkier(it, record);
      return {};
    }
    // The tail sentinel sorts after every upper-case surname; a surname above it still goes in
    // just before the tail.
    bool atTail = it == std::prev(nodes.end());
    if (atTail || node.Surname.compare(record.Surname) > 0) {
      t.InsertSkier(it, record);
      return {};
    }
    if (++visits >= kMaxVisits) break;
  }
  t.MarkChanged();
  return std::move(Outcome{}.Fail("System Error-Maximum Entry exceeded"));
}

namespace {
// A round already scored keeps the speed it was skied at; only unscored rounds take the default.
bool SlalomRoundScored(const TSkier& s, int r) { return s.SlalomScore[r] != 0 || s.SlalomBuoys[r] != 0; }
bool JumpRoundScored(const TSkier& s, int r) {
  return s.JumpDistance[1][r] != 0 || s.JumpDistance[2][r] != 0 || s.JumpDistance[3][r] != 0;
}
}  // namespace

Outcome AddWorkingRecord(Tournament& t, Random& random) {
  TSkier& w = t.Working;
  if (w.Surname.empty()) return {.ok = false, .messages = {}};
  w.EntryNo = t.EntryCounter + 1;
  for (int r = 1; r <= 4; ++r) {
    w.SlalomRoundDiv[r] = w.Division;
    w.TrickRoundDiv[r] = w.Division;
    w.JumpRoundDiv[r] = w.Division;
    std::string digit(1, t.info.ClassDigit);
    w.SlalomClass[r] = digit;
    w.TrickClass[r] = digit;
    w.JumpClass[r] = digit;
    if (auto s = DefaultSlalomSpeed(w.Division); s && !SlalomRoundScored(w, r)) w.SlalomSpeed[r] = *s;
    if (auto j = DefaultJumpSpeed(w.Division); j && !JumpRoundScored(w, r)) w.JumpSpeed[r] = *j;
  }
  Outcome stored = InsertOrReplace(t, w);
  if (w.Division == t.CurDivision) stored.Append(PrepareSelection(t, random, t.Selected()));
  return stored;
}

void DeleteAllSkiers(Tournament& t) {
  t.RemoveAllSkiers();
  t.ties = {};
}

void ClearAllScores(Tournament& t) {
  t.ChangeEachSkier([](TSkier& s) {
    s.Bib = "";
    s.Paid = "N";
    for (int r = 1; r <= 3; ++r) {
      s.SlalomSeed = std::max(s.SlalomSeed, s.SlalomScore[r]);
      s.TrickSeed = std::max(s.TrickSeed, s.TrickScore[r]);
      s.JumpSeed = std::max(s.JumpSeed, JumpRoundResult(s, r));
    }
    for (int r = 1; r <= 4; ++r) {
      s.SlalomBuoys[r] = s.SlalomSpeed[r] = s.SlalomScore[r] = s.SlalomRope[r] = s.SlalomUnused5[r] = 0;
      s.TrickPass1[r] = s.TrickPass2[r] = s.TrickScore[r] = s.TrickUnused4[r] = s.TrickUnused5[r] = 0;
      s.JumpDistance[1][r] = s.JumpDistance[2][r] = s.JumpDistance[3][r] = 0;
      s.JumpRamp[r] = s.JumpSpeed[r] = 0;
      s.SlalomRope[r] = 18.25;
      s.SlalomSpeed[r] = 40.0;
      s.JumpRamp[r] = 0.235;
      s.JumpSpeed[r] = 45.0;
      s.SlalomClass[r] = s.TrickClass[r] = s.JumpClass[r] = "";
      s.SlalomBoat[r] = s.TrickBoat[r] = s.JumpBoat[r] = "";
    }
    FillTimes(s);
    s.SlalomFinalist = s.TrickFinalist = s.JumpFinalist = 0;
    s.SlalomRankScore = s.TrickRankScore = s.JumpRankScore = 0;
    s.SlalomPlace = s.TrickPlace = s.JumpPlace = 0;
    s.SlalomPoints = s.TrickPoints = s.JumpPoints = 0;
    s.OverallScore = 0;
    s.OverallPlace = 0;
  }, true);
  // The finalist flags are gone, and with them the finals the lots were drawn for.
  t.ties = {};
}

void DrawTiesOfRound(Tournament& t, Random& random, int round) {
  if (round < 2 || t.settings.PlaceMode != 'L') return;
  for (char ev : {'S', 'T', 'J'})
    for (int d = 0; d < kDivisionCount; ++d) DrawTies(t, random, {d, ev, round});
}

int CountEntered(const Tournament& t, int division, char event) {
  int n = 0;
  t.skiers.ForEach([&](const TSkier& s) {
    if (s.Division == division && EnteredIn(s, event)) ++n;
  });
  return n;
}

double BestOverall(const Tournament& t, int division, char event) {
  double best = 0;
  t.skiers.ForEach([&](const TSkier& s) {
    if (s.Division != division) return;
    best = std::max(best, BestRoundResult(s, event));
  });
  return best;
}
