#include "app/model_dialog.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/text_codec.h"
#include "ui/run_handler.h"

ModelDialog::ModelDialog(DialogModel& model, Prompter& prompt, QWidget* parent)
    : QDialog(parent), model_(model), prompt_(prompt) {
  model_.Describe(layout_);
  Build();
  Refresh();
}

void ModelDialog::Build() {
  auto* outer = new QVBoxLayout(this);
  auto* columns = new QHBoxLayout;
  auto* buttons = new QHBoxLayout;
  outer->addLayout(columns, 1);
  outer->addLayout(buttons);
  buttons->addStretch(1);
  auto* column = new QFormLayout;
  columns->addLayout(column, 1);

  // Pointers into bindings_ are kept by handlers and by pendingExit_, so it must not grow later.
  bindings_.reserve(layout_.items.size());
  QWidget* previous = nullptr;
  for (const FormItem& item : layout_.items) {
    if (item.kind == FormItem::Kind::Column) {
      column = new QFormLayout;
      columns->addLayout(column, 1);
      continue;
    }
    bindings_.emplace_back();
    bindings_.back().item = &item;
    Binding& b = bindings_.back();
    QWidget* w = BuildItem(item, b);
    b.widget = w;
    if (item.kind == FormItem::Kind::Button) {
      buttons->addWidget(w);
    } else if (b.label) {
      column->addRow(b.label, w);
    } else {
      column->addRow(w);
    }
    if (w->focusPolicy() != Qt::NoFocus) {
      if (previous) QWidget::setTabOrder(previous, w);
      previous = w;
    }
  }
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
    case FormItem::Kind::Label:
    case FormItem::Kind::Column:
      break;
  }
  return BindLabel(item, b);
}

QWidget* ModelDialog::WidgetFor(const void* control) const {
  for (const auto& b : bindings_)
    if (b.item->control == control) return b.widget;
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
    b->rowAtPress = static_cast<QListWidget*>(b->widget)->currentRow();
    return false;
  }
  if (item.kind == FormItem::Kind::Grid && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    return GridKey(*b, key->key(), key->text());
  }
  return QDialog::eventFilter(watched, event);
}
