// The awards placement summary and the tournament injury summary.
#include "printing/award_reports.h"

#include <array>
#include <stdexcept>

#include "core/divisions.h"
#include "core/text.h"

namespace {

constexpr int kNameColumn = 29;

struct PlaceNames {
  // [event 0..2 = slalom, trick, jump][place 0..2] the names in skier-list order.
  std::array<std::array<std::vector<std::string>, 3>, 3> event;
  std::array<std::string, 3> overall;  // the last skier in list order with the place
};

PlaceNames CollectPlaces(const Tournament& t, int division) {
  PlaceNames names;
  t.skiers.ForEach([&](const TSkier& s) {
    if (s.Division != division) return;
    const std::array<int, 3> places = {s.SlalomPlace, s.TrickPlace, s.JumpPlace};
    for (std::size_t e = 0; e < 3; ++e)
      if (places[e] >= 1 && places[e] <= 3)
        names.event[e][static_cast<std::size_t>(places[e] - 1)].push_back(FullName(s));
    if (s.OverallPlace >= 1 && s.OverallPlace <= 3)
      names.overall[static_cast<std::size_t>(s.OverallPlace - 1)] = FullName(s);
  });
  return names;
}

std::string PlaceLine(const PlaceNames& names, std::size_t p) {
  std::string line = " " + std::to_string(p + 1) + "  ";
  for (std::size_t e = 0; e < 3; ++e) {
    const auto& here = names.event[e][p];
    line += here.empty() ? std::string(kNameColumn + 1, ' ')
                         : PadRight(here.front(), kNameColumn) + " ";  // a longer name pushes on, whole
  }
  return line + names.overall[p];
}

// The skiers who share a place with the one on the place line, after the event's caption.
std::string TieLine(const PlaceNames& names, std::size_t p) {
  static const std::array<std::array<const char*, 4>, 3> captions = {{
      {" 1T sl: ", "", " tr: ", " ju: "},
      {" 2T sl:", "", " tr:", " ju:"},
      {" 3T ", "sl:", " tr:", " ju:"},
  }};
  const auto& c = captions[p];
  std::string line = std::string(c[0]) + c[1];
  for (std::size_t e = 0; e < 3; ++e) {
    if (e > 0) line += c[e + 1];
    const auto& here = names.event[e][p];
    for (std::size_t i = 1; i < here.size(); ++i) line += here[i] + ",";
  }
  return line;
}

bool Tied(const PlaceNames& names, std::size_t p) {
  for (std::size_t e = 0; e < 3; ++e)
    if (names.event[e][p].size() > 1) return true;
  return false;
}

std::string Rides(int entrants, int rounds) { return RightAlign(std::to_string(entrants * rounds), 4); }

}  // namespace

std::string FullName(const TSkier& s) { return s.FirstName.str() + " " + s.Surname.str(); }

const TSkier& NamedSkier(const Tournament& t, std::string_view name, std::string_view division) {
  const TSkier* found = nullptr;
  const std::string wanted = UpperCase(Trim(name)), code = Trim(division);
  t.skiers.ForEach([&](const TSkier& s) {
    if (!found && UpperCase(FullName(s)) == wanted && (code.empty() || DivisionCode(s.Division) == code)) found = &s;
  });
  if (!found)
    throw std::runtime_error("there is no skier \"" + std::string(name) + "\"" +
                             (code.empty() ? "" : " in division " + code) + " in the event");
  return *found;
}

const TSkier& OptionSkier(const ReportContext& c) {
  return NamedSkier(c.t, c.options.Get("skier"), c.options.Get("skier-division"));
}

DrawnBitmap TopLeftLogo(std::size_t atLine) { return {atLine, -2300, 10, 2000, 400, "zetllogo2015"}; }

ReportDocument AwardsSummary(ReportContext& c) {
  ReportDocument doc{"Awards Placement Summary", Orientation::Landscape, 10, {}, {}, {}};
  auto& lines = doc.lines;
  lines = {RightAlign("AWARDS PLACEMENT SUMMARY", 50),
           "                 ******************************************", ""};
  for (int division : DivisionsWithSkiers(c.t)) {
    const PlaceNames names = CollectPlaces(c.t, division);
    lines.push_back(
        " **" + DivisionCode(division) +
        "   SLALOM                        TRICK                         JUMP                     OVERALL");
    for (std::size_t p = 0; p < 3; ++p) {
      lines.push_back(PlaceLine(names, p));
      if (Tied(names, p)) lines.push_back(TieLine(names, p));
    }
    lines.push_back("");
  }
  return doc;
}

ReportDocument InjurySummary(ReportContext& c) {
  const Tournament& t = c.t;
  const TournamentInfo& info = t.info;
  int slalom = 0, trick = 0, jump = 0;
  t.skiers.ForEach([&](const TSkier& s) {
    slalom += !s.SlalomEntry.view().empty();
    trick += !s.TrickEntry.view().empty();
    jump += !s.JumpEntry.view().empty();
  });
  const std::string signature = "   DATE:_______________     SIGNED:_____________________________";
  const std::string caption(35, ' ');
  ReportDocument doc{"Tournament Injury Summary", Orientation::Portrait, 10, {}, {}, {TopLeftLogo()}};
  doc.lines = {
      "",
      "",
      "",
      "",
      "",
      RightAlign("TOURNAMENT INJURY SUMMARY", 52),
      "",
      std::string(78, '_'),
      " WHAT IS AN ACCIDENT OR INJURY?",
      "-Any instance where a skier sustains physical harm during participation in",
      "familiarization or competition (bruise,cut,sprain,fracture, loss of",
      "consciousness.",
      "-Any instance in which an athlete requires medical assistance.",
      "-Any instance which requires an athlete to withdraw from competition due to",
      "physical injury.",
      "-Any instance which requires the competition to be stopped for any length of",
      "time other than protests or equipment failure.",
      "DETAILS OF TOURNAMENT:",
      "   Date: " + info.StartDate.str() + "     Event: " + info.SanctionNo.str() + "    Name; " +
          info.EventName.str(),
      "",
      "   Chief of Competition: " + info.ChiefOfComp.str() +
          "     Safety Director: " + info.SafetyDirector.str(),
      "",
      "   Number of entries in competition: " + std::to_string(t.SkierCount()),
      "   Number of ski rides in each event: Slalom" + Rides(slalom, t.RoundCount) + "   Trick" +
          Rides(trick, t.RoundCount) + "   Jump" + Rides(jump, t.RoundCount),
      "   Number of injuries in each event:  Slalom____   Trick____   Jump____",
      "    or no injuries in this event_____",
      "   Number of injuries which prevented skiers from skiing in tournament:____",
      "N.B.  This information is essential in order to keep acccurate records and",
      "      statistics of injuries in our sport, and so to make skiing safer for",
      "      every skier.",
      "         Please ensure an injury report is filled out for each individual injury.",
      "",
      "",
      signature,
      caption + "Safety Director",
      "",
      signature,
      caption + "Chief of Competition",
  };
  return doc;
}
