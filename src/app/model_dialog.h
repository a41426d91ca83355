#pragma once
// The one view of every dialog model: builds real widgets from the model's FormLayout, forwards
// each user action to its handler and shows the model's controls again afterwards. It knows no
// rule of the program.
#include <QDialog>
#include <functional>
#include <vector>

#include "platform/prompter.h"
#include "ui/dialog_model.h"

class QFormLayout;
class QHBoxLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

class ModelDialog : public QDialog {
 public:
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

 protected:
  void reject() override;
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

  void Collect();
  void ButtonClicked(const FormItem& item);
  bool RunPendingExit();
  bool AskCloseQuery();
  void Finish();
  bool GridKey(const Binding& b, int key, const QString& text);
  void MoveGridCell(const Binding& b, int dCol, int dRow, bool wrap);
  const Binding* BindingOf(const QObject* widget) const;

  DialogModel& model_;
  Prompter& prompt_;
  FormLayout layout_;
  std::vector<Binding> bindings_;
  const Binding* pendingExit_ = nullptr;  // the edit that has the focus and has not run its exit yet
  const FormItem* cancelItem_ = nullptr;
  bool running_ = false;
  bool refreshing_ = false;
  bool finishing_ = false;
};
