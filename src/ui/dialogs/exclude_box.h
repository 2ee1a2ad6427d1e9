#pragma once

#include <QDialog>

#include "reports/hide_information.h"
#include "ui/widgets/record_grid_search.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kinloom::ui {

class TFamTree;
class RecordListView;
class SearchListModel;

// The hide-information window: which individuals and which of their details the web site and
// reduced copies leave out, over the sorted list of individuals. Closing it brings each
// person's death line in line with the living status set here.
class TExcludeBox : public QDialog {
  Q_OBJECT

 public:
  explicit TExcludeBox(TFamTree& tree);

  static constexpr int kVisibleRows = 21;
  static constexpr int kNameColumn = reports::kHideFlagColumns;

  // The grid: rows are entries of the individual search list.
  RecordListView& grid() const { return *grid_; }
  void done(int result) override;

 private:
  void BuildLayout();
  QWidget* BuildGrid();
  QWidget* BuildActions();
  QWidget* BuildSearch();
  int IndividualAt(int index) const;

  void HideGridClick(int index, int column);
  void HideGridDblClick(int index);
  void SelectColumnChange();
  void btnExecuteClick();
  void btnSearchClick();
  void FormClose();

  TFamTree& tree_;
  reports::HideInformation hide_;
  GridSearch search_;
  bool closed_ = false;
  SearchListModel* model_ = nullptr;
  RecordListView* grid_ = nullptr;
  QComboBox* select_column_ = nullptr;
  QComboBox* select_action_ = nullptr;
  QLineEdit* search_for_ = nullptr;
  QPushButton* search_button_ = nullptr;
};

}  // namespace kinloom::ui
