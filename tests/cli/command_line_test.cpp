#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/console_platform.h"
#include "core/event_files.h"
#include "core/file_io.h"
#include "printing/report_catalogue.h"
#include "support/saved_event.h"
#include "support/shown_outcome.h"
#include "ui/tfrm_rslt_print.h"

namespace {

struct CommandLine : ::testing::Test {
  TempDir dir;
  TestPlatform tp;
  std::string event = SaveSampleEvent(dir, tp);
  std::ostringstream out, err;
  std::vector<std::pair<std::string, std::size_t>> pdfs;  // path, number of lines
  std::string pdfError;

  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), "tallivar");
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    out.str("");
    err.str("");
    PdfWriter pdf = [this](const ReportDocument& doc, const std::string& path) {
      pdfs.emplace_back(path, doc.lines.size());
      return pdfError;
    };
    DrawnPdfWriter drawn = [this](const std::string& path, const std::function<bool(Printer&)>& print) {
      drawnPdfs.push_back(path);
      print(tp.printer);
      return pdfError;
    };
    return RunCommandLine(static_cast<int>(argv.size()), argv.data(), out, err, tp, pdf, drawn);
  }
  std::vector<std::string> drawnPdfs;
  std::vector<std::string> OutLines() { return SplitLines(out.str()); }
};

}  // namespace

TEST_F(CommandLine, WritesTheSameLinesThePrintingDialogSends) {
  // The printing dialog on the same event and selection, through the recording printer.
  Tournament t;
  ASSERT_TRUE(OpenShown(t, tp, event));
  t.CurDivision = sample::kM;
  t.CurEvent = 'J';
  t.CurRound = 1;
  TfrmRsltPrint dialog(t, tp);
  dialog.FormShow();
  for (int item = 0; item < 8; ++item) {
    dialog.rgPrint.itemIndex = item;
    dialog.btnPrintClick();
    const std::string name = TfrmRsltPrint::PrintReportName(item);
    ASSERT_EQ(Run({"report", name, event, "--division", "M", "--event", "J", "--round", "1"}), kExitOk)
        << err.str();
    std::vector<std::string> expected;
    const auto& pages = tp.printer.documents.back().pages;
    for (std::size_t i = 0; i < pages.size(); ++i) {
      if (i > 0) expected.emplace_back(kFormFeed);
      expected.insert(expected.end(), pages[i].lines.begin(), pages[i].lines.end());
    }
    EXPECT_EQ(OutLines(), expected) << name;
  }
}

TEST_F(CommandLine, ListHelpAndVersion) {
  EXPECT_EQ(Run({"report", "--list"}), kExitOk);
  auto lines = OutLines();
  const auto reports = CatalogueOf(OutputKind::Report);
  ASSERT_EQ(lines.size(), reports.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    // The name, then the description in one column.
    EXPECT_EQ(lines[i].rfind(reports[i]->name + "  ", 0), 0u) << lines[i];
    EXPECT_EQ(lines[i].substr(lines[i].size() - reports[i]->description.size()), reports[i]->description);
    EXPECT_EQ(lines[i].find(reports[i]->description), lines[0].find(reports[0]->description));
  }
  EXPECT_EQ(Run({"--version"}), kExitOk);
  EXPECT_NE(out.str().find("2022.1.1"), std::string::npos);
  EXPECT_EQ(Run({"--help"}), kExitOk);
  EXPECT_NE(out.str().find("report NAME EVENT.dat"), std::string::npos);
  // Each output's help names the options it reads and no other.
  EXPECT_EQ(Run({"report", "schedule-day", "--help"}), kExitOk);
  EXPECT_NE(out.str().find("--day N"), std::string::npos);
  EXPECT_EQ(out.str().find("--division"), std::string::npos);
  EXPECT_EQ(Run({"judging-sheet", "trick", "--help"}), kExitOk);
  EXPECT_NE(out.str().find("--blank"), std::string::npos);
  EXPECT_EQ(Run({"export", "--help"}), kExitOk);
  EXPECT_NE(out.str().find("scorebook"), std::string::npos);
}

TEST(WantsCommandLine, OnlyTheDesktopsOwnArgumentsStartTheWindow) {
  const struct {
    std::vector<const char*> args;
    bool commandLine;
  } cases[] = {
      {{"tallivar"}, false},
      {{"tallivar", "--startup-time"}, false},
      {{"tallivar", "-platform", "offscreen"}, false},
      {{"tallivar", "report"}, true},
      {{"tallivar", "repor"}, true},
      {{"tallivar", "spring.dat"}, true},
      {{"tallivar", "--help"}, true},
      {{"tallivar", "-x"}, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(WantsCommandLine(static_cast<int>(c.args.size()), c.args.data()), c.commandLine)
        << c.args.back();
}

TEST_F(CommandLine, UsageErrorsAndFailures) {
  struct Case {
    std::vector<std::string> args;
    int status;
  } cases[] = {
      {{"report"}, kExitUsage},
      {{"report", "official-results"}, kExitUsage},
      {{"report", "no-such-report", "x.dat"}, kExitUsage},
      {{"report", "event-results", "x.dat", "--round", "5"}, kExitUsage},
      {{"report", "event-results", "x.dat", "--event", "X"}, kExitUsage},
      {{"report", "event-results", "x.dat", "--division", "QQ"}, kExitUsage},
      {{"report", "event-results", "x.dat", "--bogus"}, kExitUsage},
      {{"nonsense"}, kExitUsage},
      {{"report", "event-results", event, "--division", ""}, kExitUsage},
      {{"report", "event-results", event, "--pdf", ""}, kExitUsage},
      {{"report", "event-results", event, "-o", ""}, kExitUsage},
      {{"report", "event-results", event, "-o", "x.txt", "--pdf", "x.pdf"}, kExitUsage},
      {{"report", "schedule-day", event, "--all"}, kExitUsage},
      {{"report", "rating-sheet", event}, kExitUsage},
      {{"report", "event-results", event, "--pdf", "-"}, kExitUsage},
      {{"--settings", "x.ini"}, kExitUsage},
      {{"judging-sheet", "official-results", event, "--pdf", "x.pdf"}, kExitUsage},
      // Reports that say why they have nothing to print.
      {{"report", "start-list", event, "--divisions", "QQ"}, kExitFailed},
      {{"report", "record-data", event, "--skier", "Lars AAS", "--event", "T"}, kExitFailed},
      {{"report", "event-results", "/no/such/folder/event.dat"}, kExitFailed},
  };
  for (const auto& c : cases) {
    tp.prompter.shown.clear();
    EXPECT_EQ(Run(c.args), c.status) << c.args[0] << " " << (c.args.size() > 1 ? c.args[1] : "");
    EXPECT_TRUE(out.str().empty()) << "messages go to standard error";
    // Usage errors are told at once; a failure by the prompter (standard error in the program).
    if (c.status == kExitUsage) {
      EXPECT_NE(err.str().find("Usage: tallivar report"), std::string::npos);
    } else {
      EXPECT_FALSE(tp.prompter.shown.empty());
    }
  }
  EXPECT_NE(tp.prompter.shown.back().text.find("not a valid event file"), std::string::npos);
}

TEST(ConsolePrompter, WritesToStandardErrorAndTakesTheSafeAnswer) {
  std::ostringstream err;
  ConsolePrompter prompter(err);
  EXPECT_EQ(prompter.Ask("Saved.", "Tallivar", Buttons::Ok), Answer::Ok);
  EXPECT_EQ(prompter.Ask("Delete?", "Warning!", Buttons::OkCancel), Answer::Cancel);
  EXPECT_EQ(prompter.Ask("Replace?", "Warning", Buttons::YesNo), Answer::No);
  EXPECT_EQ(prompter.Ask("Save now?", "Warning", Buttons::YesNoCancel), Answer::Cancel);
  EXPECT_EQ(prompter.Ask("  Tricks must be current event!", "Tallivar", Buttons::Ok), Answer::Ok);
  EXPECT_EQ(err.str(),
            "tallivar: Saved.\ntallivar: Warning!: Delete?\ntallivar: Warning: Replace?\n"
            "tallivar: Warning: Save now?\ntallivar: Tricks must be current event!\n");
}

TEST_F(CommandLine, PdfGoesToTheWriterAndItsFailureIsReported) {
  EXPECT_EQ(Run({"report", "official-results", event, "--pdf", dir.file("out.pdf")}), kExitOk);
  ASSERT_EQ(pdfs.size(), 1u);
  EXPECT_EQ(pdfs[0].first, dir.file("out.pdf"));
  EXPECT_GT(pdfs[0].second, 30u);
  EXPECT_TRUE(out.str().empty());
  pdfError = "the PDF file cannot be written";
  EXPECT_EQ(Run({"report", "official-results", event, "--pdf", "/no/such/x.pdf"}), kExitFailed);
  EXPECT_NE(err.str().find("cannot be written"), std::string::npos);
}

TEST_F(CommandLine, JudgingSheetsAreDrawnIntoThePdf) {
  auto texts = [this] {
    std::vector<std::string> out;
    for (const auto& d : tp.printer.documents.back().pages.front().drawn)
      if (d.kind == DrawnItem::Text) out.push_back(d.text);
    return out;
  };
  auto has = [](const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
  };
  EXPECT_EQ(Run({"judging-sheet", "slalom-scoring", event, "--division", "M", "--pdf", dir.file("s.pdf")}),
            kExitOk)
      << err.str();
  ASSERT_EQ(drawnPdfs, std::vector<std::string>{dir.file("s.pdf")});
  EXPECT_TRUE(has(texts(), "SKIER NAME / PASS"));
  EXPECT_TRUE(has(texts(), "Division: M"));

  EXPECT_EQ(Run({"judging-sheet", "jump-master", event, "--blank", "--pdf", dir.file("j.pdf")}), kExitOk);
  EXPECT_TRUE(has(texts(), "JUMP - MASTER SCORING SHEET"));

  // A seeded form for another event than the current one: told, and nothing written.
  const auto documents = tp.printer.documents.size();
  EXPECT_EQ(Run({"judging-sheet", "trick", event, "--event", "S", "--pdf", dir.file("t.pdf")}), kExitFailed);
  EXPECT_EQ(tp.printer.documents.size(), documents);
  EXPECT_EQ(tp.prompter.texts().back(), "  Tricks must be current event!");

  EXPECT_EQ(Run({"judging-sheet", "trick", event}), kExitUsage);
  EXPECT_EQ(Run({"judging-sheet", "scorecard", event, "--pdf", dir.file("x.pdf")}), kExitUsage);
  pdfError = "the PDF file cannot be written";
  EXPECT_EQ(Run({"judging-sheet", "trick", event, "--blank", "--pdf", "/no/such/x.pdf"}), kExitFailed);
  EXPECT_NE(err.str().find("cannot be written"), std::string::npos);
}

TEST_F(CommandLine, TextGoesToTheNamedFileOrStandardOutput) {
  ASSERT_EQ(Run({"report", "official-results", event}), kExitOk);
  const std::string text = out.str();
  ASSERT_EQ(Run({"report", "official-results", event, "-o", dir.file("r.txt")}), kExitOk) << err.str();
  EXPECT_TRUE(out.str().empty());
  EXPECT_EQ(*tp.fs.ReadAll(dir.file("r.txt")), text);
  for (std::vector<std::string> args :
       {std::vector<std::string>{"export", "csv", event}, std::vector<std::string>{"results-page", event}}) {
    args.push_back(dir.file("o.out"));
    ASSERT_EQ(Run(args), kExitOk) << err.str();
    args.back() = "-";
    ASSERT_EQ(Run(args), kExitOk) << err.str();
    EXPECT_EQ(out.str(), *tp.fs.ReadAll(dir.file("o.out"))) << args[0];
  }
}

TEST_F(CommandLine, SettingsAreReadFromTheNamedFile) {
  // The working directory of the tests has no settings file: the default one is missing.
  ASSERT_EQ(Run({"report", "official-results", event}), kExitOk);
  EXPECT_NE(tp.prompter.texts().front().find("TALLIVAR.INI\" not found"), std::string::npos);
  const std::string settings = dir.file("club settings.ini");
  WriteFileSafely(tp.fs, settings,
                  *tp.fs.ReadAll(std::string(TALLIVAR_TEST_DATA) + "/../../data/TALLIVAR.INI"));
  tp.prompter.shown.clear();
  ASSERT_EQ(Run({"--settings", settings, "report", "official-results", event}), kExitOk) << err.str();
  ASSERT_EQ(Run({"report", "official-results", event, "--settings", settings}), kExitOk) << err.str();
  EXPECT_TRUE(tp.prompter.shown.empty());
}
