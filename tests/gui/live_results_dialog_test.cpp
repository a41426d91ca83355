// The Live Results dialog through the real main window and the real dialog view.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/main_window.h"
#include "live/qr_code.h"
#include "support/fake_live_outlet.h"
#include "support/test_platform.h"
#include "ui/program_dialogs.h"
#include "ui/tfrm_live_results.h"
#include "view_dialog_host.h"

TEST(LiveResultsDialog, OpensFromTheResultsMenuFitsALaptopAndDrawsTheCodeSquare) {
  Tournament t;
  TestPlatform tp;
  ViewDialogHost host{tp.prompter};
  Platform platform{tp.prompter, tp.files, tp.printer, tp.clock, tp.random, host, tp.help, tp.fs};
  MainWindow window{t, platform};
  auto log = UseFakeOutlet(window.form().live());
  WireProgramDialogs(window.form(), t, platform);
  window.Refresh();  // the menu commands follow their hooks
  host.Expect<TfrmLiveResults>([&](TfrmLiveResults& m, ModelDialog& view) {
    const QSize least = view.minimumSizeHint().expandedTo(view.minimumSize());
    EXPECT_LE(least.width(), 1366);
    EXPECT_LE(view.sizeHint().height(), 768 - 72);  // below a title bar, above a task bar
    // Enter starts, as the default button; Escape closes the dialog, not the server.
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(WidgetOf<QLabel>(view, &m.lblStatus)->text().left(13), "Serving since");
    // The code of a phone's address, drawn with whole pixels per module.
    m.lbAddresses.items = {"http://192.168.4.20:8080/"};
    m.lbAddresses.itemIndex = 0;
    m.lbAddressesClick();
    view.Refresh();
    const QImage image = WidgetOf<QLabel>(view, &m.qrAddress)->pixmap().toImage();
    ASSERT_EQ(image.width(), image.height());
    const int module = image.width() / m.qrAddress.size;
    EXPECT_EQ(image.width(), module * m.qrAddress.size);
    const int corner = kQrQuietZone * module;  // the finder's dark corner after the light quiet zone
    EXPECT_EQ(image.pixelColor(corner - 1, corner - 1), Qt::white);
    EXPECT_EQ(image.pixelColor(corner, corner), Qt::black);
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(view.isVisible());
  });
  QAction* command = nullptr;
  for (QAction* menu : window.menuBar()->actions())
    for (QAction* a : menu->menu()->actions())
      if (menu->text() == "&Results" && a->text() == "&Live Results...") command = a;
  ASSERT_NE(command, nullptr);
  command->trigger();
  EXPECT_TRUE(host.done());
  ASSERT_EQ(log->starts.size(), 1u);
  EXPECT_EQ(log->starts[0].address, "0.0.0.0");
  EXPECT_TRUE(window.form().live().Running());
}
