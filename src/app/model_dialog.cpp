#include "app/model_dialog.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>
#include <type_traits>
#include <variant>

#include "app/text_codec.h"
#include "ui/run_handler.h"

namespace {

std::function<void()>& AfterHandler() {
  static std::function<void()> observer;
  return observer;
}

// The settings key of a dialog: its caption, without the characters that mean groups to QSettings.
QString GeometryKey(const std::string& caption) {
  QString name = ToQt(caption);
  name.replace('/', '_').replace('\\', '_');
  return "dialogs/" + name + "/geometry";
}

const void* Address(const ControlRef& control) {
  return std::visit(
      [](auto v) -> const void* {
        if constexpr (std::is_same_v<decltype(v), std::monostate>)
          return nullptr;
        else
          return v;
      },
      control);
}

}  // namespace

void ModelDialog::SetAfterHandler(std::function<void()> observer) { AfterHandler() = std::move(observer); }

ModelDialog::ModelDialog(DialogModel& model, Prompter& prompt, QWidget* parent)
    : QDialog(parent), model_(model), prompt_(prompt) {
  model_.Describe(layout_);
  Build();
  Refresh();
  SetTabChain();
  RestoreGeometry();
}

void ModelDialog::RestoreGeometry() {
  QSettings settings;
  QByteArray saved = settings.value(GeometryKey(model_.caption())).toByteArray();
  if (!saved.isEmpty()) restoreGeometry(saved);
}

void ModelDialog::SaveGeometry() {
  QSettings settings;
  settings.setValue(GeometryKey(model_.caption()), saveGeometry());
}

void ModelDialog::done(int result) {
  SaveGeometry();
  QDialog::done(result);
}

QWidget* ModelDialog::BuildItem(const FormItem& item, Binding& b) {
  switch (item.kind) {
    case FormItem::Kind::Edit:
      return BindEdit(item, b);
    case FormItem::Kind::ListBox:
      return BindList(item, b);
    case FormItem::Kind::CheckBox:
      return BindCheck(item, b);
    case FormItem::Kind::RadioGroup:
      return BindRadio(item, b);
    case FormItem::Kind::CheckListBox:
      return BindCheckList(item, b);
    case FormItem::Kind::Grid:
      return BindGrid(item, b);
    case FormItem::Kind::Memo:
      return BindMemo(item, b);
    case FormItem::Kind::Button:
      return BindButton(item, b);
    case FormItem::Kind::Matrix:
      return BindMatrix(item, b);
    case FormItem::Kind::Label:
    case FormItem::Kind::Column:
    case FormItem::Kind::Group:
    case FormItem::Kind::EndGroup:
    case FormItem::Kind::Table:
    case FormItem::Kind::EndTable:
      break;
  }
  return BindLabel(item, b);
}

QWidget* ModelDialog::WidgetFor(const void* control) const {
  for (const auto& b : bindings_)
    if (Address(b.item->control) == control) return b.widget;
  return nullptr;
}

const ModelDialog::Binding* ModelDialog::BindingOf(const QObject* widget) const {
  for (const auto& b : bindings_)
    if (b.widget == widget) return &b;
  return nullptr;
}

void ModelDialog::Collect() {
  for (auto& b : bindings_)
    if (b.collect) b.collect();
}

void ModelDialog::Refresh() {
  refreshing_ = true;
  setWindowTitle(ToQt(model_.caption()));
  for (auto& b : bindings_)
    if (b.refresh) b.refresh();
  refreshing_ = false;
}

bool ModelDialog::Run(const std::function<void()>& handler) {
  if (!handler || running_ || finishing_) return true;
  Collect();
  running_ = true;
  bool ok = RunHandler(prompt_, handler);
  running_ = false;
  if (afterHandler) afterHandler();
  Refresh();
  if (AfterHandler()) AfterHandler()();
  if (model_.closeRequested()) Finish();
  return ok;
}

void ModelDialog::Finish() {
  if (finishing_) return;
  finishing_ = true;
  done(QDialog::Accepted);
}

bool ModelDialog::RunPendingExit() {
  const Binding* edit = pendingExit_;
  pendingExit_ = nullptr;
  if (!edit || !edit->item->onExit) return true;
  return Run(edit->item->onExit);
}

void ModelDialog::ButtonClicked(const FormItem& item) {
  // Enter presses the default button while the edit keeps the focus, so its exit has to run here.
  if (!RunPendingExit() || finishing_) return;
  Run(item.onClick);
}

bool ModelDialog::AskCloseQuery() {
  Collect();
  bool mayClose = false;
  RunHandler(prompt_, [this, &mayClose] { mayClose = model_.FormCloseQuery(); });
  if (afterHandler) afterHandler();
  Refresh();
  return mayClose;
}

void ModelDialog::reject() {
  if (finishing_ || running_) return;
  // Escape presses the cancel button without leaving the edit that has the focus.
  if (cancelItem_) {
    Run(cancelItem_->onClick);
    return;
  }
  if (AskCloseQuery()) Finish();
}

void ModelDialog::closeEvent(QCloseEvent* event) {
  if (finishing_) {
    event->accept();
    return;
  }
  if (running_ || !AskCloseQuery()) {
    event->ignore();
    return;
  }
  Finish();
  event->accept();
}

bool ModelDialog::eventFilter(QObject* watched, QEvent* event) {
  const Binding* b = BindingOf(watched);
  if (!b && watched->parent()) b = BindingOf(watched->parent());  // a list's or grid's viewport
  if (!b) return QDialog::eventFilter(watched, event);
  const FormItem& item = *b->item;

  if (item.kind == FormItem::Kind::Edit) {
    if (event->type() == QEvent::FocusIn) {
      pendingExit_ = b;
    } else if (event->type() == QEvent::FocusOut && !running_ && !refreshing_ && pendingExit_ == b) {
      // Another window taking the focus (a message box, a menu) is no exit from the edit.
      auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) RunPendingExit();
    }
    return false;
  }
  if (item.kind == FormItem::Kind::ListBox && event->type() == QEvent::MouseButtonPress) {
    b->rowAtPress = SelectedRow(static_cast<QListWidget*>(b->widget));
    return false;
  }
  if (item.kind == FormItem::Kind::Grid && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    return GridKey(*b, key->key(), key->text());
  }
  return QDialog::eventFilter(watched, event);
}
