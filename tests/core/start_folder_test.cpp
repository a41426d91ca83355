// Started from the menu (in "/" or the home folder) the program moves to the scorer's events
// folder, made once with the sample settings; from any folder of the scorer's own it stays.
#include "core/start_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& p, const std::string& text) {
  fs::create_directories(p.parent_path());
  std::ofstream(p) << text;
}

std::string Read(const fs::path& p) {
  std::ifstream in(p);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

struct Row {
  const char* name;
  const char* workingDir;  // "/" or a folder under the test's own
  bool documents, iniInWorkingDir, ownEventsFolder, sample;
  const char* expectedDir;  // "/" or a folder under the test's own
  bool created;
  const char* settings;  // what TALLIVAR.INI of the chosen folder holds ("" none)
};

// clang-format off
const Row kRows[] = {
    {"ordinary folder stays", "work", true, false, false, true, "work", false, ""},
    {"home with settings stays", "home", true, true, false, true, "home", false, "mine"},
    {"home goes to documents", "home", true, false, false, true, "home/Documents/Tallivar", true, "sample"},
    {"root goes to documents", "/", true, false, false, true, "home/Documents/Tallivar", true, "sample"},
    {"no documents: data folder", "/", false, false, false, true, "home/.local/share/tallivar", true, "sample"},
    {"second start keeps the scorer's settings", "home", true, false, true, true, "home/Documents/Tallivar",
     false, "own"},
    {"no sample installed: folder without settings", "home", true, false, false, false,
     "home/Documents/Tallivar", true, ""},
};
// clang-format on

}  // namespace

TEST(StartFolder, MenuStartsMoveToTheEventsFolderOthersStay) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    TempDir tmp;
    const fs::path base = tmp.path();
    auto at = [&](const std::string& p) { return p == "/" ? fs::path("/") : base / p; };
    fs::create_directories(base / "home");
    fs::create_directories(base / "work");
    if (row.documents) fs::create_directories(base / "home/Documents");
    if (row.iniInWorkingDir) Write(at(row.workingDir) / "TALLIVAR.INI", "mine");
    if (row.ownEventsFolder) Write(base / "home/Documents/Tallivar/TALLIVAR.INI", "own");
    if (row.sample) Write(base / "share/tallivar/TALLIVAR.INI", "sample");

    StartFolders f{at(row.workingDir), base / "home", base / "home/Documents", base / "home/.local/share",
                   base / "share/tallivar/TALLIVAR.INI"};
    const StartFolderChoice choice = ChooseStartFolder(f);
    EXPECT_EQ(choice.problem, "");
    EXPECT_EQ(choice.dir, at(row.expectedDir));
    EXPECT_EQ(choice.created, row.created);
    EXPECT_EQ(Read(choice.dir / "TALLIVAR.INI"), row.settings);
  }
}

TEST(StartFolder, NoHomeFolderStaysAndSaysWhy) {
  const StartFolderChoice choice = ChooseStartFolder({"/", "", "", "", ""});
  EXPECT_EQ(choice.dir, fs::path("/"));
  EXPECT_NE(choice.problem, "");
}
