#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <algorithm>

#include "app/mnemonics.h"
#include "app/model_dialog.h"
#include "app/text_codec.h"
#include "ui/run_handler.h"

MainWindow::MainWindow(Tournament& t, Platform& p, QWidget* parent)
    : QMainWindow(parent), t_(t), p_(p), form_(t, p) {
  setWindowIcon(QIcon(":/images/tallivar.png"));
  setMinimumSize(640, 400);
  resize(800, 560);
  auto* background = new QLabel;
  background->setPixmap(QPixmap(":/images/splash.jpg"));
  background->setAlignment(Qt::AlignCenter);
  setCentralWidget(background);
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    panels_[i] = new QLabel;
    panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The last panel takes the rest of the bar, so the rule set's name is never cut.
    bool last = i + 1 == panels_.size();
    panels_[i]->setMinimumWidth(form_.StatusBar1.widths[i]);
    statusBar()->addWidget(panels_[i], last ? 1 : 0);
  }
  BuildMenus();
  Refresh();
  // A dialog that changes the selection or the data shows it here while it is still open.
  ModelDialog::SetAfterHandler([this] { Refresh(); });
}

MainWindow::~MainWindow() { ModelDialog::SetAfterHandler({}); }

void MainWindow::BuildMenus() {
  const std::vector<Menu> menus = form_.Menus();
  QStringList titles;
  for (const Menu& menu : menus) titles << ToQt(menu.caption);
  titles = UniqueMnemonics(titles);
  for (std::size_t k = 0; k < menus.size(); ++k) {
    const Menu& menu = menus[k];
    auto* m = menuBar()->addMenu(titles[static_cast<qsizetype>(k)]);
    QStringList captions;
    for (const MenuCommand& item : menu.items)
      captions << (item.separator() ? QString() : ToQt(item.caption));
    captions = UniqueMnemonics(captions);
    for (std::size_t n = 0; n < menu.items.size(); ++n) {
      const MenuCommand& item = menu.items[n];
      if (item.separator()) {
        m->addSeparator();
        continue;
      }
      QAction* action = m->addAction(captions[static_cast<qsizetype>(n)]);
      if (!item.shortcut.empty()) action->setShortcut(QKeySequence(ToQt(item.shortcut)));
      std::string name = item.name;
      connect(action, &QAction::triggered, this, [this, name] { Trigger(name); });
      actions_.emplace_back(item.name, action);
    }
  }
}

bool MainWindow::Trigger(const std::string& command) {
  // The menus are read afresh so a command runs with the hooks as they are now.
  for (const Menu& menu : form_.Menus())
    for (const MenuCommand& item : menu.items)
      if (item.name == command && item.enabled) {
        RunCommand(item.action);
        return true;
      }
  return false;
}

void MainWindow::RunCommand(const std::function<void()>& action) {
  RunHandler(p_.prompt, action);
  Refresh();
  if (form_.exitRequested()) close();
}

void MainWindow::Refresh() {
  form_.RefreshStatus();
  const auto& panels = form_.StatusBar1.panels;
  // Panel 0 is a path: shown as the file system spells it.
  panels_[0]->setText(QFile::decodeName(panels[0].c_str()));
  panels_[1]->setText(ExpandTabs(ToQt(panels[1])));
  panels_[2]->setText(ToQt(panels[2]));
  // A panel is as wide as the model asks, and wider when its text needs it.
  for (std::size_t i = 0; i + 1 < panels_.size(); ++i) {
    QLabel* panel = panels_[i];
    int needed = panel->fontMetrics().horizontalAdvance(panel->text()) + 2 * panel->frameWidth() + 8;
    panel->setFixedWidth(std::max(form_.StatusBar1.widths[i], needed));
  }
  // The event's file in the title, marked the usual way while it has unsaved changes.
  setWindowTitle(QFile::decodeName(form_.Caption().c_str()) + "[*]");
  setWindowModified(t_.Unsaved);
  for (const Menu& menu : form_.Menus())
    for (const MenuCommand& item : menu.items)
      for (auto& [name, action] : actions_)
        if (name == item.name) action->setEnabled(item.enabled);
}

QString MainWindow::PanelText(int panel) const { return panels_.at(static_cast<std::size_t>(panel))->text(); }

void MainWindow::closeEvent(QCloseEvent* event) {
  bool mayClose = true;
  RunHandler(p_.prompt, [this, &mayClose] { mayClose = form_.FormClose(); });
  Refresh();
  if (mayClose)
    event->accept();
  else
    event->ignore();
}
