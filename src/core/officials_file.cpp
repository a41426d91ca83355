#include "core/officials_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>

#include "core/errors.h"
#include "core/event_files.h"
#include "core/output_target.h"
#include "core/text.h"

namespace {

constexpr std::size_t kMaxOfficials = 100;
constexpr int kSummaryRounds = 3;

struct Official {
  std::string name;
  std::array<bool, 3> events{};
};

std::vector<Official> CollectOfficials(const std::vector<OfficialsRecord>& records, Outcome& outcome) {
  std::vector<Official> found;
  bool tooMany = false;
  // The summary covers the 60 standard divisions; the adapted ones that follow are left out.
  const std::size_t divisions = std::min(records.size(), static_cast<std::size_t>(kOfficialsDivisions));
  for (std::size_t d = 0; d < divisions; ++d)
    for (int r = 1; r <= kSummaryRounds; ++r)
      for (int e = 1; e <= 3; ++e)
        for (int k = 1; k <= kOfficialSlots; ++k) {
          std::string_view name = records[d].Slot(r, e, k).view();
          if (name.empty()) continue;
          auto it =
              std::find_if(found.begin(), found.end(), [&](const Official& o) { return o.name == name; });
          if (it == found.end()) {
            if (found.size() == kMaxOfficials) {
              tooMany = true;
              continue;
            }
            found.push_back({std::string(name), {}});
            it = std::prev(found.end());
          }
          it->events[static_cast<std::size_t>(e - 1)] = true;
        }
  if (tooMany) outcome.Tell("Too many officials found!");
  return found;
}

}  // namespace

std::string OfficialsPath(const Tournament& t) {
  // An event not yet saved keeps its officials under the program's default name.
  return (t.EventBase.empty() ? std::string("TALLIVAR") : t.EventBase.str()) + ".ofc";
}
std::string OfficialsSummaryPath(const Tournament& t) { return t.EventBase.str() + "_officials.txt"; }

std::vector<OfficialsRecord> ParseOfficialsFile(std::string_view bytes) {
  std::vector<OfficialsRecord> records(static_cast<std::size_t>(kOfficialsAllRecords));
  for (std::size_t n = 0; n < records.size(); ++n) {
    std::size_t at = n * sizeof(OfficialsRecord);
    if (at + sizeof(OfficialsRecord) > bytes.size()) break;
    std::memcpy(&records[n], bytes.data() + at, sizeof(OfficialsRecord));
  }
  return records;
}

std::optional<std::vector<OfficialsRecord>> ReadOfficialsFile(FileSystem& fs, const std::string& path) {
  auto bytes = fs.ReadAll(path);
  if (!bytes) return std::nullopt;
  return ParseOfficialsFile(*bytes);
}

std::vector<std::string> OfficialsSummaryLines(const Tournament& t,
                                               const std::vector<OfficialsRecord>& records,
                                               Outcome& outcome) {
  const TournamentInfo& i = t.info;
  std::vector<std::string> lines = {
      "   EventName:            " + i.EventName.str(),
      "   Event Date          : " + i.StartDate.str(),
      "   Chief of Competition: " + i.ChiefOfComp.str(),
      "   Calculator          : " + i.Scorer.str(),
      "   Tech Controller     : " + i.TechController.str(),
      "   Safety Director     : " + i.SafetyDirector.str(),
      "------------------------- Summary of Officials -------------------------",
      "      Name:          Events:",
      "",
  };
  for (const Official& o : CollectOfficials(records, outcome)) {
    std::string mark = "   ";
    const char letters[] = {'S', 'T', 'J'};
    for (std::size_t e = 0; e < 3; ++e)
      if (o.events[e]) mark[e] = letters[e];
    lines.push_back("        " + PadRight(o.name, 20) + mark);
  }
  return lines;
}

Outcome WriteOfficialsSummary(const Tournament& t, FileSystem& fs) {
  Outcome outcome;
  std::optional<std::vector<OfficialsRecord>> records;
  try {
    records = ReadOfficialsFile(fs, OfficialsPath(t));
  } catch (const IoError& e) {
    // The summary is made from the officials file; without it the rest of the save goes on.
    outcome.Tell("The officials summary \"" + OfficialsSummaryPath(t) + "\" was not written.\n" + e.what());
    return outcome;
  }
  if (!records) return outcome;
  std::string text;
  for (const auto& l : OfficialsSummaryLines(t, *records, outcome)) text += l + "\r\n";
  WriteOutputFileIfChanged(fs, t, OfficialsSummaryPath(t), text);
  return outcome;
}
