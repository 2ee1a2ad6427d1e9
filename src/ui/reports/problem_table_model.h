#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "reports/problems_list.h"

namespace kinloom::ui {

// The potential problems list as a table: line number, record number, the Skip and Done marks,
// event, description and error number. Cells are made when shown, so a list of a million rows
// costs nothing more than its rows.
class ProblemTableModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column {
    kLine = 0,
    kRecord = 1,
    kSkip = 2,
    kDone = 3,
    kEvent = 4,
    kDescription = 5,
    kError = 6,
    kColumns = 7
  };

  explicit ProblemTableModel(const reports::ProblemList& list, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The rows at these positions changed their marks.
  void MarksChanged(const std::vector<size_t>& positions);
  // Every row may have changed (all Skip marks cleared, records merged away).
  void AllChanged();

 private:
  const reports::ProblemList& list_;
};

}  // namespace kinloom::ui
