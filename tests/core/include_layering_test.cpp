// Every folder under src/ may include only itself and the folders it links against, and only app/
// may see Qt: a cycle or a stray Qt header would otherwise show up as a link failure far away. The
// event's core shows nothing itself: what it has to say is in the values it answers. Only the core
// marks a change by hand; every other folder changes the event through its counted operations.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The folders each folder may include besides itself, following the link order of the libraries.
const std::map<std::string, std::set<std::string>>& AllowedIncludes() {
  static const std::map<std::string, std::set<std::string>> allowed = [] {
    std::map<std::string, std::set<std::string>> a;
    a["platform"] = {};
    a["core"] = {"platform"};
    a["help"] = {"core", "platform"};
    for (const char* f : {"entries", "scoring", "seeding"}) a[f] = {"core", "platform"};
    a["results"] = {"entries", "scoring", "seeding", "core", "platform"};
    a["printing"] = a["results"];
    a["printing"].insert("results");
    a["live"] = a["printing"];
    a["live"].insert("printing");
    a["ui"] = a["live"];
    a["ui"].insert({"live", "help"});
    a["cli"] = a["ui"];
    a["cli"].insert("ui");
    a["app"] = a["cli"];
    a["app"].insert("cli");
    return a;
  }();
  return allowed;
}

bool IsQtHeader(const std::string& header) {
  static const std::regex qt(R"(Qt\w*(/.*)?|Q[A-Z]\w*)");
  return std::regex_match(header, qt);
}

// What is wrong with one line of a file in `folder`, if anything.
std::optional<std::string> LayeringFault(const std::string& folder, const std::string& line) {
  static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
  if (folder != "core" && line.find("MarkChanged(") != std::string::npos)
    return folder + "/ marks a change by hand";
  std::smatch m;
  if (line.find("include") == std::string::npos || !std::regex_search(line, m, include)) return std::nullopt;
  const std::string header = m[2];
  if (m[1] == "<") {
    if (folder != "app" && IsQtHeader(header)) return "Qt header <" + header + "> outside app/";
    return std::nullopt;
  }
  if (folder == "core" && (header == "platform/prompter.h" || header == "platform/services.h"))
    return "core/ includes the message service \"" + header + "\"";
  const auto slash = header.find('/');
  if (slash == std::string::npos) return std::nullopt;
  const std::string target = header.substr(0, slash);
  const auto& allowed = AllowedIncludes();
  if (target == folder || !allowed.contains(target)) return std::nullopt;
  const auto own = allowed.find(folder);
  if (own == allowed.end()) return "unknown folder " + folder + "/ includes \"" + header + "\"";
  if (!own->second.contains(target)) return folder + "/ includes the higher folder \"" + header + "\"";
  return std::nullopt;
}

std::vector<std::string> LayeringFaults(const fs::path& src) {
  std::vector<std::string> faults;
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    const auto ext = entry.path().extension();
    if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    const fs::path relative = fs::relative(entry.path(), src);
    const std::string folder = relative.begin()->string();
    std::ifstream in(entry.path());
    std::string line;
    for (int number = 1; std::getline(in, line); ++number)
      if (auto fault = LayeringFault(folder, line))
        faults.push_back("src/" + relative.generic_string() + ":" + std::to_string(number) + ": " + *fault);
  }
  return faults;
}

TEST(IncludeLayering, RuleForOneLine) {
  struct Row {
    const char* folder;
    const char* line;
    bool fault;
  };
  const Row rows[] = {
      {"core", "#include \"platform/file_system.h\"", false},
      {"core", "#include \"core/skier.h\"", false},
      {"core", "#include \"results/placement.h\"", true},
      {"core", "#include \"help/help_topics.h\"", true},
      {"help", "#include \"core/text.h\"", false},
      {"scoring", "#include \"seeding/seeding.h\"", true},
      {"scoring", "#include \"help/help_topics.h\"", true},
      {"results", "#include \"printing/report_page.h\"", true},
      {"printing", "#include \"live/live_snapshot.h\"", true},
      {"live", "#include \"printing/results_page.h\"", false},
      {"ui", "#include \"live/live_server.h\"", false},
      {"ui", "#include \"cli/session.h\"", true},
      {"cli", "  #  include \"ui/tform1.h\"", false},
      {"platform", "#include \"core/skier.h\"", true},
      {"app", "#include \"cli/command_line.h\"", false},
      {"app", "#include <QString>", false},
      {"ui", "#include <QString>", true},
      {"printing", "#include <QtGui/QPainter>", true},
      {"core", "#include <queue>", false},
      {"core", "#include <CLI/CLI.hpp>", false},
      {"core", "// #include of nothing", false},
      {"results", "#include \"ui/platform.h\"", true},
      {"cli", "#include \"ui/platform.h\"", false},
      {"core", "#include \"platform/prompter.h\"", true},
      {"core", "#include \"platform/services.h\"", true},
      {"results", "#include \"platform/services.h\"", false},
      {"ui", "  t_.MarkChanged();", true},
      {"core", "  if (drew) t.MarkChanged();", false},
  };
  for (const Row& row : rows)
    EXPECT_EQ(LayeringFault(row.folder, row.line).has_value(), row.fault) << row.folder << ": " << row.line;
}

TEST(IncludeLayering, NoFileUnderSrcCrossesTheLayers) {
  const fs::path src = fs::path(TALLIVAR_TEST_DATA).parent_path().parent_path() / "src";
  ASSERT_TRUE(fs::is_directory(src / "core")) << src;
  const auto faults = LayeringFaults(src);
  std::string listed;
  for (const auto& f : faults) listed += f + "\n";
  EXPECT_TRUE(faults.empty()) << listed;
}

}  // namespace
