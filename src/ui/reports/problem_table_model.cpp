#include "ui/reports/problem_table_model.h"

#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

ProblemTableModel::ProblemTableModel(const reports::ProblemList& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list) {}

int ProblemTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(list_.size());
}

int ProblemTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant ProblemTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const reports::ProblemRow& row = list_.row(static_cast<size_t>(index.row()));
  if (role == Qt::TextAlignmentRole) {
    const bool numeric = index.column() == kLine || index.column() == kError;
    return QVariant::fromValue(Qt::AlignVCenter | (numeric ? Qt::AlignRight : Qt::AlignLeft));
  }
  if (role == Qt::ToolTipRole && index.column() == kDescription) {
    return FromAnsi(list_.Description(row));
  }
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case kLine:
      return index.row() + 1;
    case kRecord:
      return QString::fromStdString(reports::ProblemList::RecordColumn(row));
    case kSkip:
      return FromAnsi(reports::ProblemList::MarkColumn(row.skip));
    case kDone:
      return FromAnsi(reports::ProblemList::MarkColumn(row.done));
    case kEvent:
      return FromAnsi(list_.Event(row));
    case kDescription:
      return FromAnsi(list_.Description(row));
    case kError:
      return static_cast<int>(row.error);
    default:
      return {};
  }
}

QVariant ProblemTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::ToolTipRole) {
    static const char* const kTips[] = {"",
                                        "",
                                        "Skip: left out of later runs (click to change)",
                                        "Done: resolved, in this list only (click to change)",
                                        "",
                                        "",
                                        "Error number"};
    if (section >= 0 && section < kColumns) return QString::fromLatin1(kTips[section]);
    return {};
  }
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return {};
  if (section >= 0 && section < static_cast<int>(reports::kProblemsHeadings.size())) {
    return FromAnsi(reports::kProblemsHeadings[static_cast<size_t>(section)]);
  }
  return section == kError ? QStringLiteral("No") : QVariant();
}

void ProblemTableModel::MarksChanged(const std::vector<size_t>& positions) {
  for (size_t position : positions) {
    const int row = static_cast<int>(position);
    emit dataChanged(index(row, kSkip), index(row, kDone), {Qt::DisplayRole});
  }
}

void ProblemTableModel::AllChanged() {
  if (rowCount() == 0) return;
  emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1), {Qt::DisplayRole});
}

}  // namespace kinloom::ui
