// The program's outputs run from the command line: never over a file of the event or the settings,
// through links to their file, and a PDF that cannot be written whole is a failure that says why.
#include <gtest/gtest.h>

#include <QProcess>
#include <filesystem>

#include "core/event_test_files.h"
#include "core/pdf_check.h"
#include "core/tournament.h"
#include "support/saved_event.h"

namespace fsys = std::filesystem;

namespace {

struct ProgramRun {
  int status;
  std::string err;
};

ProgramRun Tallivar(const QStringList& args, const std::string& folder) {
  QProcess process;
  process.setWorkingDirectory(QString::fromStdString(folder));
  process.start(TALLIVAR_EXECUTABLE, args);
  process.waitForFinished(30000);
  return {process.exitCode(), process.readAllStandardError().toStdString()};
}

struct OutputCommands : ::testing::Test {
  TempDir dir;
  TestPlatform tp;
  void SetUp() override {
    SaveSampleEvent(dir, tp);
    fsys::copy_file(TALLIVAR_SOURCE_DIR "/data/TALLIVAR.INI", dir.file("TALLIVAR.INI"));
  }
};

}  // namespace

TEST_F(OutputCommands, NoOutputReplacesAFileOfTheEventOrTheSettings) {
  fsys::create_symlink("spring.dat", dir.file("link.csv"));
  const char* kept[] = {"spring.dat", "spring.ttl", "spring.sch", "TALLIVAR.INI"};
  std::vector<std::optional<std::string>> before;
  for (const char* name : kept) before.push_back(Slurp(dir.file(name)));
  const QString event = "spring.dat";
  const QStringList runs[] = {
      {"export", "csv", event, "spring.dat"},
      {"export", "txt", event, "./spring.ttl"},
      {"export", "ranking", event, "spring.sch"},
      {"export", "scorebook", event, "TALLIVAR.INI"},
      {"export", "csv", event, "link.csv"},
      {"results-page", event, QString::fromStdString(dir.file("spring.dat"))},
      {"report", "official-results", event, "--pdf", "spring.dat"},
      {"judging-sheet", "slalom-scoring", event, "--blank", "--pdf", "./TALLIVAR.INI"},
  };
  for (const QStringList& args : runs) {
    SCOPED_TRACE(args.join(' ').toStdString());
    const ProgramRun run = Tallivar(args, dir.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("an output never replaces it"), std::string::npos) << run.err;
  }
  for (std::size_t i = 0; i < before.size(); ++i)
    EXPECT_TRUE(Slurp(dir.file(kept[i])) == before[i]) << kept[i];
  EXPECT_TRUE(fsys::is_symlink(dir.file("link.csv")));
}

TEST_F(OutputCommands, APdfIsWrittenWholeThroughItsLinkOrNotAtAll) {
  fsys::create_directory(dir.file("club"));
  fsys::create_symlink("club/results.pdf", dir.file("results.pdf"));
  ProgramRun run = Tallivar({"report", "official-results", "spring.dat", "--pdf", "results.pdf"}, dir.path());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fsys::is_symlink(dir.file("results.pdf")));
  EXPECT_TRUE(PdfIsComplete(Slurp(dir.file("club/results.pdf")).value_or("")));

  // A device that is always full, as a disk can be: the failure is said, with the status.
  if (!fsys::is_character_file("/dev/full")) GTEST_SKIP() << "no /dev/full";
  fsys::create_symlink("/dev/full", dir.file("full.pdf"));
  for (const char* form : {"report", "judging-sheet"}) {
    const QStringList args =
        QString(form) == "report"
            ? QStringList{"report", "official-results", "spring.dat", "--pdf", "full.pdf"}
            : QStringList{"judging-sheet", "trick", "spring.dat", "--blank", "--pdf", "full.pdf"};
    run = Tallivar(args, dir.path());
    EXPECT_EQ(run.status, 1) << form;
    EXPECT_NE(run.err.find("No space left on device"), std::string::npos) << run.err;
  }
  EXPECT_TRUE(fsys::is_character_file("/dev/full"));
}
