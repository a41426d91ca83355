// The widgets of the one dialog view: each control kind bound to its model control, with what it
// shows (refresh), what it reports back (collect) and which user action runs which handler.
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <variant>

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

QLabel* CaptionLabel(const FormItem& item, QWidget* buddy) {
  if (item.caption.empty()) return nullptr;
  auto* label = new QLabel(ToQt(item.caption));
  label->setBuddy(buddy);
  return label;
}

// The control's name from the description, for tests, style sheets and screen readers.
void Name(const FormItem& item, QWidget* w) {
  if (item.name.empty()) {
    if (!item.caption.empty()) w->setAccessibleName(ToQt(item.caption));
    return;
  }
  w->setObjectName(ToQt(item.name));
  w->setAccessibleName(ToQt(item.name));
}

// The width of a text of `chars` characters in the widget's font, with room for its frame.
int CharsWide(const QWidget* w, int chars) {
  return w->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0'))) + 14;
}

// How many characters an edit should show: the description's width, else its picture or its
// length (short fields stay short, long ones start at a readable width and grow with the dialog).
int EditChars(const FormItem& item, const Edit& edit, bool* fixed) {
  *fixed = false;
  if (item.minWidth > 0) {
    *fixed = item.minWidth <= 12;
    return item.minWidth;
  }
  int chars = !edit.mask.empty() ? static_cast<int>(edit.mask.size()) + 1 : edit.maxLength;
  if (chars <= 0) return 0;
  *fixed = chars <= 12;
  return std::min(chars, 40);
}

void SetValidator(QLineEdit* w, const Edit& edit) {
  if (edit.mask.empty()) return;
  QRegularExpression e = PictureExpression(edit.mask, edit.text);
  auto* current = qobject_cast<const QRegularExpressionValidator*>(w->validator());
  if (current && current->regularExpression() == e) return;
  // A text the model wrote that no picture of this kind can hold is shown as it is, unchecked.
  if (!e.match(ToQt(edit.text)).hasMatch()) {
    w->setValidator(nullptr);
    return;
  }
  w->setValidator(new QRegularExpressionValidator(e, w));
}

}  // namespace

int SelectedRow(const QListWidget* list) {
  const auto selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.first());
}

QWidget* ModelDialog::BindEdit(const FormItem& item, Binding& b) {
  auto* edit = std::get<Edit*>(item.control);
  auto* w = new QLineEdit;
  b.label = CaptionLabel(item, w);
  Name(item, w);
  bool fixed = false;
  if (int chars = EditChars(item, *edit, &fixed); chars > 0) {
    if (fixed)
      w->setFixedWidth(CharsWide(w, chars));
    else
      w->setMinimumWidth(CharsWide(w, chars));
  }
  w->installEventFilter(this);
  if (item.onChange) connect(w, &QLineEdit::textEdited, this, [this, &item] { Run(item.onChange); });
  QPalette normal = w->palette();
  Binding* bp = &b;  // its caption may be taken away by the layout (a table's cell)
  b.refresh = [w, edit, bp, normal] {
    // The length and the picture limit what is typed; what the model wrote is shown whole.
    QString text = ToQt(edit->text);
    int limit = edit->maxLength > 0 ? std::max<int>(edit->maxLength, static_cast<int>(text.size())) : 32767;
    if (w->maxLength() != limit) w->setMaxLength(limit);
    SetValidator(w, *edit);
    if (w->text() != text) w->setText(text);
    QPalette p = normal;
    if (edit->red) p.setColor(QPalette::Text, Qt::red);
    w->setPalette(p);
    w->setEnabled(edit->enabled);
    w->setReadOnly(edit->readOnly);
    // A field that only shows something is no stop for Tab.
    w->setFocusPolicy(edit->readOnly ? Qt::ClickFocus : Qt::StrongFocus);
    w->setVisible(edit->visible);
    if (bp->label) bp->label->setVisible(edit->visible);
    if (edit->focus) {
      w->setFocus(Qt::OtherFocusReason);
      edit->focus = false;
    }
  };
  b.collect = [w, edit] { edit->text = FromQt(w->text()); };
  return w;
}

QWidget* ModelDialog::BindList(const FormItem& item, Binding& b) {
  auto* list = std::get<ListBox*>(item.control);
  auto* w = new QListWidget;
  b.label = CaptionLabel(item, w);
  Name(item, w);
  w->setSelectionMode(QAbstractItemView::SingleSelection);
  w->setFont(list->fixedPitch ? FixedFont() : QFont());
  w->viewport()->installEventFilter(this);
  Binding* bp = &b;
  // A choice is a selected item: the row Qt makes current when the list takes the focus is none.
  connect(w, &QListWidget::itemSelectionChanged, this, [this, &item] {
    if (!refreshing_) Run(item.onClick);
  });
  // A click on the item that was already chosen changes no selection but is still a click.
  connect(w, &QListWidget::itemClicked, this, [this, &item, w, bp](QListWidgetItem* it) {
    if (w->row(it) == bp->rowAtPress) Run(item.onClick);
  });
  connect(w, &QListWidget::itemDoubleClicked, this, [this, &item] { Run(item.onDoubleClick); });
  const int fixedLines = item.minHeight;
  const int minChars = item.minWidth;
  b.refresh = [w, list, fixedLines, minChars, sized = false]() mutable {
    QStringList items = ToQtList(list->items);
    QStringList shown;
    for (int i = 0; i < w->count(); ++i) shown << w->item(i)->text();
    if (shown != items || !sized) {
      sized = true;
      w->clear();
      w->addItems(items);
      // As wide as the longest item, as tall as its items up to a few lines, then scrolling; a
      // list described with a number of lines shows that many whatever it holds.
      int frame = 2 * w->frameWidth();
      int widest = std::max(w->sizeHintForColumn(0), minChars > 0 ? CharsWide(w, minChars) : 0);
      int width = std::min(widest + w->verticalScrollBar()->sizeHint().width() + frame + 8, 1000);
      int row = std::max(w->sizeHintForRow(0), w->fontMetrics().height() + 2);
      if (fixedLines > 0) {
        w->setMinimumWidth(width);
        w->setMinimumHeight(fixedLines * row + frame);
      } else {
        // A short list of choices keeps its size: all of it in view up to a dozen lines.
        int lines = std::clamp(static_cast<int>(items.size()), 2, 12);
        w->setFixedSize(std::max(width, CharsWide(w, 6)), lines * row + frame);
      }
    }
    if (list->selected()) {
      if (SelectedRow(w) != list->itemIndex) w->setCurrentRow(list->itemIndex);
    } else if (SelectedRow(w) != -1 || w->currentRow() != -1) {
      w->clearSelection();
      w->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    }
    w->setEnabled(list->enabled);
    if (list->focus) {
      w->setFocus(Qt::OtherFocusReason);
      list->focus = false;
    }
  };
  b.collect = [w, list] { list->itemIndex = SelectedRow(w); };
  return w;
}

QWidget* ModelDialog::BindCheck(const FormItem& item, Binding& b) {
  auto* check = std::get<CheckBox*>(item.control);
  auto* w = new QCheckBox(ToQt(item.caption));
  Name(item, w);
  connect(w, &QCheckBox::clicked, this, [this, &item] { Run(item.onClick); });
  b.refresh = [w, check] {
    w->setChecked(check->checked);
    w->setEnabled(check->enabled);
  };
  b.collect = [w, check] { check->checked = w->isChecked(); };
  return w;
}

QWidget* ModelDialog::BindRadio(const FormItem& item, Binding& b) {
  auto* radio = std::get<RadioGroup*>(item.control);
  auto* w = new QGroupBox(ToQt(item.caption));
  Name(item, w);
  auto* box = new QGridLayout(w);
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
      // A few short choices ("1" to "4") stand in one row, longer ones one under the other.
      bool row = items.size() <= 4;
      for (const auto& text : items) row = row && text.size() <= 8;
      for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i]);
        if (row)
          box->addWidget(button, 0, i);
        else
          box->addWidget(button, i, 0);
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
  auto* checks = std::get<CheckListBox*>(item.control);
  auto* w = new QListWidget;
  b.label = CaptionLabel(item, w);
  Name(item, w);
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
        // Without a check state of its own an item shows no box to tick.
        it->setCheckState(Qt::Unchecked);
      }
    }
    for (int i = 0; i < w->count(); ++i) {
      Qt::CheckState state = checks->IsChecked(i) ? Qt::Checked : Qt::Unchecked;
      if (w->item(i)->checkState() != state) w->item(i)->setCheckState(state);
    }
    if (SelectedRow(w) != checks->itemIndex) w->setCurrentRow(checks->itemIndex);
  };
  b.collect = [w, checks] {
    checks->checked.assign(static_cast<std::size_t>(w->count()), false);
    for (int i = 0; i < w->count(); ++i)
      checks->checked[static_cast<std::size_t>(i)] = w->item(i)->checkState() == Qt::Checked;
    checks->itemIndex = SelectedRow(w);
  };
  return w;
}

QWidget* ModelDialog::BindMemo(const FormItem& item, Binding& b) {
  auto* memo = std::get<Memo*>(item.control);
  auto* w = new QPlainTextEdit;
  b.label = CaptionLabel(item, w);
  Name(item, w);
  w->setLineWrapMode(QPlainTextEdit::NoWrap);
  b.refresh = [w, memo, &item] {
    w->setReadOnly(memo->readOnly);
    w->setFont(memo->fixedPitch ? FixedFont() : QFont());
    QFontMetrics fm(w->font());
    // The frame, the margins and the scroll bar come on top of the characters asked for.
    int edges = 2 * (w->frameWidth() + static_cast<int>(w->document()->documentMargin()));
    w->setMinimumSize(
        item.minWidth * fm.averageCharWidth() + edges + w->verticalScrollBar()->sizeHint().width(),
        item.minHeight * fm.lineSpacing() + edges);
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
  auto* button = std::get<Button*>(item.control);
  auto* w = new QPushButton(ToQt(item.caption));
  Name(item, w);
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
  // Only a text longer than a line wraps; a short one keeps its words together.
  w->setWordWrap(item.caption.size() > 60);
  Name(item, w);
  if (auto* const* label = std::get_if<Label*>(&item.control); label && *label)
    b.refresh = [w, label = *label] { w->setText(ToQt(label->caption)); };
  return w;
}

QWidget* ModelDialog::BindMatrix(const FormItem& item, Binding& b) {
  auto* matrix = std::get<ModuleMatrix*>(item.control);
  auto* w = new QLabel;
  b.label = CaptionLabel(item, w);
  Name(item, w);
  w->setAlignment(Qt::AlignCenter);
  const int pixels = std::max(1, item.minWidth);
  const int reserved = std::max(0, item.minHeight);
  b.refresh = [w, matrix, pixels, reserved, shown = std::vector<bool>(), drawn = false]() mutable {
    w->setToolTip(ToQt(matrix->text));
    w->setAccessibleDescription(ToQt(matrix->text));
    if (drawn && shown == matrix->dark) return;
    drawn = true;
    shown = matrix->dark;
    const int side = matrix->size * pixels;
    const int room = std::max(matrix->size, reserved) * pixels;
    w->setFixedSize(room, room);
    w->setVisible(room > 0);
    if (side <= 0) {
      w->clear();
      return;
    }
    // Drawn module by module at a whole number of pixels each: a scaled picture blurs the edges a
    // phone's camera looks for.
    QImage image(side, side, QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    image.fill(0);
    for (int y = 0; y < side; ++y)
      for (int x = 0; x < side; ++x) {
        const auto at = static_cast<std::size_t>(y / pixels) * static_cast<std::size_t>(matrix->size) +
                        static_cast<std::size_t>(x / pixels);
        if (at < matrix->dark.size() && matrix->dark[at]) image.setPixel(x, y, 1);
      }
    w->setPixmap(QPixmap::fromImage(image));
  };
  return w;
}
