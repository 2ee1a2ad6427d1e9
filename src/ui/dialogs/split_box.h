#pragma once

#include <QDialog>

#include "reports/split_selection.h"
#include "ui/widgets/record_grid_search.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kinloom::ui {

class TFamTree;
class RecordListView;
class SearchListModel;

// The split-tree window: the individuals to keep in a split copy of the tree, picked by hand or
// by walks over relatives, and the save of that copy.
class TSplitBox : public QDialog {
  Q_OBJECT

 public:
  explicit TSplitBox(TFamTree& tree);

  static constexpr int kVisibleRows = 26;

  // The check list: rows are entries of the individual search list.
  RecordListView& list() const { return *split_list_; }

 private:
  void BuildLayout();
  QWidget* BuildList();
  QWidget* BuildWalks();
  QWidget* BuildSearch();
  QWidget* BuildSave();
  QPushButton* AddButton(QWidget* parent, const char* name, const QString& text,
                         void (TSplitBox::*handler)());
  // The individual of the highlighted line, or 0.
  int Highlighted() const;
  // After a bulk action: the lines, the count and the main window's chart.
  void SelectionChanged();
  void UpdateCount();

  // The user ticked or cleared the box of an individual.
  bool SplitListClickCheck(int individual);
  void btnAddAncClick();
  void btnAddDescClick();
  void btnAddAncTreeClick();
  void btnAddDesTreeClick();
  void btnClearClick();
  void btnRestoreClick();
  void btnSearchClick();
  void btnSplitSaveClick();

  TFamTree& tree_;
  reports::SplitSelection split_;
  GridSearch search_;
  SearchListModel* model_ = nullptr;
  RecordListView* split_list_ = nullptr;
  QCheckBox* include_siblings_ = nullptr;
  QCheckBox* include_spouses_ = nullptr;
  QLabel* checked_count_ = nullptr;
  QLineEdit* search_for_ = nullptr;
  QPushButton* search_button_ = nullptr;
  QLabel* saved_name_ = nullptr;
};

}  // namespace kinloom::ui
