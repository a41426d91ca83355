// How the one dialog view arranges a model's description: columns of forms (captions beside their
// controls), titled group boxes, tables of controls under row and column captions, fixed-pitch
// headings over lists, and the buttons with a role in a button box at the foot, in the platform's
// order. Buttons without a role stay where they were described when that is inside a group.
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

#include "app/model_dialog.h"
#include "app/text_codec.h"

struct ModelDialog::Area {
  QHBoxLayout* columns = nullptr;    // the columns of this dialog or group
  QVBoxLayout* column = nullptr;     // the column being filled
  QFormLayout* form = nullptr;       // its loose items below what came before; none yet
  QHBoxLayout* buttonRow = nullptr;  // buttons that follow each other share a row
  bool inGroup = false;
  bool columnExpands = false;  // the column holds something that takes spare height
  bool expands = false;        // any column does
};

namespace {

constexpr std::size_t kBesideCaption = 32;  // longer captions stand above their control

QFormLayout* NewForm() {
  auto* f = new QFormLayout;
  f->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
  f->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  f->setRowWrapPolicy(QFormLayout::DontWrapRows);
  return f;
}

void StartColumn(ModelDialog::Area& a);

void EndColumn(ModelDialog::Area& a) {
  if (!a.column) return;
  if (!a.columnExpands) a.column->addStretch(1);
  a.expands = a.expands || a.columnExpands;
  a.column = nullptr;
  a.form = nullptr;
  a.buttonRow = nullptr;
}

void StartColumn(ModelDialog::Area& a) {
  EndColumn(a);
  a.column = new QVBoxLayout;
  a.columns->addLayout(a.column, 1);
  a.columnExpands = false;
}

QFormLayout* FormOf(ModelDialog::Area& a) {
  if (!a.form) {
    a.form = NewForm();
    a.column->addLayout(a.form);
  }
  return a.form;
}

// Whether a control takes the spare height of its column.
bool Expands(const FormItem& item) {
  switch (item.kind) {
    case FormItem::Kind::Grid:
    case FormItem::Kind::Memo:
    case FormItem::Kind::CheckListBox:
      return true;
    case FormItem::Kind::ListBox:
      return item.minHeight > 0;
    default:
      return false;
  }
}

QDialogButtonBox::ButtonRole BoxRole(ButtonRole role) {
  switch (role) {
    case ButtonRole::Accept:
      return QDialogButtonBox::AcceptRole;
    case ButtonRole::Reject:
      return QDialogButtonBox::RejectRole;
    case ButtonRole::Help:
      return QDialogButtonBox::HelpRole;
    case ButtonRole::Other:
      break;
  }
  return QDialogButtonBox::ActionRole;
}

}  // namespace

ModelDialog::Binding& ModelDialog::NewBinding(const FormItem& item) {
  bindings_.emplace_back();
  bindings_.back().item = &item;
  return bindings_.back();
}

void ModelDialog::Build() {
  auto* outer = new QVBoxLayout(this);
  // Pointers into bindings_ are kept by handlers and by pendingExit_, so it must not grow later.
  bindings_.reserve(layout_.items.size());
  box_ = new QDialogButtonBox(Qt::Horizontal, this);
  Area top;
  top.columns = new QHBoxLayout;
  outer->addLayout(top.columns, 1);
  Arrange(top);
  if (!box_->buttons().isEmpty()) {
    outer->addSpacing(style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing));
    outer->addWidget(box_);
  } else {
    box_->hide();
  }
}

void ModelDialog::Arrange(Area& top) {
  std::size_t index = 0;
  ArrangeRange(top, index);
}

bool ModelDialog::ArrangeRange(Area& a, std::size_t& i) {
  StartColumn(a);
  const auto& items = layout_.items;
  for (; i < items.size(); ++i) {
    const FormItem& item = items[i];
    switch (item.kind) {
      case FormItem::Kind::EndGroup:
        EndColumn(a);
        return a.expands;
      case FormItem::Kind::EndTable:
        continue;
      case FormItem::Kind::Column:
        StartColumn(a);
        continue;
      case FormItem::Kind::Group: {
        // A group without a title only keeps its controls together, without a frame.
        QWidget* group = item.caption.empty() ? new QWidget : new QGroupBox(ToQt(item.caption));
        if (!item.name.empty()) group->setObjectName(ToQt(item.name));
        Area inner;
        inner.inGroup = true;
        inner.columns = new QHBoxLayout(group);
        if (item.caption.empty()) inner.columns->setContentsMargins(0, 0, 0, 0);
        ++i;
        bool grows = ArrangeRange(inner, i);
        a.column->addWidget(group, grows ? 1 : 0);
        a.columnExpands = a.columnExpands || grows;
        a.form = nullptr;
        a.buttonRow = nullptr;
        continue;
      }
      case FormItem::Kind::Table:
        a.column->addWidget(BuildTable(i));
        a.form = nullptr;
        a.buttonRow = nullptr;
        continue;
      case FormItem::Kind::Label:
        if (item.fixedPitch) {
          FormOf(a)->addRow(BuildHeading(i));
          a.buttonRow = nullptr;
          continue;
        }
        break;
      default:
        break;
    }
    Binding& b = NewBinding(item);
    QWidget* w = BuildItem(item, b);
    b.widget = w;
    // Buttons of the whole dialog go to the box at its foot; those of a group stay in it.
    if (item.kind == FormItem::Kind::Button && !a.inGroup) {
      box_->addButton(static_cast<QPushButton*>(w), BoxRole(item.role));
      if (item.role == ButtonRole::Help) {
        auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
        connect(f1, &QShortcut::activated, w, [w] { static_cast<QPushButton*>(w)->click(); });
      }
      continue;
    }
    if (item.kind == FormItem::Kind::Button) {
      if (!a.buttonRow) {
        a.buttonRow = new QHBoxLayout;
        a.buttonRow->addStretch(1);
        FormOf(a)->addRow(a.buttonRow);
      }
      a.buttonRow->insertWidget(a.buttonRow->count() - 1, w);
      continue;
    }
    a.buttonRow = nullptr;
    a.columnExpands = a.columnExpands || Expands(item);
    if (item.beside > 0) {
      // This item and the next ones in one row: a plain label is the row's caption.
      auto* row = new QHBoxLayout;
      QWidget* caption = b.label;
      if (item.kind == FormItem::Kind::Label) {
        caption = w;
      } else {
        row->addWidget(w);
      }
      for (int k = 0; k < item.beside && i + 1 < items.size(); ++k) {
        const FormItem& next = items[++i];
        Binding& nb = NewBinding(next);
        nb.widget = BuildItem(next, nb);
        if (nb.label) row->addWidget(nb.label);
        row->addWidget(nb.widget);
      }
      row->addStretch(1);
      if (caption)
        FormOf(a)->addRow(caption, row);
      else
        FormOf(a)->addRow(row);
      continue;
    }
    if (b.label && item.caption.size() > kBesideCaption) {
      // A caption too long to stand beside its control stands above it.
      static_cast<QLabel*>(b.label)->setWordWrap(true);
      FormOf(a)->addRow(b.label);
      FormOf(a)->addRow(QString(), w);
    } else if (b.label)
      FormOf(a)->addRow(b.label, w);
    else if (item.kind == FormItem::Kind::CheckBox)
      FormOf(a)->addRow(QString(), w);
    else
      FormOf(a)->addRow(w);
  }
  EndColumn(a);
  return a.expands;
}

QWidget* ModelDialog::BuildTable(std::size_t& i) {
  const FormItem& table = layout_.items[i];
  QWidget* frame = table.caption.empty() ? new QWidget : new QGroupBox(ToQt(table.caption));
  if (!table.name.empty()) frame->setObjectName(ToQt(table.name));
  auto* grid = new QGridLayout(frame);
  if (table.caption.empty()) grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing));
  int first = table.rowCaptions.empty() ? 0 : 1;
  int columns = std::max<int>(1, static_cast<int>(table.columnCaptions.size()));
  for (int c = 0; c < static_cast<int>(table.columnCaptions.size()); ++c) {
    auto* heading = new QLabel(ToQt(table.columnCaptions[static_cast<std::size_t>(c)]));
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(heading, 0, c + first);
  }
  int headRows = table.columnCaptions.empty() ? 0 : 1;
  for (int r = 0; r < static_cast<int>(table.rowCaptions.size()); ++r)
    grid->addWidget(new QLabel(ToQt(table.rowCaptions[static_cast<std::size_t>(r)])), r + headRows, 0);
  int cell = 0;
  const auto& items = layout_.items;
  for (++i; i < items.size() && items[i].kind != FormItem::Kind::EndTable; ++i, ++cell) {
    const FormItem& item = items[i];
    Binding& b = NewBinding(item);
    QWidget* w = BuildItem(item, b);
    b.widget = w;
    int r = cell / columns;
    int c = cell % columns;
    // The captions stand at the edges, so a cell's own caption only names it for a screen reader.
    delete b.label;
    b.label = nullptr;
    if (item.name.empty()) {
      QString row = r < static_cast<int>(table.rowCaptions.size())
                        ? ToQt(table.rowCaptions[static_cast<std::size_t>(r)]) + " "
                        : QString();
      w->setAccessibleName(row + ToQt(item.caption));
    }
    // Cells of different heights (lists) line up at their top edge.
    grid->addWidget(w, r + headRows, c + first, Qt::AlignTop | Qt::AlignLeft);
  }
  // The cells keep their own width; spare room goes to the right of the table.
  grid->setColumnStretch(first + columns, 1);
  return frame;
}

QWidget* ModelDialog::BuildHeading(std::size_t& i) {
  // Headings that follow each other make one line in the fixed-pitch font of the list below,
  // each starting above its character of the list's lines.
  auto* w = new QLabel;
  w->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  int inset = style()->pixelMetric(QStyle::PM_DefaultFrameWidth) +
              style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
  w->setContentsMargins(inset, 0, 0, 0);
  std::vector<const FormItem*> parts;
  const auto& items = layout_.items;
  for (; i < items.size() && items[i].kind == FormItem::Kind::Label && items[i].fixedPitch; ++i) {
    parts.push_back(&items[i]);
    Binding& b = NewBinding(items[i]);
    b.widget = w;
  }
  --i;  // the loop's own step moves past the last heading
  Binding& first = bindings_[bindings_.size() - parts.size()];
  first.refresh = [w, parts] {
    QString line;
    auto place = [&line](int column, const QString& text) {
      if (line.size() < column)
        line = line.leftJustified(column);
      else if (!line.isEmpty())
        line += ' ';
      line += text;
    };
    for (const FormItem* part : parts) {
      const auto* label = std::get_if<Label*>(&part->control);
      QString text = ToQt(label && *label ? (*label)->caption : part->caption);
      const auto& columns = part->headingColumns;
      if (columns.size() <= 1) {
        place(columns.empty() ? 0 : columns[0], text);
        continue;
      }
      static const QRegularExpression parting("\\s+-\\s*|\\s{2,}");
      QStringList words = text.split(parting, Qt::SkipEmptyParts);
      for (qsizetype k = 0; k < words.size(); ++k)
        place(k < static_cast<qsizetype>(columns.size()) ? columns[static_cast<std::size_t>(k)] : 0,
              words[k]);
    }
    w->setText(line);
  };
  return w;
}

void ModelDialog::SetTabChain() {
  std::vector<QWidget*> chain;
  for (const auto& b : bindings_) {
    if (!b.widget || b.widget->focusPolicy() == Qt::NoFocus) {
      if (b.widget && b.item->kind == FormItem::Kind::RadioGroup)
        for (auto* r : b.widget->findChildren<QRadioButton*>()) chain.push_back(r);
      continue;
    }
    if (box_->buttons().contains(qobject_cast<QAbstractButton*>(b.widget))) continue;
    chain.push_back(b.widget);
  }
  // The button box comes last, in the order it shows its buttons.
  for (auto* button : box_->findChildren<QPushButton*>()) chain.push_back(button);
  for (std::size_t k = 1; k < chain.size(); ++k) QWidget::setTabOrder(chain[k - 1], chain[k]);
}
