#include "ui/widgets/record_grid_view.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QWheelEvent>
#include <algorithm>

namespace kinloom::ui {

namespace {

constexpr int kWheelRows = 3;  // rows per notch of the mouse wheel

}  // namespace

RecordGridView::RecordGridView(int visible_rows, const QStringList& headings, QWidget* parent)
    : QWidget(parent), visible_rows_(std::max(1, visible_rows)) {
  BuildTable(headings);
  bar_ = new QScrollBar(Qt::Vertical, this);
  bar_->setObjectName(QStringLiteral("GridBar"));
  bar_->setSingleStep(1);
  bar_->setPageStep(visible_rows_);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(table_, 1);
  layout->addWidget(bar_);
  connect(bar_, &QScrollBar::valueChanged, this, [this](int value) { SetTop(value); });
  connect(table_, &QTableWidget::cellClicked, this, &RecordGridView::OnCellClicked);
  connect(table_, &QTableWidget::cellDoubleClicked, this, &RecordGridView::OnCellDoubleClicked);
  connect(table_, &QTableWidget::itemChanged, this, &RecordGridView::OnItemChanged);
  Refresh();
}

void RecordGridView::BuildTable(const QStringList& headings) {
  const int columns = std::max<int>(1, static_cast<int>(headings.size()));
  table_ = new QTableWidget(visible_rows_, columns, this);
  table_->setObjectName(QStringLiteral("GridRows"));
  table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->setAutoScroll(false);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setShowGrid(!headings.isEmpty());
  table_->setWordWrap(false);
  table_->verticalHeader()->hide();
  QHeaderView* header = table_->horizontalHeader();
  if (headings.isEmpty()) {
    header->hide();
  } else {
    table_->setHorizontalHeaderLabels(headings);
    header->setSectionsClickable(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
  header->setStretchLastSection(true);
  const int row_height = table_->fontMetrics().height() + 6;
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(row_height);
  for (int row = 0; row < visible_rows_; ++row) {
    for (int column = 0; column < columns; ++column) {
      table_->setItem(row, column, new QTableWidgetItem);
    }
  }
  const int header_height = header->isHidden() ? 0 : header->sizeHint().height();
  table_->setFixedHeight(2 * table_->frameWidth() + header_height + visible_rows_ * row_height);
  table_->installEventFilter(this);
  table_->viewport()->installEventFilter(this);
}

void RecordGridView::SetSource(Source source) {
  source_ = std::move(source);
  Refresh();
}

void RecordGridView::SetColumnWidth(int column, int width) {
  table_->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Fixed);
  table_->setColumnWidth(column, width);
}

void RecordGridView::CenterColumn(int column) {
  for (int row = 0; row < visible_rows_; ++row) {
    table_->item(row, column)->setTextAlignment(Qt::AlignCenter);
  }
  if (QTableWidgetItem* heading = table_->horizontalHeaderItem(column)) {
    heading->setTextAlignment(Qt::AlignCenter);
  }
}

int RecordGridView::ListSize() const {
  return source_.size ? source_.size() : 0;
}

int RecordGridView::MaxTop() const {
  return std::max(0, ListSize() - visible_rows_);
}

void RecordGridView::Refresh() {
  {
    const QSignalBlocker blocker(bar_);
    bar_->setRange(0, MaxTop());
  }
  if (current_ >= ListSize()) current_ = -1;
  SetTop(top_);
}

void RecordGridView::SetTop(int index) {
  top_ = std::clamp(index, 0, MaxTop());
  {
    const QSignalBlocker blocker(bar_);
    bar_->setValue(top_);
  }
  ++filling_;
  for (int row = 0; row < visible_rows_; ++row) FillRow(row);
  --filling_;
  ShowCurrent();
}

void RecordGridView::FillRow(int row) {
  const int index = top_ + row;
  const bool filled = index < ListSize();
  for (int column = 0; column < table_->columnCount(); ++column) {
    QTableWidgetItem* item = table_->item(row, column);
    item->setText(filled ? source_.text(index, column) : QString());
    const bool check_box = column == 0 && filled && source_.checked;
    if (check_box) {
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
      item->setCheckState(source_.checked(index) ? Qt::Checked : Qt::Unchecked);
    } else {
      item->setFlags(filled ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled);
      item->setData(Qt::CheckStateRole, QVariant());
    }
  }
}

void RecordGridView::ShowCurrent() {
  ++filling_;
  const int row = current_ - top_;
  if (current_ >= 0 && row >= 0 && row < visible_rows_) {
    table_->setCurrentCell(row, 0);
    table_->selectRow(row);
  } else {
    table_->clearSelection();
    table_->setCurrentItem(nullptr);
  }
  --filling_;
}

void RecordGridView::SetCurrent(int index) {
  current_ = index >= 0 && index < ListSize() ? index : -1;
  int top = top_;
  if (current_ >= 0 && current_ < top) top = current_;
  if (current_ >= top + visible_rows_) top = current_ - visible_rows_ + 1;
  SetTop(top);
}

void RecordGridView::OnCellClicked(int row, int column) {
  const int index = top_ + row;
  if (index >= ListSize()) {
    ShowCurrent();
    return;
  }
  current_ = index;
  emit currentChanged(index);
  emit cellClicked(index, column);
}

void RecordGridView::OnCellDoubleClicked(int row, int column) {
  const int index = top_ + row;
  if (index < ListSize()) emit cellDoubleClicked(index, column);
}

void RecordGridView::OnItemChanged(QTableWidgetItem* item) {
  if (filling_ > 0 || !source_.checked || item->column() != 0) return;
  const int index = top_ + item->row();
  if (index >= ListSize()) return;
  current_ = index;
  emit checkToggled(index);
  // The owner has changed the entry; the rows show what it holds now.
  Refresh();
}

void RecordGridView::ScrollBy(int rows) {
  SetTop(top_ + rows);
}

bool RecordGridView::HandleKey(int key) {
  const int size = ListSize();
  if (size == 0) return false;
  const int from = current_ >= 0 ? current_ : top_;
  const int page = std::max(1, visible_rows_ - 1);
  int to = from;
  switch (key) {
    case Qt::Key_Up:
      to = from - 1;
      break;
    case Qt::Key_Down:
      to = current_ >= 0 ? from + 1 : from;
      break;
    case Qt::Key_PageUp:
      to = from - page;
      break;
    case Qt::Key_PageDown:
      to = from + page;
      break;
    case Qt::Key_Home:
      to = 0;
      break;
    case Qt::Key_End:
      to = size - 1;
      break;
    default:
      return false;
  }
  SetCurrent(std::clamp(to, 0, size - 1));
  emit currentChanged(current_);
  return true;
}

bool RecordGridView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_->viewport() && event->type() == QEvent::Wheel) {
    const int notches = static_cast<QWheelEvent*>(event)->angleDelta().y() / 120;
    ScrollBy(-notches * kWheelRows);
    return true;
  }
  if (watched == table_ && event->type() == QEvent::KeyPress) {
    return HandleKey(static_cast<QKeyEvent*>(event)->key());
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kinloom::ui
