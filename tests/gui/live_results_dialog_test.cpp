// The Live Results dialog through the real main window and the real dialog view.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include "app/main_window.h"
#include "live/qr_code.h"
#include "support/fake_live_outlet.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"
#include "ui/program_dialogs.h"
#include "ui/tfrm_live_results.h"
#include "view_dialog_host.h"

namespace {

struct LiveResultsDialog : ::testing::Test {
  TempDir dir;
  Tournament t;
  TestPlatform tp;
  ViewDialogHost host{tp.prompter};
  Platform platform{tp.prompter, tp.files, tp.printer, tp.clock, tp.random, host, tp.help, tp.fs};
  MainWindow window{t, platform};
  std::shared_ptr<FakeLiveOutlet::Log> log = UseFakeOutlet(window.form().live());

  LiveResultsDialog() {
    t.SettingsDir = dir.path();
    WireProgramDialogs(window.form(), t, platform);
    window.Refresh();  // the menu commands follow their hooks
    window.show();
  }
  QAction* ResultsCommand(const QString& caption) {
    for (QAction* menu : window.menuBar()->actions())
      if (menu->text() == "&Results")
        for (QAction* a : menu->menu()->actions())
          if (a->text() == caption) return a;
    return nullptr;
  }
};

TEST_F(LiveResultsDialog, OpensFromTheResultsMenuFitsALaptopAndLeavesTheServerRunning) {
  bool shown = false;
  host.Expect<TfrmLiveResults>([&](TfrmLiveResults& m, ModelDialog& view) {
    shown = true;
    const QSize least = view.minimumSizeHint().expandedTo(view.minimumSize());
    EXPECT_LE(least.width(), 1366);
    EXPECT_LE(least.height(), 768 - 72);
    EXPECT_LE(view.sizeHint().height(), 768 - 72);
    // Enter starts, as the default button; Escape closes the dialog, not the server.
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(m.lblStatus.caption.rfind("Serving since", 0), 0u) << m.lblStatus.caption;
    EXPECT_EQ(WidgetOf<QLabel>(view, &m.lblStatus)->text().toStdString(), m.lblStatus.caption);
    EXPECT_EQ(WidgetOf<QPushButton>(view, &m.btnStart)->text(), "Re&start");
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(view.isVisible());
  });
  QAction* command = ResultsCommand("&Live Results...");
  ASSERT_NE(command, nullptr);
  command->trigger();
  EXPECT_TRUE(shown);
  ASSERT_EQ(log->starts.size(), 1u);
  EXPECT_EQ(log->starts[0].address, "0.0.0.0");
  EXPECT_TRUE(window.form().live().Running());
  EXPECT_EQ(log->published.size(), 1u);
}

TEST_F(LiveResultsDialog, TheCodeIsDrawnSquareWithWholeModules) {
  TfrmLiveResults model{window.form().live(), [] {
                          return std::vector<InterfaceAddress>{{"192.168.4.20", true, false}};
                        }};
  model.FormShow();
  model.btnStartClick();
  ASSERT_GT(model.qrAddress.size, 0);
  ModelDialog view(model, tp.prompter);
  view.show();
  QApplication::processEvents();
  auto* code = WidgetOf<QLabel>(view, &model.qrAddress);
  const QImage image = code->pixmap().toImage();
  ASSERT_EQ(image.width(), image.height());
  ASSERT_EQ(image.width() % model.qrAddress.size, 0);
  const int module = image.width() / model.qrAddress.size;
  EXPECT_GE(module, 4) << "big enough for a phone held a step away";
  // Each module is one colour all over: the quiet zone's corner light, the finder's corner dark.
  const int finder = kQrQuietZone * module;
  EXPECT_EQ(image.pixelColor(0, 0), Qt::white);
  EXPECT_EQ(image.pixelColor(finder, finder), Qt::black);
  EXPECT_EQ(image.pixelColor(finder + module - 1, finder + module - 1), Qt::black);
  EXPECT_EQ(image.pixelColor(finder + module, finder + module), Qt::white);
  EXPECT_EQ(code->toolTip(), "http://192.168.4.20:8080/");
}

}  // namespace
