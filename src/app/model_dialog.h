#pragma once
// The one view of every dialog model: builds real widgets from the model's FormLayout, forwards
// each user action to its handler and shows the model's controls again afterwards. It knows no
// rule of the program.
#include <QDialog>
#include <functional>
#include <vector>

#include "platform/prompter.h"
#include "ui/dialog_model.h"

class QDialogButtonBox;
class QFormLayout;
class QHBoxLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

// The row of a list's selected item, or -1: Qt's current row alone is no choice by the user.
int SelectedRow(const QListWidget* list);

class ModelDialog : public QDialog {
 public:
  struct Area;
  ModelDialog(DialogModel& model, Prompter& prompt, QWidget* parent = nullptr);
  // Runs after every handler of the dialog (the program copies completed changes to disk there).
  std::function<void()> afterHandler;

  // One user action: widget state into the controls, the handler (errors shown, never thrown),
  // controls back into the widgets, and closing when the model asked for it. Answers false when
  // the handler stopped on an error.
  bool Run(const std::function<void()>& handler);
  // Every widget from its control.
  void Refresh();
  // The widget that shows a control (tests find their way with it).
  QWidget* WidgetFor(const void* control) const;

  // Runs after every handler of every dialog, so a window behind the dialog (the main window's
  // status bar and title) shows what the handler changed while the dialog is still open.
  static void SetAfterHandler(std::function<void()> observer);

 protected:
  void reject() override;
  void done(int result) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Binding {
    const FormItem* item = nullptr;
    QWidget* widget = nullptr;
    QWidget* label = nullptr;
    std::function<void()> refresh;
    std::function<void()> collect;
    mutable int rowAtPress = -2;  // a list's current row when the mouse went down on it
  };

  void Build();
  void Arrange(Area& top);
  bool ArrangeRange(Area& a, std::size_t& index);
  void SetTabChain();
  QWidget* BuildTable(std::size_t& index);
  QWidget* BuildHeading(std::size_t& index);
  Binding& NewBinding(const FormItem& item);
  QWidget* BuildItem(const FormItem& item, Binding& b);
  QWidget* BindEdit(const FormItem& item, Binding& b);
  QWidget* BindList(const FormItem& item, Binding& b);
  QWidget* BindCheck(const FormItem& item, Binding& b);
  QWidget* BindRadio(const FormItem& item, Binding& b);
  QWidget* BindCheckList(const FormItem& item, Binding& b);
  QWidget* BindGrid(const FormItem& item, Binding& b);
  QWidget* BindMemo(const FormItem& item, Binding& b);
  QWidget* BindButton(const FormItem& item, Binding& b);
  QWidget* BindLabel(const FormItem& item, Binding& b);
  QWidget* BindMatrix(const FormItem& item, Binding& b);

  void Collect();
  void ButtonClicked(const FormItem& item);
  bool RunPendingExit();
  bool AskCloseQuery();
  void Finish();
  bool GridKey(const Binding& b, int key, const QString& text);
  void MoveGridCell(const Binding& b, int dCol, int dRow, bool wrap);
  const Binding* BindingOf(const QObject* widget) const;
  void RestoreGeometry();
  void SaveGeometry();

  DialogModel& model_;
  Prompter& prompt_;
  FormLayout layout_;
  std::vector<Binding> bindings_;
  QDialogButtonBox* box_ = nullptr;       // the buttons with a role, at the foot
  const Binding* pendingExit_ = nullptr;  // the edit that has the focus and has not run its exit yet
  const FormItem* cancelItem_ = nullptr;
  bool running_ = false;
  bool refreshing_ = false;
  bool finishing_ = false;
};
