// The program run as `tallivar report` on a saved event: the lines it writes are the lines the
// printing dialog sends to the printer, and --pdf writes the printed pages.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include "app/report_pdf.h"
#include "core/file_io.h"
#include "printing/report_catalogue.h"
#include "support/saved_event.h"
#include "ui/tfrm_rslt_print.h"

namespace {

struct ProgramRun {
  int status;
  std::string out, err;
};

ProgramRun Tallivar(const QStringList& args, const std::string& folder) {
  QProcess process;
  process.setWorkingDirectory(QString::fromStdString(folder));
  process.start(TALLIVAR_EXECUTABLE, args);
  process.waitForFinished(30000);
  return {process.exitCode(), process.readAllStandardOutput().toStdString(),
          process.readAllStandardError().toStdString()};
}

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
  ASSERT_TRUE(OpenEvent(t, tp, event));
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
  ProgramRun wrong = Tallivar({"judging-sheet", "trick", QString::fromStdString(event), "--event", "J", "--pdf",
                               QString::fromStdString(dir.file("none.pdf"))},
                              dir.path());
  EXPECT_EQ(wrong.status, 1);
  EXPECT_NE(wrong.err.find("Tricks must be current event!"), std::string::npos);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.file("none.pdf"))));
}
