#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "cli/command_line.h"
#include "core/divisions.h"
#include "core/file_io.h"
#include "results/exports.h"
#include "support/saved_event.h"
#include "support/shown_outcome.h"

namespace {

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

struct FileCommands : ::testing::Test {
  TempDir dir;
  TestPlatform tp;
  std::string event = SaveSampleEvent(dir, tp);
  std::ostringstream out, err;

  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), "tallivar");
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    out.str("");
    err.str("");
    return RunCommandLine(static_cast<int>(argv.size()), argv.data(), out, err, tp, nullptr);
  }
};

}  // namespace

TEST_F(FileCommands, ExportsAreByteIdenticalToTheMenus) {
  // The menu's exports under each rule set that writes them: ZETL gives the CSV and ranking files,
  // AWSA the scorebook.
  for (int rules : {kZetlRules, kAwsaRules}) {
    Tournament t;
    ASSERT_TRUE(OpenShown(t, tp, event));
    t.settings.RulesMode = rules;
    t.info.EventType = "R3";
    ASSERT_TRUE(SaveShown(t, tp));
    t.TxtExportFile = dir.file("menu.txt");
    t.CsvExportFile = dir.file("menu.csv");
    Shown(tp.prompter, RunTextExport(t, tp.fs));
    Shown(tp.prompter, RunCsvExport(t, tp.fs));
    std::vector<std::pair<std::string, std::string>> kinds = {{"txt", dir.file("menu.txt")},
                                                              {"ranking", dir.file("spring_iwwf.txt")}};
    kinds.emplace_back(rules == kAwsaRules ? "scorebook" : "csv",
                       rules == kAwsaRules ? dir.file("spring.pdf") : dir.file("menu.csv"));
    for (const auto& [kind, menuFile] : kinds) {
      SCOPED_TRACE(kind);
      ASSERT_EQ(Run({"export", kind, event, dir.file("cli.out")}), kExitOk) << err.str();
      const std::string menu = Read(menuFile);
      EXPECT_FALSE(menu.empty());
      EXPECT_EQ(Read(dir.file("cli.out")), menu);
    }
  }
  EXPECT_EQ(Run({"export", "xls", event, dir.file("x")}), kExitUsage);
}

TEST_F(FileCommands, CheckFindsEachDamageAndPassesTheSoundFamily) {
  const std::string base = dir.file("spring");
  const std::string sound = Read(event);
  ASSERT_GE(sound.size(), 3 * 2208u);
  auto patch = [](const std::string& path, std::size_t at, char value) {
    std::string bytes = Read(path);
    bytes[at] = value;
    Write(path, bytes);
  };
  struct Case {
    const char* name;
    std::function<void()> damage;
    std::string file;      // "" for the sound family
    const char* expected;  // in the lines below the damaged file's name
  };
  const std::string trickStart = std::string(1, '\x1e') + "------- Start of File --------";
  const std::vector<Case> cases = {
      {"sound", [] {}, "", ""},
      {"truncated skier file", [&] { Write(event, sound.substr(0, sound.size() - 100)); }, event,
       "wrong size"},
      {"name of length 200", [&] { patch(event, 2208, static_cast<char>(200)); }, event,
       "record 2: the surname has a length of 200"},
      {"division byte 200", [&] { patch(event, 2208 + 60, static_cast<char>(200)); }, event,
       "record 2: the division is 200"},
      {"tournament file without [END]",
       [&] {
         std::string ttl = Read(base + ".ttl");
         ttl.erase(ttl.find("[END]"));
         Write(base + ".ttl", ttl);
       },
       base + ".ttl", "does not end in \"[END]\""},
      {"schedule of 3999 bytes", [&] { Write(base + ".sch", std::string(3999, '\0')); }, base + ".sch",
       "wrong size: 3999 bytes"},
      {"trick file of the wrong size",
       [&] { Write(base + ".trk", trickStart + std::string(1922 - 31 + 5, '\0')); }, base + ".trk",
       "wrong size: 1927 bytes"},
  };
  const std::vector<std::string> files = {event, base + ".ttl", base + ".sch", base + ".trk"};
  std::map<std::string, std::optional<std::string>> saved;
  for (const auto& f : files) saved[f] = std::filesystem::exists(f) ? std::optional(Read(f)) : std::nullopt;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const auto& [f, bytes] : saved) {
      if (bytes)
        Write(f, *bytes);
      else
        std::filesystem::remove(f);
    }
    c.damage();
    const int status = Run({"check", event});
    const std::string report = out.str();
    if (c.file.empty()) {
      EXPECT_EQ(status, kExitOk) << report;
      EXPECT_EQ(report.find("fault"), std::string::npos) << report;
      continue;
    }
    EXPECT_EQ(status, kExitFailed) << report;
    const auto at = report.find(c.file + ": ");
    ASSERT_NE(at, std::string::npos) << report;
    const auto next = report.find("\n/", at);
    EXPECT_NE(report.substr(at, next - at).find(c.expected), std::string::npos) << report;
  }
}
