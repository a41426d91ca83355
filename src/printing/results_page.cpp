#include "printing/results_page.h"

#include "core/divisions.h"
#include "core/errors.h"
#include "core/output_target.h"
#include "core/skier_ops.h"
#include "results/export_fields.h"

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

// The caption of each box of a results card, taken from its column so the two never differ.
std::string NarrowLabels() {
  std::string css = "@media screen and (max-width:600px){";
  int column = 2;  // the skier's name and team need no caption
  auto label = [&css, &column](const std::string& text) {
    css += ".division td:nth-child(" + std::to_string(++column) + ")::before{content:\"" + text + "\"}";
  };
  for (const char* e = kResultEvents; *e; ++e) {
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

std::string Cell(const std::string& html, const char* cls = nullptr) {
  return cls ? std::string("<td class=\"") + cls + "\">" + html + "</td>" : "<td>" + html + "</td>";
}

void AppendDivision(std::string& out, const DivisionResults& division) {
  out += "<section class=\"division\">\n<h2>Division " + HtmlEscape(division.code) + "</h2>\n";
  out +=
      "<div class=\"scroll\"><table>\n<thead><tr><th class=\"name\">Skier</th><th class=\"name\">Team</th>";
  for (const char* e = kResultEvents; *e; ++e) {
    const std::string name = HtmlEscape(EventName(*e));
    out += "<th>" + name + " place</th><th>" + name + " score</th><th>" + name + " points</th>";
  }
  out += "<th>Overall place</th><th>Overall points</th></tr></thead>\n<tbody>\n";
  for (const ResultRow& row : division.rows) {
    out += "<tr>" + Cell(HtmlEscape(row.name), "name") + Cell(HtmlEscape(row.team), "team");
    for (const EventCell& cell : row.events) {
      if (!cell.entered) {
        out += "<td></td><td></td><td></td>";
        continue;
      }
      out += Cell(PlaceOrEmpty(cell.place)) + Cell(cell.score) + Cell(cell.points);
    }
    out += Cell(PlaceOrEmpty(row.overallPlace), "overall") + Cell(row.overallPoints, "overall");
    out += "</tr>\n";
  }
  out += "</tbody></table></div>\n</section>\n";
}

void AppendRunningOrder(std::string& out, const RunningDivision& division) {
  out += "<h3>Division " + HtmlEscape(division.code) + "</h3>\n";
  out +=
      "<div class=\"scroll\"><table>\n<thead><tr><th>Order</th><th>Bib</th><th class=\"name\">Skier</th>"
      "<th class=\"name\">Team</th></tr></thead>\n<tbody>\n";
  for (const RunningSkier& s : division.skiers)
    out += "<tr>" + Cell(std::to_string(s.order)) + Cell(HtmlEscape(s.bib)) +
           Cell(HtmlEscape(s.name), "name") + Cell(HtmlEscape(s.team), "team") + "</tr>\n";
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

std::string ResultsPageHtml(const Tournament& t, const Services& p, const DateTime& savedAt) {
  return ResultsPageHtml(GatherResults(t, p), savedAt);
}

std::string ResultsPageHtml(const ResultsData& data, const DateTime& savedAt, std::string_view headExtra,
                            std::string_view stampLabel) {
  const std::string name = HtmlEscape(data.eventName);
  std::size_t skiers = 0;
  for (const DivisionResults& d : data.divisions) skiers += d.rows.size();
  std::string out;
  out.reserve(4096 + 600 * skiers);
  out +=
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\" />\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\" />\n<title>" +
      name + " - provisional results</title>\n<style>" + kStyle + NarrowLabels() + "</style>\n";
  out += headExtra;
  out += "</head>\n<body>\n<header>\n";
  out += "<h1>" + name + "</h1>\n";
  const std::string from = HtmlEscape(data.startDate), to = HtmlEscape(data.endDate);
  if (!from.empty())
    out += "<p class=\"dates\">" + from + (to.empty() || to == from ? "" : " to " + to) + "</p>\n";
  out += "<p class=\"banner\">PROVISIONAL RESULTS<span>" + std::string(stampLabel) + " " + ResultsStamp(savedAt) + "</span></p>\n";
  out += "<p class=\"rules\">Scored under " + HtmlEscape(data.rules) + ", placement by " +
         HtmlEscape(data.placement) + ".</p>\n</header>\n";

  // Divisions with results come before those still waiting for their first score.
  for (bool scored : {true, false})
    for (const DivisionResults& d : data.divisions)
      if (d.scored == scored) AppendDivision(out, d);

  out += "<section class=\"running\">\n<h2>Running order: " + HtmlEscape(EventName(data.runningEvent)) +
         ", round " + std::to_string(data.runningRound) + "</h2>\n";
  for (const RunningDivision& d : data.running) AppendRunningOrder(out, d);
  out += "</section>\n</body>\n</html>\n";
  return out;
}

bool WriteResultsPage(const Tournament& t, const Services& p, const std::string& path) {
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

bool WriteResultsPageBesideEvent(const Tournament& t, const Services& p) {
  const std::string path = ResultsPagePath(t);
  return path.empty() || WriteResultsPage(t, p, path);
}
