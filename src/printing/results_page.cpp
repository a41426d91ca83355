#include "printing/results_page.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "core/divisions.h"
#include "core/errors.h"
#include "core/output_target.h"
#include "core/skier_ops.h"
#include "core/text.h"
#include "core/work_list.h"
#include "results/export_fields.h"
#include "results/placement.h"

namespace {

// Phone first: on a narrow screen each skier of a results table becomes a card of labelled boxes
// (one line of three per event) and the running order wraps, so nothing scrolls sideways; wide
// screens keep the tables, and each division starts a printed page.
constexpr const char* kStyle = R"(
body{font-family:system-ui,-apple-system,"Segoe UI",Roboto,Arial,sans-serif;margin:0;padding:0 .75rem 1rem;color:#111;background:#fff;line-height:1.35}
header{padding:.75rem 0 .5rem}
h1{font-size:1.4rem;margin:.2rem 0}
h2{font-size:1.15rem;margin:1.2rem 0 .4rem;border-bottom:2px solid #1d4e89;color:#1d4e89}
.dates,.rules{color:#444;margin:.2rem 0}
.banner{background:#b00020;color:#fff;font-weight:bold;padding:.5rem .75rem;border-radius:.3rem;margin:.4rem 0}
.banner span{font-weight:normal;display:block;font-size:.9rem}
.scroll{overflow-x:auto;-webkit-overflow-scrolling:touch;max-width:100%}
table{border-collapse:collapse;font-size:.92rem;min-width:100%}
th,td{padding:.3rem .45rem;border-bottom:1px solid #ddd;white-space:nowrap;text-align:right}
th{background:#eef2f7;font-weight:600;white-space:normal;vertical-align:bottom}
th.name,td.name,td.team{text-align:left}
tbody tr:nth-child(even){background:#fafafa}
td.overall{font-weight:bold}
@media (min-width:900px){body{max-width:80rem;margin:0 auto;padding:0 1.5rem 2rem}h1{font-size:1.8rem}}
@media screen and (max-width:600px){.scroll{overflow-x:visible}table{min-width:0;width:100%}td{white-space:normal;overflow-wrap:anywhere}
.division thead{position:absolute;width:1px;height:1px;overflow:hidden;clip:rect(0 0 0 0)}
.division table,.division tbody{display:block}
.division tr{display:grid;grid-template-columns:repeat(3,1fr);gap:.15rem .5rem;padding:.45rem .3rem;border-bottom:2px solid #1d4e89}
.division td{display:block;border:none;padding:.1rem 0;text-align:left}
.division tr td:empty::before{content:none}
.division td.name{grid-column:1/3;font-weight:bold;font-size:1rem}
.division td.team{text-align:right}
.division td::before{display:block;font-size:.72rem;color:#555;font-weight:normal}}
@media print{.banner{color:#000;background:none;border:2px solid #000}section{break-after:page;page-break-after:always}section:last-of-type{break-after:auto;page-break-after:auto}.scroll{overflow:visible}}
)";

constexpr const char* kEvents = "STJ";

// The caption of each box of a results card, taken from its column so the two never differ.
std::string NarrowLabels() {
  std::string css = "@media screen and (max-width:600px){";
  int column = 2;  // the skier's name and team need no caption
  auto label = [&css, &column](const std::string& text) {
    css += ".division td:nth-child(" + std::to_string(++column) + ")::before{content:\"" + text + "\"}";
  };
  for (const char* e = kEvents; *e; ++e) {
    // An event the skier is not in leaves three empty boxes: the line goes, the others stay aligned.
    const std::string none =
        ".division td:nth-child(" + std::to_string(column + 1) + "):empty:has(+td:empty+td:empty)";
    css += none + "," + none + "+td," + none + "+td+td{display:none}";
    for (const char* what : {" place", " score", " points"}) label(EventName(*e) + what);
  }
  label("Overall place");
  label("Overall points");
  return css + "}\n";
}

// Every text of the page, whatever its source, reaches the page through here.
std::string Text(std::string_view windows1252) { return HtmlEscape(Utf8FromWindows1252(windows1252)); }

std::string Number(double value, int decimals) { return Trim(Fixed(value, 0, decimals)); }

int Decimals(char event) { return event == 'S' ? 2 : event == 'T' ? 0 : 1; }

bool Entered(const TSkier& s, char event) {
  switch (event) {
    case 'S':
      return s.SlalomEntry.view() == "S";
    case 'T':
      return s.TrickEntry.view() == "T";
    default:
      return s.JumpEntry.view() == "J";
  }
}

double RankScore(const TSkier& s, char event) {
  return event == 'S' ? s.SlalomRankScore : event == 'T' ? s.TrickRankScore : s.JumpRankScore;
}

int Place(const TSkier& s, char event) {
  return event == 'S' ? s.SlalomPlace : event == 'T' ? s.TrickPlace : s.JumpPlace;
}

double PointsOf(const TSkier& s, char event) {
  return event == 'S' ? s.SlalomPoints : event == 'T' ? s.TrickPoints : s.JumpPoints;
}

std::string RulesName(int rulesMode) {
  switch (rulesMode) {
    case kAwsaRules:
      return "AWSA rules";
    case kIwwfRules:
      return "IWWF rules";
    case kAdaptedRules:
      return "Adapted rules";
    default:
      return "ZETL rules";
  }
}

std::string PlacementName(char mode) {
  switch (mode) {
    case 'B':
      return "best score";
    case 'F':
      return "first round";
    case 'L':
      return "last round";
    case 'T':
      return "total score";
    default:
      return std::string("rule ") + mode;
  }
}

std::string DateText(std::string_view yyyymmdd) {
  if (yyyymmdd.size() != 8 || yyyymmdd == "YYYYMMDD") return "";
  return std::string(yyyymmdd.substr(0, 4)) + "-" + std::string(yyyymmdd.substr(4, 2)) + "-" +
         std::string(yyyymmdd.substr(6, 2));
}

std::string Stamp(const DateTime& d) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day, d.hour,
                d.minute, d.second);
  return buffer;
}

std::string Cell(const std::string& html, const char* cls = nullptr) {
  return cls ? std::string("<td class=\"") + cls + "\">" + html + "</td>" : "<td>" + html + "</td>";
}

std::string FullName(const TSkier& s) {
  return Text(ExportFirstName(s.FirstName.view())) + " " + Text(ExportSurname(s.Surname.view()));
}

bool IsCatalogueDivision(int d) { return DivisionCode(d) != "XX"; }

bool HasScores(const std::vector<const TSkier*>& skiers) {
  for (const TSkier* s : skiers)
    for (const char* e = kEvents; *e; ++e)
      if (Entered(*s, *e) && (Place(*s, *e) >= 1 || RankScore(*s, *e) != 0)) return true;
  return false;
}

void AppendDivision(std::string& out, int division, const std::vector<const TSkier*>& skiers) {
  out += "<section class=\"division\">\n<h2>Division " + Text(DivisionCode(division)) + "</h2>\n";
  out +=
      "<div class=\"scroll\"><table>\n<thead><tr><th class=\"name\">Skier</th><th class=\"name\">Team</th>";
  for (const char* e = kEvents; *e; ++e) {
    const std::string name = Text(EventName(*e));
    out += "<th>" + name + " place</th><th>" + name + " score</th><th>" + name + " points</th>";
  }
  out += "<th>Overall place</th><th>Overall points</th></tr></thead>\n<tbody>\n";
  for (const TSkier* s : skiers) {
    out += "<tr>" + Cell(FullName(*s), "name") + Cell(Text(s->Team.view()), "team");
    for (const char* e = kEvents; *e; ++e) {
      if (!Entered(*s, *e)) {
        out += "<td></td><td></td><td></td>";
        continue;
      }
      out += Cell(PlaceOrEmpty(Place(*s, *e))) + Cell(Number(RankScore(*s, *e), Decimals(*e))) +
             Cell(Number(PointsOf(*s, *e), 2));
    }
    out += Cell(PlaceOrEmpty(s->OverallPlace), "overall") + Cell(Number(s->OverallScore, 2), "overall");
    out += "</tr>\n";
  }
  out += "</tbody></table></div>\n</section>\n";
}

// The running order of one division in the current event and round: the start order the start list
// prints; in a final only the finalists run.
void AppendRunningOrder(std::string& out, const Tournament& t, const WorkList& list, int division) {
  if (list.skiers.empty()) return;
  const bool finals = t.PlaceMode() == 'L' && t.CurRound >= 2;
  out += "<h3>Division " + Text(DivisionCode(division)) + "</h3>\n";
  out +=
      "<div class=\"scroll\"><table>\n<thead><tr><th>Order</th><th>Bib</th><th class=\"name\">Skier</th>"
      "<th class=\"name\">Team</th></tr></thead>\n<tbody>\n";
  int order = 0;
  for (const TSkier& s : list.skiers) {
    if (finals && !IsFinalist(s, t.CurEvent)) continue;
    out += "<tr>" + Cell(std::to_string(++order)) + Cell(Text(s.Bib.view())) + Cell(FullName(s), "name") +
           Cell(Text(s.Team.view()), "team") + "</tr>\n";
  }
  out += "</tbody></table></div>\n";
}

}  // namespace

std::string HtmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const auto byte = static_cast<unsigned char>(c);
    // Control characters (a tab or line break typed into a name, bytes of a damaged file) have no
    // place in a page; each becomes a space. U+0080..U+009F are C2 80..C2 9F in UTF-8.
    if (byte < 0x20 || byte == 0x7F) {
      out += ' ';
      continue;
    }
    if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
        static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
      out += ' ';
      ++i;
      continue;
    }
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string ResultsPagePath(const Tournament& t) {
  const std::string base = ExportBaseName(t);
  return base.empty() ? "" : base + "-results.html";
}

std::string ResultsPageHtml(const Tournament& t, Platform& p, const DateTime& savedAt) {
  const std::string name = Text(t.info.EventName.view());
  std::string out;
  out.reserve(4096 + 600 * static_cast<std::size_t>(t.SkierCount()));
  out +=
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\" />\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\" />\n<title>" +
      name + " - provisional results</title>\n<style>" + kStyle + NarrowLabels() +
      "</style>\n</head>\n<body>\n<header>\n";
  out += "<h1>" + name + "</h1>\n";
  const std::string from = Text(DateText(t.info.StartDate.view())),
                    to = Text(DateText(t.info.EndDate.view()));
  if (!from.empty())
    out += "<p class=\"dates\">" + from + (to.empty() || to == from ? "" : " to " + to) + "</p>\n";
  out += "<p class=\"banner\">PROVISIONAL RESULTS<span>Last saved " + Stamp(savedAt) + "</span></p>\n";
  out += "<p class=\"rules\">Scored under " + Text(RulesName(t.RulesMode())) + ", placement by " +
         Text(PlacementName(t.PlaceMode())) + ".</p>\n</header>\n";

  // Divisions with results come before those still waiting for their first score.
  for (bool scored : {true, false})
    for (int d = 0; d < kNoDivision; ++d) {
      if (!IsCatalogueDivision(d)) continue;
      const auto skiers = DivisionByOverall(t, d);
      if (!skiers.empty() && HasScores(skiers) == scored) AppendDivision(out, d, skiers);
    }

  bool saidOverfull = false;  // once for the whole page
  out += "<section class=\"running\">\n<h2>Running order: " + Text(EventName(t.CurEvent)) + ", round " +
         std::to_string(t.CurRound) + "</h2>\n";
  for (int d = 0; d < kNoDivision; ++d) {
    if (!IsCatalogueDivision(d) || CountEntered(t, d, t.CurEvent) == 0) continue;
    const WorkList list = StartOrder(t, {d, t.CurEvent, t.CurRound});
    if (list.overfull && !std::exchange(saidOverfull, true)) p.prompt.Show(OverfullMessage(d));
    AppendRunningOrder(out, t, list, d);
  }
  out += "</section>\n</body>\n</html>\n";
  return out;
}

bool WriteResultsPage(const Tournament& t, Platform& p, const std::string& path) {
  try {
    WriteOutputFile(p.fs, t, path, ResultsPageHtml(t, p, p.clock.Now()));
    return true;
  } catch (const IoError& e) {
    p.prompt.Show("The results page " + path + " could not be written.\n" + e.what());
  } catch (const std::exception& e) {
    p.prompt.Show("The results page " + path + " could not be written: " + e.what());
  }
  return false;
}

bool WriteResultsPageBesideEvent(const Tournament& t, Platform& p) {
  const std::string path = ResultsPagePath(t);
  return path.empty() || WriteResultsPage(t, p, path);
}
