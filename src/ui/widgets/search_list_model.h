#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "store/search_list.h"

namespace kinloom::ui {

// The rows a list window shows: a count and the record number at each row. The individual
// search list is one; a to-do list or a problem list backs a model the same way.
class RecordRows {
 public:
  virtual ~RecordRows() = default;
  virtual int size() const = 0;
  virtual int NumberAt(int row) const = 0;
};

// The sorted individual (or family) search list, row for entry.
class SearchListRows : public RecordRows {
 public:
  explicit SearchListRows(const store::SearchList& list) : list_(list) {}
  int size() const override { return list_.size(); }
  int NumberAt(int row) const override { return list_.at(row).number; }

 private:
  const store::SearchList& list_;
};

// Any list of record numbers, in the order given.
class NumberListRows : public RecordRows {
 public:
  explicit NumberListRows(std::vector<int> numbers) : numbers_(std::move(numbers)) {}
  int size() const override { return static_cast<int>(numbers_.size()); }
  int NumberAt(int row) const override { return numbers_[static_cast<size_t>(row)]; }

 private:
  std::vector<int> numbers_;
};

// One table model for the long lists of records: rows come from a RecordRows, columns are
// chosen by the window. Cells are worked out only when a view asks for them, so a list of half
// a million people opens and scrolls as fast as one of ten.
class SearchListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  struct Column {
    QString heading;
    // The cell's text; empty when not set.
    std::function<QString(int row, int number)> text;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    // A check box in the cell: whether it is ticked. No check box when not set.
    std::function<bool(int number)> checked;
    // The user ticked or cleared it; false when the change was refused.
    std::function<bool(int number, bool on)> set_checked;
  };
  // The record number of a row, as the data of any of its cells.
  static constexpr int kNumberRole = Qt::UserRole + 1;

  explicit SearchListModel(std::unique_ptr<RecordRows> rows, QObject* parent = nullptr);
  // A model over the search list as it is now and as it becomes (Reload after a change).
  explicit SearchListModel(const store::SearchList& list, QObject* parent = nullptr);

  void SetColumns(std::vector<Column> columns);
  const Column& column(int column) const { return columns_[static_cast<size_t>(column)]; }
  // The record number of a row; -1 outside the list.
  int NumberAt(int row) const;

  // The list changed its length or order: views start over from it.
  void Reload();
  // The values of these rows (or of every row) changed, not the rows themselves.
  void RowsChanged(int first, int last);
  void AllRowsChanged();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  bool Holds(const QModelIndex& index) const;

  std::unique_ptr<RecordRows> rows_;
  std::vector<Column> columns_;
  // The length the views were told of; the list itself may have changed since (until Reload).
  int row_count_ = 0;
};

// A column showing each search-list entry's key: "Surname, Given names (number)".
SearchListModel::Column SearchKeyColumn(const store::SearchList& list, QString heading = {});

}  // namespace kinloom::ui
