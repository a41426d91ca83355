// The program run as `tallivar report` on a saved event: the lines it writes are the lines the
// printing dialog sends to the printer, and --pdf writes the printed pages.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <filesystem>

#include "app/report_pdf.h"
#include "core/file_io.h"
#include "printing/report_catalogue.h"
#include "results/export_text.h"
#include "support/saved_event.h"
#include "support/shown_outcome.h"
#include "ui/tfrm_rslt_print.h"

namespace {

struct ProgramRun {
  int status;
  std::string out, err;
};

// Without a display, as on a server: a window that starts by mistake aborts at once instead of
// waiting for a user.
ProgramRun Tallivar(const QStringList& args, const std::string& folder) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(QString::fromStdString(folder));
  process.start(TALLIVAR_EXECUTABLE, args);
  // A program that never ends (a window) or dies of a signal has no exit status to compare.
  if (!process.waitForFinished(30000)) process.kill();
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// The "Posted:" line carries the time of the run.
std::vector<std::string> WithoutPostedTime(std::vector<std::string> lines) {
  for (auto& line : lines)
    if (line.find(" Posted: ") != std::string::npos) line = "(posted)";
  return lines;
}

}  // namespace

TEST(ReportCommand, ProgramWritesWhatThePrintingDialogPrints) {
  TempDir dir;
  TestPlatform tp;
  const std::string event = SaveSampleEvent(dir, tp);
  Tournament t;
  ASSERT_TRUE(OpenShown(t, tp, event));
  t.CurDivision = 17;  // W
  t.CurRound = 2;
  TfrmRsltPrint dialog(t, tp);
  dialog.FormShow();
  for (int item : {0, 2, 5, 6}) {
    dialog.rgPrint.itemIndex = item;
    dialog.btnPrintClick();
    std::vector<std::string> printed;
    const auto& pages = tp.printer.documents.back().pages;
    for (std::size_t i = 0; i < pages.size(); ++i) {
      if (i > 0) printed.emplace_back(kFormFeed);
      printed.insert(printed.end(), pages[i].lines.begin(), pages[i].lines.end());
    }
    const char* name = TfrmRsltPrint::PrintReportName(item);
    ProgramRun run = Tallivar(
        {"report", name, QString::fromStdString(event), "--division", "W", "--round", "2"}, dir.path());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(WithoutPostedTime(SplitLines(run.out)), WithoutPostedTime(printed)) << name;
  }
}

TEST(ReportCommand, ExitStatusesAndPdf) {
  TempDir dir;
  TestPlatform tp;
  const std::string event = SaveSampleEvent(dir, tp);
  EXPECT_EQ(Tallivar({"report", "--list"}, dir.path()).status, 0);
  EXPECT_EQ(Tallivar({"--version"}, dir.path()).out, "Tallivar 2022.1.1\n");
  ProgramRun usage = Tallivar({"report", "event-results"}, dir.path());
  EXPECT_EQ(usage.status, 2);
  EXPECT_TRUE(usage.out.empty());
  EXPECT_NE(usage.err.find("Usage:"), std::string::npos);
  ProgramRun missing = Tallivar({"report", "event-results", "nothing.dat"}, dir.path());
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("nothing.dat"), std::string::npos);

  const QString pdf = QString::fromStdString(dir.file("official.pdf"));
  ProgramRun printed =
      Tallivar({"report", "official-results", QString::fromStdString(event), "--pdf", pdf}, dir.path());
  EXPECT_EQ(printed.status, 0) << printed.err;
  EXPECT_TRUE(printed.out.empty());
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5) == "%PDF-");
  EXPECT_EQ(Tallivar({"report", "official-results", QString::fromStdString(event), "--pdf",
                      QString::fromStdString(dir.file("no/such/folder/x.pdf"))},
                     dir.path())
                .status,
            1);
}

TEST(ReportPdf, EachFormFeedStartsAPage) {
  TempDir dir;
  ReportDocument doc;
  doc.title = "Pages";
  doc.lines = {"one", std::string(kFormFeed), "two", std::string(kFormFeed), "three"};
  EXPECT_EQ(WriteReportPdf(doc, dir.file("p.pdf")), "");
  QFile file(QString::fromStdString(dir.file("p.pdf")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().count("/Type /Page\n") + 0, 3);
}

TEST(ReportPdf, JudgingSheetsAreDrawnPageByPage) {
  TempDir dir;
  TestPlatform tp;
  const std::string event = SaveSampleEvent(dir, tp);
  auto pages = [](const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? static_cast<int>(file.readAll().count("/Type /Page\n")) : -1;
  };
  // M: three jump entrants on one page of the boat form; one trick sheet for each of its two trick entrants.
  ProgramRun boat = Tallivar({"judging-sheet", "jump-boat", QString::fromStdString(event), "--division", "M",
                              "--pdf", QString::fromStdString(dir.file("boat.pdf"))},
                             dir.path());
  EXPECT_EQ(boat.status, 0) << boat.err;
  EXPECT_EQ(pages(dir.file("boat.pdf")), 1);
  ProgramRun trick = Tallivar({"judging-sheet", "trick", QString::fromStdString(event), "--division", "M",
                               "--pdf", QString::fromStdString(dir.file("trick.pdf"))},
                              dir.path());
  EXPECT_EQ(trick.status, 0) << trick.err;
  EXPECT_EQ(pages(dir.file("trick.pdf")), 2);
  // A form for another event than the current one writes no file.
  ProgramRun wrong = Tallivar({"judging-sheet", "trick", QString::fromStdString(event), "--event", "J",
                               "--pdf", QString::fromStdString(dir.file("none.pdf"))},
                              dir.path());
  EXPECT_EQ(wrong.status, 1);
  EXPECT_NE(wrong.err.find("Tricks must be current event!"), std::string::npos);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.file("none.pdf"))));
}

// The dispatch as the shell sees it: exit status and the first line the program writes.
TEST(ReportCommand, ProgramDispatchesEveryLineOrSaysWhatIsWrong) {
  TempDir dir;
  TestPlatform tp;
  const QString event = QString::fromStdString(SaveSampleEvent(dir, tp));
  Tournament t;
  ASSERT_TRUE(OpenShown(t, tp, event.toStdString()));
  const std::string txtExport = OfficialResultsLines(t).front() + "\r";  // CR LF lines
  std::filesystem::copy_file(TALLIVAR_SOURCE_DIR "/data/TALLIVAR.INI", dir.file("TALLIVAR.INI"));
  struct Case {
    QStringList args;
    int status;
    std::string firstLine;  // the start of it: of standard output for status 0, of standard error otherwise
  } cases[] = {
      {{"repor", "official-results", event},
       2,
       "tallivar: there is no command \"repor\" (did you mean \"report\"?)"},
      {{"nonsense"}, 2, "tallivar: there is no command \"nonsense\""},
      {{"spring.dat"}, 2, "tallivar: there is no command \"spring.dat\""},
      {{"--bogus"}, 2, "tallivar: there is no option \"--bogus\""},
      {{"report", "event-results", event, "--division", ""}, 2, "tallivar: --division must not be empty"},
      {{"export", "csv", event, ""}, 2, "tallivar: FILE must not be empty"},
      {{"report", "slalom-scoring", event},
       2,
       "tallivar: \"slalom-scoring\" is a judging form, not a report: tallivar judging-sheet slalom-scoring "
       "--help"},
      {{"check", "missing.dat"}, 1, "tallivar: there is no event file \"missing.dat\""},
      {{"report", "event-results", event, "--settings", "nowhere.ini"},
       1,
       "tallivar: there is no settings file \"nowhere.ini\""},
      {{"export", "csv", event, "no/such/folder/x.csv"},
       1,
       "tallivar: Could not write \"no/such/folder/x.csv\": "},
      {{"export", "txt", event, "-"}, 0, txtExport},
      {{"report", "--list"}, 0, "single-round-results     Results of the current division, event and round"},
      {{"--help"}, 0, "Tallivar scores water-ski tournaments. Without arguments it opens its window; with a"},
      {{"report", "event-results", "--help"},
       0,
       "tallivar report event-results: Results of the current division and event over all rounds."},
  };
  for (const Case& c : cases) {
    const ProgramRun run = Tallivar(c.args, dir.path());
    SCOPED_TRACE(c.args.join(' ').toStdString());
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(FirstLine(c.status == 0 ? run.out : run.err).substr(0, c.firstLine.size()), c.firstLine);
    // A failed write says why.
    if (c.firstLine.find("Could not write") != std::string::npos) {
      EXPECT_NE(run.err.find("No such file or directory"), std::string::npos);
    }
  }
}
