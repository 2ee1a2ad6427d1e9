#pragma once

#include <QDialog>
#include <array>

#include "core/find_individual.h"
#include "store/record_store.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kinloom::ui {

class RecordListView;
class SearchDetailsPanel;
class SearchListModel;

// "Search for Individual": finds an individual by part of the name or the number, narrowed by
// years and the names of parents and spouse; repeated searches step through the matches. The
// main window keeps one and reuses it, so the fields and the search position persist.
class TSearchBox : public QDialog {
  Q_OBJECT

 public:
  TSearchBox(store::RecordStore& store, QWidget* parent);

  // Shows the dialog; the individual accepted, or -1.
  int Run();
  // The individual the last Accept handed back, or -1.
  int chosen() const { return chosen_; }
  // After the individual search list was built afresh (a tree opened): no selection, the
  // list at its top.
  void ListRebuilt();

  static constexpr int kListRows = 30;

  int search_position() const { return finder_.position(); }
  // The result list: 30 lines of the whole search list; rows are search-list entries.
  RecordListView& result_list() const { return *list_; }

  void SearchForChange();
  void SearchGetYear(int field);
  void btnSearchClick();
  void SearchListClick(int entry);
  void btnAcceptClick();

 private:
  enum YearField { kBirth, kDeath, kMarriage, kYearFields };
  struct YearRow {
    QLineEdit* edit = nullptr;
    QComboBox* tolerance = nullptr;
    int year = 0;
  };

  QWidget* MakeFields();
  QWidget* MakeButtons();
  QWidget* MakeList();
  QLineEdit* MakeTextField(const char* name, int max_length);
  void MakeYearRow(YearField field, const char* name);
  core::FindCriteria Criteria() const;
  void ShowSearching(bool shown);

  store::RecordStore& store_;
  core::IndividualFinder finder_;
  int chosen_ = -1;
  QLineEdit* search_for_ = nullptr;
  QLineEdit* father_ = nullptr;
  QLineEdit* mother_ = nullptr;
  QLineEdit* spouse_ = nullptr;
  std::array<YearRow, kYearFields> years_{};
  QPushButton* btn_search_ = nullptr;
  SearchListModel* model_ = nullptr;
  RecordListView* list_ = nullptr;
  SearchDetailsPanel* details_ = nullptr;
  QLabel* searching_ = nullptr;
};

}  // namespace kinloom::ui
