// The widgets of the one dialog view: each control kind bound to its model control, with what it
// shows (refresh), what it reports back (collect) and which user action runs which handler.
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "app/edit_picture.h"
#include "app/model_dialog.h"
#include "app/text_codec.h"

namespace {

QFont FixedFont() { return QFontDatabase::systemFont(QFontDatabase::FixedFont); }

QStringList ToQtList(const std::vector<std::string>& lines) {
  QStringList out;
  for (const auto& l : lines) out << ToQt(l);
  return out;
}

QLabel* CaptionLabel(const FormItem& item) {
  if (item.caption.empty()) return nullptr;
  return new QLabel(ToQt(item.caption));
}

}  // namespace

QWidget* ModelDialog::BindEdit(const FormItem& item, Binding& b) {
  auto* edit = static_cast<Edit*>(item.control);
  auto* w = new QLineEdit;
  b.label = CaptionLabel(item);
  if (b.label) static_cast<QLabel*>(b.label)->setBuddy(w);
  if (!edit->mask.empty()) w->setValidator(new QRegularExpressionValidator(PictureExpression(edit->mask), w));
  w->installEventFilter(this);
  if (item.onChange) connect(w, &QLineEdit::textEdited, this, [this, &item] { Run(item.onChange); });
  QPalette normal = w->palette();
  QWidget* label = b.label;
  b.refresh = [w, edit, label, normal] {
    w->setMaxLength(edit->maxLength > 0 ? edit->maxLength : 32767);
    QString text = ToQt(edit->text);
    if (w->text() != text) w->setText(text);
    QPalette p = normal;
    if (edit->red) p.setColor(QPalette::Text, Qt::red);
    w->setPalette(p);
    w->setEnabled(edit->enabled);
    w->setReadOnly(edit->readOnly);
    w->setVisible(edit->visible);
    if (label) label->setVisible(edit->visible);
    if (edit->focus) {
      w->setFocus(Qt::OtherFocusReason);
      edit->focus = false;
    }
  };
  b.collect = [w, edit] { edit->text = FromQt(w->text()); };
  return w;
}

QWidget* ModelDialog::BindList(const FormItem& item, Binding& b) {
  auto* list = static_cast<ListBox*>(item.control);
  auto* w = new QListWidget;
  b.label = CaptionLabel(item);
  if (item.minHeight > 0) w->setMinimumHeight(item.minHeight * w->fontMetrics().height());
  w->viewport()->installEventFilter(this);
  Binding* bp = &b;
  connect(w, &QListWidget::currentRowChanged, this, [this, &item] {
    if (!refreshing_) Run(item.onClick);
  });
  // A click on the item that was already chosen changes no row but is still a click.
  connect(w, &QListWidget::itemClicked, this, [this, &item, w, bp](QListWidgetItem* it) {
    if (w->row(it) == bp->rowAtPress) Run(item.onClick);
  });
  connect(w, &QListWidget::itemDoubleClicked, this, [this, &item] { Run(item.onDoubleClick); });
  b.refresh = [w, list] {
    QStringList items = ToQtList(list->items);
    QStringList shown;
    for (int i = 0; i < w->count(); ++i) shown << w->item(i)->text();
    if (shown != items) {
      w->clear();
      w->addItems(items);
      // Wide enough for the longest item, within reason.
      int widest =
          w->sizeHintForColumn(0) + w->verticalScrollBar()->sizeHint().width() + 2 * w->frameWidth() + 4;
      w->setMinimumWidth(std::min(widest, 640));
    }
    if (w->currentRow() != list->itemIndex) w->setCurrentRow(list->itemIndex);
    w->setEnabled(list->enabled);
    w->setFont(list->fixedPitch ? FixedFont() : QFont());
  };
  b.collect = [w, list] { list->itemIndex = w->currentRow(); };
  return w;
}

QWidget* ModelDialog::BindCheck(const FormItem& item, Binding& b) {
  auto* check = static_cast<CheckBox*>(item.control);
  auto* w = new QCheckBox(ToQt(item.caption));
  connect(w, &QCheckBox::clicked, this, [this, &item] { Run(item.onClick); });
  b.refresh = [w, check] {
    w->setChecked(check->checked);
    w->setEnabled(check->enabled);
  };
  b.collect = [w, check] { check->checked = w->isChecked(); };
  return w;
}

QWidget* ModelDialog::BindRadio(const FormItem& item, Binding& b) {
  auto* radio = static_cast<RadioGroup*>(item.control);
  auto* w = new QGroupBox(ToQt(item.caption));
  auto* box = new QVBoxLayout(w);
  auto* group = new QButtonGroup(w);
  connect(group, &QButtonGroup::idClicked, this, [this, &item] { Run(item.onClick); });
  b.refresh = [w, box, group, radio] {
    QStringList items = ToQtList(radio->items);
    QStringList shown;
    for (auto* button : group->buttons()) shown << button->text();
    if (shown != items) {
      // The handler that changed the items may be running from one of these buttons' clicks.
      for (auto* button : group->buttons()) {
        group->removeButton(button);
        button->hide();
        button->deleteLater();
      }
      for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i]);
        box->addWidget(button);
        group->addButton(button, i);
      }
    }
    for (auto* button : group->buttons()) button->setEnabled(radio->ItemEnabled(group->id(button)));
    if (auto* chosen = group->button(radio->itemIndex)) {
      chosen->setChecked(true);
    } else if (group->checkedButton()) {
      group->setExclusive(false);
      group->checkedButton()->setChecked(false);
      group->setExclusive(true);
    }
    w->setEnabled(radio->enabled);
  };
  b.collect = [group, radio] { radio->itemIndex = group->checkedId(); };
  return w;
}

QWidget* ModelDialog::BindCheckList(const FormItem& item, Binding& b) {
  auto* checks = static_cast<CheckListBox*>(item.control);
  auto* w = new QListWidget;
  b.label = CaptionLabel(item);
  connect(w, &QListWidget::itemChanged, this, [this, &item] {
    if (!refreshing_) Run(item.onClick);
  });
  b.refresh = [w, checks] {
    QStringList items = ToQtList(checks->items);
    bool same = w->count() == items.size();
    for (int i = 0; same && i < w->count(); ++i) same = w->item(i)->text() == items[i];
    if (!same) {
      w->clear();
      for (const auto& text : items) {
        auto* it = new QListWidgetItem(text, w);
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
      }
    }
    for (int i = 0; i < w->count(); ++i) {
      Qt::CheckState state = checks->IsChecked(i) ? Qt::Checked : Qt::Unchecked;
      if (w->item(i)->checkState() != state) w->item(i)->setCheckState(state);
    }
    if (w->currentRow() != checks->itemIndex) w->setCurrentRow(checks->itemIndex);
  };
  b.collect = [w, checks] {
    checks->checked.assign(static_cast<std::size_t>(w->count()), false);
    for (int i = 0; i < w->count(); ++i)
      checks->checked[static_cast<std::size_t>(i)] = w->item(i)->checkState() == Qt::Checked;
    checks->itemIndex = w->currentRow();
  };
  return w;
}

QWidget* ModelDialog::BindMemo(const FormItem& item, Binding& b) {
  auto* memo = static_cast<Memo*>(item.control);
  auto* w = new QPlainTextEdit;
  b.label = CaptionLabel(item);
  w->setLineWrapMode(QPlainTextEdit::NoWrap);
  b.refresh = [w, memo, &item] {
    w->setReadOnly(memo->readOnly);
    w->setFont(memo->fixedPitch ? FixedFont() : QFont());
    QFontMetrics fm(w->font());
    w->setMinimumSize(item.minWidth * fm.averageCharWidth(), item.minHeight * fm.lineSpacing());
    QString text = ToQtList(memo->lines).join('\n');
    if (w->toPlainText() != text) w->setPlainText(text);
  };
  b.collect = [w, memo] {
    if (memo->readOnly) return;
    memo->lines.clear();
    for (const auto& line : w->toPlainText().split('\n')) memo->lines.push_back(FromQt(line));
  };
  return w;
}

QWidget* ModelDialog::BindButton(const FormItem& item, Binding& b) {
  auto* button = static_cast<Button*>(item.control);
  auto* w = new QPushButton(ToQt(item.caption));
  w->setDefault(item.isDefault);
  w->setAutoDefault(item.isDefault);
  if (item.isCancel) cancelItem_ = &item;
  connect(w, &QPushButton::clicked, this, [this, &item] { ButtonClicked(item); });
  b.refresh = [w, button] {
    w->setText(ToQt(button->caption));
    w->setEnabled(button->enabled);
    w->setVisible(button->visible);
  };
  return w;
}

QWidget* ModelDialog::BindLabel(const FormItem& item, Binding& b) {
  auto* w = new QLabel(ToQt(item.caption));
  w->setWordWrap(true);
  if (auto* label = static_cast<Label*>(item.control))
    b.refresh = [w, label] { w->setText(ToQt(label->caption)); };
  return w;
}
