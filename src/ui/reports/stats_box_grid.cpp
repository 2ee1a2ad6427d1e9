#include "ui/reports/stats_box_grid.h"

#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

void StatsGridModel::SetGrid(reports::StatsGrid grid) {
  beginResetModel();
  grid_ = std::move(grid);
  endResetModel();
}

int StatsGridModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || grid_.rows.empty()) return 0;
  return static_cast<int>(grid_.rows.size()) - 1;
}

int StatsGridModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid() || grid_.rows.empty()) return 0;
  return static_cast<int>(grid_.rows.front().size());
}

QVariant StatsGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() + 1 >= static_cast<int>(grid_.rows.size())) return {};
  const auto& row = grid_.rows[static_cast<size_t>(index.row()) + 1];
  if (index.column() >= static_cast<int>(row.size())) return {};
  const std::string& cell = row[static_cast<size_t>(index.column())];
  if (role == Qt::DisplayRole) return FromAnsi(cell);
  if (role == Qt::TextAlignmentRole) {
    // Figures stand right-aligned under one another; names and places read from the left.
    const bool figure =
        !cell.empty() && cell.find_first_not_of(" 0123456789.%") == std::string::npos;
    return QVariant::fromValue(Qt::AlignVCenter | (figure ? Qt::AlignRight : Qt::AlignLeft));
  }
  return {};
}

QVariant StatsGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || grid_.rows.empty()) return {};
  if (orientation == Qt::Vertical) return {};
  const auto& headings = grid_.rows.front();
  if (section < 0 || section >= static_cast<int>(headings.size())) return {};
  return FromAnsi(headings[static_cast<size_t>(section)]).trimmed();
}

}  // namespace kinloom::ui
