#include "results/score_log.h"

#include <functional>

#include "core/divisions.h"
#include "core/skier_identity.h"
#include "core/text.h"
#include "scoring/jump.h"

namespace {

// A value of a round that makes up an event's result, titled as the score grids title it.
struct ResultField {
  const char* title;
  std::function<double(const TSkier&, std::size_t)> value;
  bool jumpDistance = false;  // shown as Pass, Fall or DSQ where it is one of those codes
};

std::vector<ResultField> FieldsOf(char event) {
  switch (event) {
    case 'S':
      return {{"LastPass", [](const TSkier& s, std::size_t r) { return s.SlalomBuoys[r]; }},
              {"Speed", [](const TSkier& s, std::size_t r) { return s.SlalomSpeed[r]; }},
              {"Rope", [](const TSkier& s, std::size_t r) { return s.SlalomRope[r]; }},
              {"Total", [](const TSkier& s, std::size_t r) { return s.SlalomScore[r]; }}};
    case 'T':
      return {{"Pass 1", [](const TSkier& s, std::size_t r) { return s.TrickPass1[r]; }},
              {"Pass 2", [](const TSkier& s, std::size_t r) { return s.TrickPass2[r]; }},
              {"Total", [](const TSkier& s, std::size_t r) { return s.TrickScore[r]; }}};
    case 'J':
      return {{"Jump 1", [](const TSkier& s, std::size_t r) { return s.JumpDistance[1][r]; }, true},
              {"Jump 2", [](const TSkier& s, std::size_t r) { return s.JumpDistance[2][r]; }, true},
              {"Jump 3", [](const TSkier& s, std::size_t r) { return s.JumpDistance[3][r]; }, true},
              {"Ramp", [](const TSkier& s, std::size_t r) { return s.JumpRamp[r]; }},
              {"Speed", [](const TSkier& s, std::size_t r) { return s.JumpSpeed[r]; }}};
    default:
      return {};
  }
}

}  // namespace

std::string ScoreChangeText(const TSkier& before, const TSkier& after, char event, int round) {
  if (round < 1 || round > 4) return "";
  const auto r = static_cast<std::size_t>(round);
  std::string changes;
  for (const ResultField& f : FieldsOf(event)) {
    const double was = f.value(before, r), now = f.value(after, r);
    if (was == now) continue;
    auto text = [&f](double v) { return f.jumpDistance ? FormatJumpDistance(v) : Shortest(v); };
    changes += (changes.empty() ? "" : ", ") + std::string(f.title) + " " + text(was) + " -> " + text(now);
  }
  if (changes.empty()) return "";
  return after.Surname.str() + "," + after.FirstName.str() + " " + DivisionCode(after.Division) + " " +
         EventName(event) + " Rnd" + std::to_string(round) + " " + changes;
}

std::vector<std::string> WorkListScoreChanges(const Tournament& t, const WorkList& list, char event,
                                              int round) {
  std::vector<std::string> lines;
  for (const TSkier& now : list.skiers) {
    const TSkier* stored = FindSkier(t, IdentityOf(now));
    if (!stored) continue;  // writing back stores nothing for a skier no longer in the list
    std::string line = ScoreChangeText(*stored, now, event, round);
    if (!line.empty()) lines.push_back(std::move(line));
  }
  return lines;
}
