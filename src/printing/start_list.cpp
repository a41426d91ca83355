#include "printing/start_list.h"

#include <functional>

#include "core/divisions.h"
#include "core/text.h"
#include "core/work_list.h"
#include "printing/report_page.h"

namespace {

// Divisions 0..59 in code order; the adapted divisions have no start list of all divisions.
constexpr int kLastRegularDivision = 59;

const char* const kHeading = "     SEED        BIB   NAME                           TEAM";

bool FinalsCase(const Tournament& t, const Selection& sel) { return t.PlaceMode() == 'L' && sel.round >= 2; }

// A start list of a final takes a flag of exactly 1.
bool FlaggedOne(const TSkier& s, char event) {
  return (event == 'S' || event == 'T' || event == 'J') && FinalistOf(s, event) == 1;
}

// The seed (or, in a final, the first-round score) column; empty for a skier a final leaves out.
std::string ValueColumn(const Tournament& t, const Selection& sel, const TSkier& s) {
  const char ev = sel.event;
  const bool finals = FinalsCase(t, sel);
  if (finals && !FlaggedOne(s, ev)) return "";
  const int r = finals ? 1 : sel.ScoredRound();
  switch (ev) {
    case 'S':
      return Fixed(finals ? s.SlalomScore[1] : s.SlalomSeed, 10, 2) + "     ";
    case 'T':
      return Fixed(finals ? s.TrickScore[1] : s.TrickSeed, 10, 0) + "     ";
    case 'J':
      return Fixed(finals ? JumpRoundResult(s, 1) : s.JumpSeed, 10, 1) + "/" +
             Fixed(s.JumpRamp[static_cast<std::size_t>(r)], 5, 3);
    default:
      return "";
  }
}

using DivisionBlock =
    std::function<std::vector<std::string>(const Tournament&, const Selection&, const std::vector<TSkier>&)>;

void Append(std::vector<std::string>& out, const std::vector<std::string>& more) {
  out.insert(out.end(), more.begin(), more.end());
}

}  // namespace

std::vector<int> ParseDivisionList(std::string_view text) {
  std::vector<int> out;
  for (std::string piece : SplitAt(text, ',')) {
    if (piece == "m") piece = "M";
    if (piece == "w") piece = "W";
    // Exact codes only: the lookup compares at most four characters, so "M35X" must not pass.
    if (piece.size() > 4) continue;
    auto number = FindDivision(piece);
    // "XX" is the code of no division at all.
    if (number && *number != kNoDivision) out.push_back(*number);
  }
  return out;
}

std::vector<std::string> StartListDivisionLines(const Tournament& t, const Selection& sel,
                                                const std::vector<TSkier>& list) {
  const std::string name = t.info.EventName.str();
  std::vector<std::string> lines{
      RightAlign("STARTING LIST", 47),
      RightAlign(name, static_cast<int>(name.size() / 2) + 40),
      "       DIVISION:" + RightAlign(DivisionCode(sel.division), 3) + " " +
          RightAlign(EventName(sel.event), 6),
      kHeading,
      "     " + std::string(58, '-'),
  };
  for (const TSkier& s : list) {
    std::string value = ValueColumn(t, sel, s);
    if (value.empty()) continue;
    lines.push_back(value + "  " + RightAlign(s.Bib.view(), 3) + "   " + Name15(s.FirstName.view()) +
                    Name15(s.Surname.view()) + RightAlign(s.Team.view(), 4));
  }
  lines.emplace_back();
  return lines;
}

std::vector<std::string> StartPreviewDivisionLines(const Tournament& t, const Selection& sel,
                                                   const std::vector<TSkier>& list) {
  std::vector<std::string> lines{
      ("STARTING LIST - DIVISION  " + DivisionCode(sel.division)).substr(0, 30),
      kHeading,
      "     " + std::string(53, '-'),
  };
  for (const TSkier& s : list) {
    std::string value = ValueColumn(t, sel, s);
    if (value.empty()) continue;
    lines.push_back(value + "   " + PadRight(s.Bib.view(), 5) + "     " + Name15(s.FirstName.view()) +
                    Name15(s.Surname.view()) + s.Team.str());
  }
  lines.emplace_back();
  return lines;
}

std::optional<std::vector<std::string>> StartListLines(const Tournament& t, const Selection& sel,
                                                       const Services& p, StartListChoice choice,
                                                       std::string_view divisions, bool preview) {
  const DivisionBlock block =
      preview ? DivisionBlock(StartPreviewDivisionLines) : DivisionBlock(StartListDivisionLines);
  // The block of one division, or nothing when it has no skier in the start order.
  auto blockOf = [&](int division) {
    const Selection one{division, sel.event, sel.round};
    const std::vector<TSkier> list = ListStartOrder(t, p.prompt, one).skiers;
    return list.empty() ? std::vector<std::string>{} : block(t, one, list);
  };
  std::vector<std::string> out;
  switch (choice) {
    case StartListChoice::Current:
      Append(out, block(t, sel, ListStartOrder(t, p.prompt, sel).skiers));
      return out;
    case StartListChoice::Several: {
      const std::vector<int> named = ParseDivisionList(divisions);
      if (named.empty()) {
        p.prompt.Show("No valid divisions found");
        return std::nullopt;
      }
      for (int d : named) {
        Append(out, blockOf(d));
        out.emplace_back();
      }
      break;
    }
    case StartListChoice::All:
      for (int d = 0; d <= kLastRegularDivision; ++d) {
        Append(out, blockOf(d));
        // The printed list keeps one empty line per division code, entrants or not.
        if (!preview) out.emplace_back();
      }
      break;
  }
  return out;
}

std::optional<ReportDocument> StartListDocument(const Tournament& t, const Selection& sel, const Services& p,
                                                StartListChoice choice, std::string_view divisions) {
  auto lines = StartListLines(t, sel, p, choice, divisions, false);
  if (!lines) return std::nullopt;
  ReportDocument doc;
  doc.title = "Starting List";
  doc.orientation = Orientation::Portrait;
  doc.fontSize = 10;
  doc.lines = std::move(*lines);
  return doc;
}

namespace {

StartListChoice ChoiceOf(const ReportOptions& options) {
  if (options.Has("all")) return StartListChoice::All;
  if (options.Has("divisions")) return StartListChoice::Several;
  return StartListChoice::Current;
}

}  // namespace

ReportDocument StartListReport(ReportContext& c) {
  auto doc = StartListDocument(c.t, c.selection, c.p, ChoiceOf(c.options), c.options.Get("divisions"));
  return doc ? *doc : ReportDocument{"Starting List", Orientation::Portrait, 10, {}, {}, {}};
}

ReportDocument StartListPreviewReport(ReportContext& c) {
  ReportDocument doc{"Start List Preview", Orientation::Portrait, 10, {}, {}, {}};
  if (auto lines =
          StartListLines(c.t, c.selection, c.p, ChoiceOf(c.options), c.options.Get("divisions"), true))
    doc.lines = std::move(*lines);
  return doc;
}
