#pragma once

#include <QAbstractTableModel>

#include "reports/statistics_pages.h"

namespace kinloom::ui {

// One grid of the statistics window over a table view: row 0 of the grid gives the headings,
// the other rows the cells, shown as the tally wrote them (Windows-1252 texts).
class StatsGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit StatsGridModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  void SetGrid(reports::StatsGrid grid);
  const reports::StatsGrid& grid() const { return grid_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  reports::StatsGrid grid_;
};

}  // namespace kinloom::ui
