#include "core/timing_files.h"

#include "core/divisions.h"
#include "core/errors.h"
#include "core/event_files.h"
#include "core/output_target.h"
#include "core/skier_ops.h"
#include "core/text.h"

namespace {

constexpr int kTimedDivisions = 60;  // the adapted divisions have no boat timing

std::string Join(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i) line += ';';
    line += fields[i];
  }
  return line + "\r\n";
}

// Men's divisions are even, women's odd.
const char* SexLetter(int division) { return division % 2 == 0 ? "M" : "F"; }

// Every skier of the division in list order. The list is walked directly rather than through the
// division work list, which holds 300 skiers: a larger division is written whole, without a word.
template <typename F>
void ForEachTimedSkier(const Tournament& t, char event, F&& f) {
  for (int r = 1; r <= t.RoundCount; ++r)
    for (int d = 0; d < kTimedDivisions; ++d)
      t.skiers.ForEach([&](const TSkier& s) {
        if (s.Division == d && EnteredIn(s, event)) f(s, d, static_cast<std::size_t>(r));
      });
}

}  // namespace

std::string SlalomTimingText(const Tournament& t) {
  std::string text = "Slalom Timing Data\r\n";
  const std::string sanction = t.info.SanctionNo.str();
  ForEachTimedSkier(t, 'S', [&](const TSkier& s, int d, std::size_t r) {
    std::vector<std::string> f = {sanction, DivisionCode(d), s.Surname.str(), Fixed(s.SlalomSpeed[r], 2, 0)};
    for (std::size_t pass = 1; pass <= 8; ++pass) f.push_back(s.SlalomTime1[pass][r].str());
    f.push_back(s.SlalomClass[r].str());
    f.push_back(s.SlalomBoat[r].str());
    text += Join(f);
  });
  return text + "End\r\n";
}

std::string JumpTimingText(const Tournament& t) {
  std::string text = "Jump Timing Data\r\n";
  const std::string sanction = t.info.SanctionNo.str();
  ForEachTimedSkier(t, 'J', [&](const TSkier& s, int d, std::size_t r) {
    for (std::size_t pass = 1; pass <= 4; ++pass) {
      // The third segment of a jump pass is kept in the trick time field of the record.
      text += Join({sanction, DivisionCode(d), SexLetter(d), Fixed(s.JumpSpeed[r], 2, 0), s.JumpTime1[pass][r].str(),
                    s.JumpTime2[pass][r].str(), s.TrickTime1[pass][r].str(), "Timer", "", s.Surname.str(),
                    s.FirstName.str(), std::to_string(r), std::to_string(pass), s.JumpClass[r].str(),
                    s.JumpBoat[r].str()});
    }
  });
  return text + "End\r\n";
}

void WriteTimingFiles(const Tournament& t, FileSystem& fs) {
  const std::string base = t.EventBase.str();
  WriteOutputFileIfChanged(fs, t, base + "-jumptimes.txt", JumpTimingText(t));
  WriteOutputFileIfChanged(fs, t, base + "-slalomtimes.txt", SlalomTimingText(t));
}
