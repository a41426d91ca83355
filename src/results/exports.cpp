#include "results/exports.h"

#include <string>
#include <utility>
#include <vector>

#include "core/divisions.h"
#include "core/errors.h"
#include "core/output_target.h"
#include "results/export_csv.h"
#include "results/export_fields.h"
#include "results/export_ranking.h"
#include "results/export_scorebook.h"
#include "results/export_text.h"

namespace {

enum class ExportKind { Csv, Ranking, Scorebook };

struct Target {
  ExportKind kind;
  std::string path;
};

bool RankingWithAwsa(const Tournament& t) {
  const auto type = t.info.EventType.view();
  return type.size() >= 2 && (type[1] == '3' || type[1] == '4');
}

std::vector<Target> Targets(const Tournament& t) {
  if (t.CsvExportFile.empty() || t.EventFile.empty()) return {};
  const std::string base = ExportBaseName(t);
  const std::string csv = t.CsvExportFile.str();
  switch (t.RulesMode()) {
    case kAdaptedRules: return {{ExportKind::Csv, csv}};
    case kAwsaRules: {
      std::vector<Target> out{{ExportKind::Scorebook, base + ".pdf"}};
      if (RankingWithAwsa(t)) out.push_back({ExportKind::Ranking, base + "_iwwf.txt"});
      return out;
    }
    default: return {{ExportKind::Csv, csv}, {ExportKind::Ranking, base + "_iwwf.txt"}};
  }
}

std::vector<std::string> LinesOf(const Tournament& t, ExportKind kind) {
  switch (kind) {
    case ExportKind::Csv: return ResultsCsvLines(t);
    case ExportKind::Ranking: return RankingLines(t);
    default: return ScorebookLines(t);
  }
}

Outcome WriteFailure(const IoError& e) {
  return std::move(Outcome{}.Fail(std::string("The results export stopped. ") + e.what()));
}

}  // namespace

Outcome RunTextExport(const Tournament& t, FileSystem& fs) {
  if (t.TxtExportFile.empty()) return {};
  try {
    WriteOutputFile(fs, t, t.TxtExportFile.str(), JoinCrLf(OfficialResultsLines(t)));
  } catch (const IoError& e) {
    return WriteFailure(e);
  }
  return {};
}

Outcome RunCsvExport(const Tournament& t, FileSystem& fs) {
  try {
    for (const Target& target : Targets(t))
      WriteOutputFile(fs, t, target.path, JoinCrLf(LinesOf(t, target.kind)));
  } catch (const IoError& e) {
    return WriteFailure(e);
  }
  return {};
}

std::vector<std::string> CsvExportTargets(const Tournament& t) {
  std::vector<std::string> out;
  for (const Target& target : Targets(t)) out.push_back(target.path);
  return out;
}
