#include "ui/dialogs/search_box_list.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

constexpr int kWindowStep = SearchListWindow::kRows - 1;
constexpr int kWheelLines = 3;

}  // namespace

SearchListWindow::SearchListWindow(const store::SearchList& list, QWidget* parent)
    : QWidget(parent), list_(list) {
  rows_ = new QListWidget(this);
  rows_->setObjectName(QStringLiteral("SearchList"));
  rows_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rows_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rows_->setUniformItemSizes(true);
  rows_->setSelectionMode(QAbstractItemView::SingleSelection);
  rows_->ensurePolished();
  const int row_height = rows_->fontMetrics().height() + 4;
  for (int i = 0; i < kRows; ++i) {
    auto* item = new QListWidgetItem(rows_);
    item->setSizeHint(QSize(0, row_height));
  }
  rows_->setFixedHeight(kRows * row_height + 2 * rows_->frameWidth() + 2);
  rows_->setMinimumWidth(440);
  rows_->installEventFilter(this);
  rows_->viewport()->installEventFilter(this);

  bar_ = new QScrollBar(Qt::Vertical, this);
  bar_->setObjectName(QStringLiteral("SearchListBar"));
  bar_->setSingleStep(1);
  bar_->setPageStep(kWindowStep);
  connect(bar_, &QScrollBar::valueChanged, this, [this](int value) {
    if (filling_ == 0) SetTop(value);
  });

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(rows_, 1);
  layout->addWidget(bar_);
  Reload();
}

int SearchListWindow::MaxTop() const {
  return std::max(0, list_.size() - kRows);
}

int SearchListWindow::EntryAtRow(int row) const {
  const int entry = top_ + row;
  return row >= 0 && row < kRows && entry < list_.size() ? entry : -1;
}

int SearchListWindow::RowOfEntry(int entry) const {
  return entry >= top_ && entry < top_ + kRows ? entry - top_ : -1;
}

void SearchListWindow::Reload() {
  if (selected_ >= list_.size()) selected_ = -1;
  ++filling_;
  bar_->setRange(0, MaxTop());
  bar_->setVisible(list_.size() > kRows);
  --filling_;
  SetTop(top_);
}

void SearchListWindow::SetTop(int top) {
  top_ = std::clamp(top, 0, MaxTop());
  ++filling_;
  bar_->setValue(top_);
  --filling_;
  FillRows();
}

void SearchListWindow::Select(int entry) {
  selected_ = entry >= 0 && entry < list_.size() ? entry : -1;
  FillRows();
}

void SearchListWindow::ShowAndSelect(int entry) {
  if (entry < top_) {
    top_ = entry;
  } else if (entry >= top_ + kRows) {
    top_ = entry - kWindowStep;
  }
  selected_ = -1;
  SetTop(top_);
  Select(entry);
}

QString SearchListWindow::SelectedText() const {
  return selected_ < 0 ? QString() : FromAnsi(list_.at(selected_).view());
}

void SearchListWindow::FillRows() {
  ++filling_;
  for (int row = 0; row < kRows; ++row) {
    const int entry = EntryAtRow(row);
    rows_->item(row)->setText(entry < 0 ? QString() : FromAnsi(list_.at(entry).view()));
  }
  const int row = RowOfEntry(selected_);
  if (row < 0) {
    rows_->clearSelection();
    rows_->setCurrentRow(-1);
  } else {
    rows_->setCurrentRow(row);
  }
  --filling_;
}

void SearchListWindow::MoveSelection(int row, int window_step) {
  if (window_step != 0) SetTop(top_ + window_step);
  const int entry = EntryAtRow(row);
  if (entry < 0) return;
  Select(entry);
  emit EntryClicked(entry);
}

// Up and Down move within the window; on its first or last line they move the window by one,
// Page Up and Page Down by 29, so that the line under the selection is the next entry shown.
bool SearchListWindow::SearchListKeyDown(int key) {
  const int row = RowOfEntry(selected_);
  const int last_row = std::min(kRows, list_.size() - top_) - 1;
  const bool scrolls = list_.size() >= kRows;
  switch (key) {
    case Qt::Key_Up:
      if (row > 0)
        MoveSelection(row - 1, 0);
      else
        MoveSelection(0, row == 0 && scrolls ? -1 : 0);
      return true;
    case Qt::Key_Down:
      if (row < 0)
        MoveSelection(0, 0);
      else if (row < last_row)
        MoveSelection(row + 1, 0);
      else
        MoveSelection(row, row == kRows - 1 && scrolls ? 1 : 0);
      return true;
    case Qt::Key_PageUp:
      MoveSelection(0, row == 0 && scrolls ? -kWindowStep : 0);
      return true;
    case Qt::Key_PageDown:
      MoveSelection(last_row, row == kRows - 1 && scrolls ? kWindowStep : 0);
      return true;
    case Qt::Key_Home:
      MoveSelection(0, 0);
      return true;
    case Qt::Key_End:
      MoveSelection(last_row, 0);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (selected_ >= 0) emit EntryAccepted(selected_);
      return true;
    default:
      return false;
  }
}

void SearchListWindow::RowPressed(QPoint position, bool right_button, QPoint global_position) {
  const QListWidgetItem* item = rows_->itemAt(position);
  const int entry = item == nullptr ? -1 : EntryAtRow(rows_->row(item));
  if (entry < 0) return;
  Select(entry);
  if (right_button) {
    emit DetailsWanted(entry, global_position);
  } else {
    emit EntryClicked(entry);
  }
}

// The list widget only draws: selection, keys and the wheel are handled here, over the whole
// search list rather than the 30 rows.
bool SearchListWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == rows_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    // Other keys would move the list widget's own selection; Tab and Escape go to the dialog.
    const bool for_dialog = key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape;
    return SearchListKeyDown(key) || !for_dialog;
  }
  if (watched != rows_->viewport()) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      rows_->setFocus(Qt::MouseFocusReason);
      if (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton) {
        RowPressed(mouse->position().toPoint(), mouse->button() == Qt::RightButton,
                   mouse->globalPosition().toPoint());
      }
      return true;
    }
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) return true;
      RowPressed(mouse->position().toPoint(), false, mouse->globalPosition().toPoint());
      if (selected_ >= 0 &&
          RowOfEntry(selected_) == rows_->row(rows_->itemAt(mouse->position().toPoint()))) {
        emit EntryAccepted(selected_);
      }
      return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
      return true;
    case QEvent::Wheel: {
      const int notches = static_cast<QWheelEvent*>(event)->angleDelta().y() / 120;
      SetTop(top_ - notches * kWheelLines);
      return true;
    }
    default:
      return QWidget::eventFilter(watched, event);
  }
}

}  // namespace kinloom::ui
