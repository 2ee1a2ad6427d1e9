#include "ui/widgets/search_list_model.h"

#include <algorithm>

#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

SearchListModel::SearchListModel(std::unique_ptr<RecordRows> rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(std::move(rows)), row_count_(rows_->size()) {}

SearchListModel::SearchListModel(const store::SearchList& list, QObject* parent)
    : SearchListModel(std::make_unique<SearchListRows>(list), parent) {}

void SearchListModel::SetColumns(std::vector<Column> columns) {
  beginResetModel();
  columns_ = std::move(columns);
  row_count_ = rows_->size();
  endResetModel();
}

int SearchListModel::NumberAt(int row) const {
  return row >= 0 && row < row_count_ && row < rows_->size() ? rows_->NumberAt(row) : -1;
}

void SearchListModel::Reload() {
  beginResetModel();
  row_count_ = rows_->size();
  endResetModel();
}

void SearchListModel::RowsChanged(int first, int last) {
  first = std::max(first, 0);
  last = std::min(last, row_count_ - 1);
  if (first > last || columns_.empty()) return;
  emit dataChanged(index(first, 0), index(last, columnCount() - 1));
}

void SearchListModel::AllRowsChanged() {
  RowsChanged(0, row_count_ - 1);
}

int SearchListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : row_count_;
}

int SearchListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

bool SearchListModel::Holds(const QModelIndex& index) const {
  return index.isValid() && index.model() == this && index.column() < columnCount() &&
         NumberAt(index.row()) >= 0;
}

QVariant SearchListModel::data(const QModelIndex& index, int role) const {
  if (!Holds(index)) return {};
  const Column& shown = column(index.column());
  const int number = NumberAt(index.row());
  switch (role) {
    case Qt::DisplayRole:
      return shown.text ? shown.text(index.row(), number) : QString();
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(shown.alignment);
    case Qt::CheckStateRole:
      if (!shown.checked) return {};
      return shown.checked(number) ? Qt::Checked : Qt::Unchecked;
    case kNumberRole:
      return number;
    default:
      return {};
  }
}

QVariant SearchListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  if (role == Qt::DisplayRole) return column(section).heading;
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(column(section).alignment);
  return {};
}

Qt::ItemFlags SearchListModel::flags(const QModelIndex& index) const {
  if (!Holds(index)) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
  if (column(index.column()).set_checked) flags |= Qt::ItemIsUserCheckable;
  return flags;
}

bool SearchListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || !Holds(index)) return false;
  const Column& shown = column(index.column());
  if (!shown.checked || !shown.set_checked) return false;
  const bool on = value.toInt() == Qt::Checked;
  const int number = NumberAt(index.row());
  if (shown.checked(number) == on || !shown.set_checked(number, on)) return false;
  emit dataChanged(index, index, {Qt::CheckStateRole});
  return true;
}

SearchListModel::Column SearchKeyColumn(const store::SearchList& list, QString heading) {
  SearchListModel::Column column;
  column.heading = std::move(heading);
  column.text = [&list](int row, int) { return FromAnsi(list.at(row).view()); };
  return column;
}

}  // namespace kinloom::ui
