#include "printing/officials_reports.h"

#include <algorithm>

#include "core/errors.h"
#include "core/officials.h"

namespace {

// Every record of the officials file, empty ones where it has none; a file that cannot be read
// or is cut short is reported once.
std::vector<OfficialsRecord> AllRecords(ReportContext& c) {
  const std::string path = OfficialsPath(c.t);
  std::vector<OfficialsRecord> records = ParseOfficialsFile("");
  try {
    if (auto bytes = c.p.fs.ReadAll(path)) {
      if (auto problem = OfficialsSizeProblem(path, bytes->size()); !problem.empty())
        c.p.prompt.Show(problem);
      records = ParseOfficialsFile(*bytes);
    }
  } catch (const IoError& e) {
    c.p.prompt.Show(e.what());
  }
  return records;
}

ReportDocument OfficialsDocument(const char* title) { return {title, Orientation::Portrait, 10, {}, {}, {}}; }

void Heading(ReportDocument& doc, const Tournament& t) {
  doc.lines.push_back("EventName:            " + t.info.EventName.str());
  doc.lines.push_back("Chief of Competition: " + t.info.ChiefOfComp.str());
  doc.lines.push_back("");
}

void Append(ReportDocument& doc, const std::vector<std::string>& lines) {
  doc.lines.insert(doc.lines.end(), lines.begin(), lines.end());
}

}  // namespace

ReportDocument OfficialsDivisionReport(ReportContext& c) {
  ReportDocument doc = OfficialsDocument("Event Officials - Current Division");
  Heading(doc, c.t);
  const auto records = AllRecords(c);
  const int division = c.selection.division;
  const OfficialsRecord empty{};
  const OfficialsRecord& record =
      division >= 0 && division < kOfficialsAllRecords ? records[static_cast<std::size_t>(division)] : empty;
  Append(doc, OfficialsBlock(division, c.selection.ScoredRound(), record));
  return doc;
}

ReportDocument OfficialsDetailedReport(ReportContext& c) {
  if (c.t.RoundCount > 1) c.p.prompt.Show("This may be a very long printout...up to 15 pages..");
  ReportDocument doc = OfficialsDocument("Event Officials - Detailed");
  Heading(doc, c.t);
  const auto records = AllRecords(c);
  const int rounds = std::clamp(c.t.RoundCount, 1, 4);
  for (int division : OfficialsReportDivisions(c.t.RulesMode()))
    for (int round = 1; round <= rounds; ++round)
      Append(doc, OfficialsBlock(division, round, records[static_cast<std::size_t>(division)]));
  return doc;
}

ReportDocument OfficialsSummaryReport(ReportContext& c) {
  ReportDocument doc = OfficialsDocument("Event Officials Summary");
  Outcome outcome;
  doc.lines = OfficialsSummaryLines(c.t, AllRecords(c), outcome);
  c.p.prompt.ShowEach(outcome.messages);
  return doc;
}
