#include "ui/widgets/record_list_view.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

#include "ui/widgets/search_list_model.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

namespace {

bool HasHeadings(const QAbstractItemModel& model) {
  for (int column = 0; column < model.columnCount(); ++column) {
    if (!model.headerData(column, Qt::Horizontal).toString().isEmpty()) return true;
  }
  return false;
}

bool IsMoveKey(int key) {
  switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
      return true;
    default:
      return false;
  }
}

}  // namespace

RecordListView::RecordListView(SearchListModel* model, int visible_rows, Keys keys, QWidget* parent)
    : QTableView(parent), model_(model), visible_rows_(std::max(1, visible_rows)), keys_(keys) {
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setTabKeyNavigation(false);
  setWordWrap(false);
  setShowGrid(false);
  setCornerButtonEnabled(false);
  ensurePolished();

  // One fixed height for every row, set before the rows exist: the header would otherwise go
  // through all of them for each setting, and the view never measures rows one by one.
  const int row_height = fontMetrics().height() + 6;
  QHeaderView* rows = verticalHeader();
  rows->hide();
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setMinimumSectionSize(row_height);
  rows->setDefaultSectionSize(row_height);
  setModel(model_);

  QHeaderView* header = horizontalHeader();
  header->setSectionsClickable(false);
  header->setHighlightSections(false);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header->setStretchLastSection(true);
  header->setVisible(HasHeadings(*model_));
  FitHeight();

  connect(this, &QAbstractItemView::clicked, this,
          [this](const QModelIndex& index) { emit RowChosen(index.row()); });
}

// Exactly the rows asked for, under the header as the table view measures it when it lays out
// the rows (its height follows the headings and the column widths).
void RecordListView::FitHeight() {
  const QHeaderView* header = horizontalHeader();
  const int header_height =
      header->isHidden() ? 0
                         : std::min(std::max(header->minimumHeight(), header->sizeHint().height()),
                                    header->maximumHeight());
  const int height =
      2 * frameWidth() + header_height + visible_rows_ * verticalHeader()->defaultSectionSize();
  if (height != maximumHeight() || height != minimumHeight()) setFixedHeight(height);
}

void RecordListView::updateGeometries() {
  QTableView::updateGeometries();
  FitHeight();
}

int RecordListView::RowCount() const {
  return model_->rowCount();
}

int RecordListView::MaxTop() const {
  return std::max(0, RowCount() - visible_rows_);
}

int RecordListView::top() const {
  return std::clamp(verticalScrollBar()->value(), 0, MaxTop());
}

void RecordListView::SetTop(int row) {
  verticalScrollBar()->setValue(std::clamp(row, 0, MaxTop()));
}

int RecordListView::current() const {
  const QModelIndex index = currentIndex();
  if (!index.isValid() || !selectionModel()->isRowSelected(index.row(), QModelIndex())) return -1;
  return index.row();
}

int RecordListView::CurrentNumber() const {
  return model_->NumberAt(current());
}

void RecordListView::SetCurrent(int row) {
  if (row < 0 || row >= RowCount()) {
    setCurrentIndex(QModelIndex());
    clearSelection();
    return;
  }
  const QModelIndex index = model_->index(row, std::max(0, currentIndex().column()));
  setCurrentIndex(index);
  selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  // Before the view is first shown its rows have no height yet: it scrolls when shown.
  if (isVisible()) {
    scrollTo(index);
  } else {
    scroll_on_show_ = true;
  }
}

void RecordListView::Reload() {
  const int old_top = top();
  const int old_current = current();
  model_->Reload();
  updateGeometries();
  if (old_current < RowCount()) SetCurrent(old_current);
  SetTop(old_top);
}

void RecordListView::SetColumnWidth(int column, int width) {
  horizontalHeader()->setSectionResizeMode(column, QHeaderView::Fixed);
  setColumnWidth(column, width);
}

void RecordListView::FitWidthToKeys(const store::SearchList& list) {
  // The lengths sit side by side in the entries: finding the longest costs little even for
  // half a million people, and only that one key is measured.
  const store::SearchEntry* longest = nullptr;
  for (const store::SearchEntry& entry : list.entries()) {
    if (longest == nullptr || entry.length > longest->length) longest = &entry;
  }
  const QFontMetrics metrics = fontMetrics();
  int text = metrics.horizontalAdvance(QLatin1Char('n')) * 40;  // short lists
  if (longest != nullptr) {
    const QString key = FromAnsi(longest->view().substr(0, kWidestKey));
    text = std::max(text, metrics.horizontalAdvance(key));
  }
  const int last = model_->columnCount() - 1;
  int width = 2 * frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  for (int column = 0; column < last; ++column) width += columnWidth(column);
  // The cell's margins, and its check box with the gap after it.
  width += 4 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
  if (last >= 0 && model_->column(last).checked) {
    width += style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this) +
             2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
  }
  setMinimumWidth(std::max(minimumWidth(), width + text));
}

// Up and Down move within the rows shown and Page Up and Page Down to the first and last of
// them; only from the first or the last row does the window move (the base class then scrolls
// the new row just into view).
int RecordListView::WindowKeyRow(CursorAction cursor_action) const {
  const int first = top();
  const int highlighted = current();
  const int row =
      highlighted >= first && highlighted < first + visible_rows_ ? highlighted - first : -1;
  const int last_row = std::min(visible_rows_, RowCount() - first) - 1;
  const int window_step = visible_rows_ - 1;
  const auto moved = [&](int step, int at_row) {
    return std::clamp(first + step, 0, MaxTop()) + at_row;
  };
  switch (cursor_action) {
    case MoveUp:
      if (row > 0) return highlighted - 1;
      return moved(row == 0 ? -1 : 0, 0);
    case MoveDown:
      if (row < 0) return first;
      if (row < last_row) return highlighted + 1;
      return moved(row == visible_rows_ - 1 ? 1 : 0, row);
    case MovePageUp:
      return moved(row == 0 ? -window_step : 0, 0);
    case MovePageDown:
      return row == visible_rows_ - 1 ? moved(window_step, row) : first + last_row;
    case MoveHome:
      return first;
    case MoveEnd:
      return first + last_row;
    default:
      return highlighted;
  }
}

int RecordListView::ListKeyRow(CursorAction cursor_action) const {
  const int highlighted = current();
  const int from = highlighted >= 0 ? highlighted : top();
  const int page = std::max(1, visible_rows_ - 1);
  int to = from;
  switch (cursor_action) {
    case MoveUp:
      to = from - 1;
      break;
    case MoveDown:
      to = highlighted >= 0 ? from + 1 : from;
      break;
    case MovePageUp:
      to = from - page;
      break;
    case MovePageDown:
      to = from + page;
      break;
    case MoveHome:
      to = 0;
      break;
    case MoveEnd:
      to = RowCount() - 1;
      break;
    default:
      break;
  }
  return std::clamp(to, 0, RowCount() - 1);
}

QModelIndex RecordListView::moveCursor(CursorAction cursor_action,
                                       Qt::KeyboardModifiers modifiers) {
  switch (cursor_action) {
    case MoveUp:
    case MoveDown:
    case MovePageUp:
    case MovePageDown:
    case MoveHome:
    case MoveEnd:
      break;
    default:  // left and right between the columns
      return QTableView::moveCursor(cursor_action, modifiers);
  }
  if (RowCount() == 0) return {};
  const int row = keys_ == Keys::kWindow ? WindowKeyRow(cursor_action) : ListKeyRow(cursor_action);
  return model_->index(row, std::max(0, currentIndex().column()));
}

void RecordListView::keyPressEvent(QKeyEvent* event) {
  const int before = current();
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (before < 0) {
      event->ignore();
      return;
    }
    emit RowAccepted(before);
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
  if (!IsMoveKey(event->key())) return;
  // The keys stay with the list even where the highlight cannot move any further.
  event->accept();
  if (current() >= 0) emit RowChosen(current());
}

void RecordListView::mousePressEvent(QMouseEvent* event) {
  QTableView::mousePressEvent(event);
  if (event->button() != Qt::RightButton) return;
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid()) emit DetailsWanted(index.row(), event->globalPosition().toPoint());
}

void RecordListView::mouseDoubleClickEvent(QMouseEvent* event) {
  QTableView::mouseDoubleClickEvent(event);
  const QModelIndex index = indexAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && index.isValid() && index.row() == current()) {
    emit RowAccepted(index.row());
  }
}

void RecordListView::contextMenuEvent(QContextMenuEvent* event) {
  // The right click itself was handled as it was pressed; the menu key asks for the current row.
  if (event->reason() == QContextMenuEvent::Mouse || current() < 0) return;
  const QRect rect = visualRect(currentIndex());
  emit DetailsWanted(current(), viewport()->mapToGlobal(rect.bottomLeft()));
}

bool RecordListView::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QTableView::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QModelIndex index = indexAt(help->pos());
  const QRect cell = visualRect(index);
  if (index.isValid() && sizeHintForIndex(index).width() > cell.width()) {
    QToolTip::showText(help->globalPos(), index.data().toString(), viewport(), cell);
  } else {
    QToolTip::hideText();
  }
  return true;
}

void RecordListView::showEvent(QShowEvent* event) {
  QTableView::showEvent(event);
  if (!scroll_on_show_) return;
  scroll_on_show_ = false;
  if (currentIndex().isValid()) scrollTo(currentIndex());
}

}  // namespace kinloom::ui
