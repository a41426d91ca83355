// The grid of the one dialog view. Qt never edits a cell: moving between cells runs the model's
// select handler, and typed characters and editing keys go to its key handler, which decides what
// each cell shows.
#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <algorithm>
#include <variant>

#include "app/model_dialog.h"
#include "app/text_codec.h"

namespace {

void EnsureItems(QTableWidget* w, const StringGrid& grid) {
  if (w->rowCount() != grid.rowCount) w->setRowCount(grid.rowCount);
  if (w->columnCount() != grid.colCount) w->setColumnCount(grid.colCount);
  QBrush fixed = w->palette().button();
  for (int c = 0; c < grid.colCount; ++c)
    for (int r = 0; r < grid.rowCount; ++r) {
      if (w->item(r, c)) continue;
      auto* it = new QTableWidgetItem;
      if (r < grid.fixedRows || c < grid.fixedCols) {
        it->setFlags(Qt::ItemIsEnabled);
        it->setBackground(fixed);
      } else {
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      }
      w->setItem(r, c, it);
    }
}

void ShowCells(QTableWidget* w, const StringGrid& grid) {
  for (int c = 0; c < grid.colCount && c < static_cast<int>(grid.cells.size()); ++c) {
    const auto& column = grid.cells[static_cast<std::size_t>(c)];
    for (int r = 0; r < grid.rowCount && r < static_cast<int>(column.size()); ++r) {
      QString text = ToQt(column[static_cast<std::size_t>(r)]);
      auto* it = w->item(r, c);
      if (it->text() != text) it->setText(text);
    }
  }
}

bool InsideEditable(const StringGrid& grid, int col, int row) {
  return row >= grid.fixedRows && row < grid.rowCount && col >= grid.fixedCols && col < grid.colCount;
}

}  // namespace

QWidget* ModelDialog::BindGrid(const FormItem& item, Binding& b) {
  auto* grid = std::get<StringGrid*>(item.control);
  auto* w = new QTableWidget;
  if (!item.caption.empty()) {
    auto* label = new QLabel(ToQt(item.caption));
    label->setBuddy(w);
    b.label = label;
  }
  if (!item.name.empty()) {
    w->setObjectName(ToQt(item.name));
    w->setAccessibleName(ToQt(item.name));
  }
  w->horizontalHeader()->hide();
  w->verticalHeader()->hide();
  w->setEditTriggers(QAbstractItemView::NoEditTriggers);
  w->setSelectionMode(QAbstractItemView::SingleSelection);
  w->setTabKeyNavigation(false);
  w->horizontalHeader()->setStretchLastSection(true);
  w->installEventFilter(this);
  if (grid->fixedPitch) w->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  w->verticalHeader()->setDefaultSectionSize(w->fontMetrics().height() + 6);
  int charWidth = w->fontMetrics().horizontalAdvance(QLatin1Char('0'));
  // A click into the title row or column keeps the cell the user was in.
  connect(w, &QTableWidget::currentCellChanged, this,
          [this, &item, w, grid](int row, int col, int oldRow, int oldCol) {
            if (refreshing_) return;
            if (!InsideEditable(*grid, col, row)) {
              refreshing_ = true;
              w->setCurrentCell(oldRow, oldCol);
              refreshing_ = false;
              return;
            }
            Run(item.onSelect);
          });
  b.refresh = [w, grid, charWidth, fitted = false]() mutable {
    EnsureItems(w, *grid);
    for (std::size_t c = 0; c < grid->colWidths.size() && static_cast<int>(c) < grid->colCount; ++c)
      w->setColumnWidth(static_cast<int>(c), grid->colWidths[c] * charWidth + 8);
    ShowCells(w, *grid);
    // Without widths from the model the columns fit their titles and first contents once.
    if (grid->colWidths.empty() && !fitted) {
      fitted = true;
      w->resizeColumnsToContents();
      for (int c = 0; c < grid->colCount; ++c)
        w->setColumnWidth(c, std::max(w->columnWidth(c) + 12, 5 * charWidth));
    }
    int width = 2 * w->frameWidth() + w->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < grid->colCount; ++c) width += w->columnWidth(c);
    w->setMinimumWidth(std::min(width, 1100));
    w->setMinimumHeight(std::min(grid->rowCount, 16) * w->verticalHeader()->defaultSectionSize() +
                        2 * w->frameWidth());
    if (InsideEditable(*grid, grid->col, grid->row) &&
        (w->currentRow() != grid->row || w->currentColumn() != grid->col))
      w->setCurrentCell(grid->row, grid->col);
    if (grid->focus) {
      w->setFocus(Qt::OtherFocusReason);
      grid->focus = false;
    }
  };
  b.collect = [w, grid] {
    if (!InsideEditable(*grid, w->currentColumn(), w->currentRow())) return;
    grid->row = w->currentRow();
    grid->col = w->currentColumn();
  };
  return w;
}

void ModelDialog::MoveGridCell(const Binding& b, int dCol, int dRow, bool wrap) {
  auto* grid = std::get<StringGrid*>(b.item->control);
  auto* w = static_cast<QTableWidget*>(b.widget);
  int col = grid->col + dCol;
  int row = grid->row + dRow;
  if (wrap && col >= grid->colCount) {
    col = grid->fixedCols;
    ++row;
  } else if (wrap && col < grid->fixedCols) {
    col = grid->colCount - 1;
    --row;
  }
  if (!InsideEditable(*grid, col, row)) return;
  refreshing_ = true;
  w->setCurrentCell(row, col);
  refreshing_ = false;
  Run(b.item->onSelect);
}

bool ModelDialog::GridKey(const Binding& b, int key, const QString& text) {
  const FormItem& item = *b.item;
  auto send = [this, &item](int code) {
    if (item.onKey) Run([&item, code] { item.onKey(code); });
  };
  switch (key) {
    case Qt::Key_Left:
      MoveGridCell(b, -1, 0, false);
      return true;
    case Qt::Key_Right:
      MoveGridCell(b, 1, 0, false);
      return true;
    case Qt::Key_Up:
      MoveGridCell(b, 0, -1, false);
      return true;
    case Qt::Key_Down:
      MoveGridCell(b, 0, 1, false);
      return true;
    case Qt::Key_Tab:
      MoveGridCell(b, 1, 0, true);
      return true;
    case Qt::Key_Backtab:
      MoveGridCell(b, -1, 0, true);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      send(keys::Enter);
      return true;
    case Qt::Key_Backspace:
      send(keys::Backspace);
      return true;
    case Qt::Key_Delete:
      send(keys::Delete);
      return true;
    case Qt::Key_Escape:
      return false;
    default:
      break;
  }
  if (text.isEmpty() || text.at(0) < QChar(' ')) return false;
  for (char c : FromQt(text)) send(static_cast<unsigned char>(c));
  return true;
}
