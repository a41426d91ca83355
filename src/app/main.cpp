// Tallivar: start-up in its order - the splash screen, the main window, the tournament defaults,
// the settings file - then the main window's event loop.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>

#include "app/main_window.h"
#include "app/qt_platform.h"
#include "app/report_pdf.h"
#include "app/resources.h"
#include "app/splash_screen.h"
#include "app/startup.h"
#include "cli/command_line.h"
#include "core/output_target.h"
#include "printing/pdf_name.h"
#include "core/start_folder.h"
#include "ui/program_dialogs.h"

namespace {

// "--startup-time": prints how long the start took until the main window was shown, then ends.
bool StartupTimeOnly(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (QByteArray(argv[i]) == "--startup-time") return true;
  return false;
}

// On the command line every message is the program's own: the toolkit's notes on its set-up
// ("XDG_RUNTIME_DIR not set") are left out, and what goes wrong with a PDF is said by the program.
void CommandLineMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << "tallivar: " << message.toStdString() << '\n';
}

// The command line needs Qt only for a PDF: a display-less application is started for it.
int CommandLineMain(int argc, char** argv) {
  qInstallMessageHandler(CommandLineMessages);
  std::unique_ptr<QGuiApplication> gui;
  auto startGui = [&] {
    if (gui) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    gui = std::make_unique<QGuiApplication>(argc, argv);
    InitTallivarResources();
  };
  PdfWriter pdf = [&](const ReportDocument& doc, const std::string& path) {
    startGui();
    return WriteReportPdf(doc, path);
  };
  DrawnPdfWriter drawn = [&](const std::string& path, const std::function<bool(Printer&)>& print) {
    startGui();
    return WriteDrawnPdf(path, print);
  };
  return RunCommandLine(argc, argv, std::cout, std::cerr, pdf, drawn);
}

// Started from the menu the working directory is the home folder or "/": the program moves to the
// scorer's events folder, made on the first start with the sample settings installed beside it.
void MoveToEventsFolder() {
  auto path = [](const QString& s) { return std::filesystem::path(s.toStdString()); };
  StartFolders f;
  f.workingDir = path(QDir::currentPath());
  f.home = path(QDir::homePath());
  f.documents = path(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  f.dataHome = path(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
  f.sampleSettings = path(QApplication::applicationDirPath() + "/../share/tallivar/TALLIVAR.INI");
  const StartFolderChoice choice = ChooseStartFolder(f);
  if (!choice.problem.empty())
    QMessageBox::warning(nullptr, "Tallivar",
                         QString::fromStdString("Tallivar " + choice.problem + ".\nIt works in " +
                                                f.workingDir.string() + " instead."));
  if (choice.dir != f.workingDir) QDir::setCurrent(QString::fromStdString(choice.dir.string()));
}

}  // namespace

int main(int argc, char** argv) {
  // An output written to a FIFO whose reader went away is a failed write with a message, never the
  // end of the program and of the scorer's unsaved work.
  std::signal(SIGPIPE, SIG_IGN);
  if (WantsCommandLine(argc, argv)) return CommandLineMain(argc, argv);
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tallivar");
  InitTallivarResources();
  QApplication::setWindowIcon(QIcon(":/images/tallivar.png"));
  QApplication::setDesktopFileName("org.tallivar.Tallivar");
  MoveToEventsFolder();

  // The splash screen releases itself after its timer; start-up does not wait for it. The start-up
  // messages run their own event loops, so the splash may be gone by the time the window shows.
  QPointer<TSplashScreen> splash = new TSplashScreen;
  splash->show();

  QtPlatform desktop;
  Tournament tournament;  // the start-up defaults and the empty skier list
  // SettingsDir stays ".": the settings file lives in the working directory.
  MainWindow window(tournament, desktop.platform);
  desktop.SetParent(&window);
  desktop.printer.protectedFiles = [&tournament] { return ProtectedFiles(tournament); };
  WireProgramDialogs(window.form(), tournament, desktop.platform);
  desktop.printer.proposePdf = [&tournament](std::string_view title) {
    return ProposedPdfPath(tournament, title);
  };
  desktop.dialogs.afterHandler = [&window] { window.form().Checkpoint(); };
  ReadStartupSettings(tournament, desktop.platform, window);
  window.show();
  if (splash) splash->raise();
  if (!StartupTimeOnly(argc, argv)) QTimer::singleShot(0, &window, [&window] { OfferRecoveredWork(window); });

  if (StartupTimeOnly(argc, argv)) {
    QTimer::singleShot(0, &app, [&] {
      std::printf("main window shown after %lld ms\n", static_cast<long long>(clock.elapsed()));
      std::fflush(stdout);
      QApplication::quit();
    });
  }
  return QApplication::exec();
}
