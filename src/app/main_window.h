#pragma once
// The main window: the menu bar and the three-panel status bar of TForm1, laid out with Qt. Every
// command is forwarded to the model and the window is refreshed from it afterwards.
#include <QMainWindow>
#include <array>
#include <vector>

#include "core/tournament.h"
#include "ui/platform.h"
#include "ui/tform1.h"

class QAction;
class QLabel;

class MainWindow : public QMainWindow {
 public:
  MainWindow(Tournament& t, Platform& p, QWidget* parent = nullptr);
  ~MainWindow() override;

  TForm1& form() { return form_; }
  // Runs one menu command by its name ("Save1") as a click on it would; false when there is none.
  bool Trigger(const std::string& command);
  // The texts of the status bar panels as shown.
  QString PanelText(int panel) const;
  // Status bar, title and which commands are enabled, from the model.
  void Refresh();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void RunCommand(const std::function<void()>& action);

  Tournament& t_;
  Platform& p_;
  TForm1 form_;
  std::array<QLabel*, 3> panels_{};
  std::vector<std::pair<std::string, QAction*>> actions_;
};
