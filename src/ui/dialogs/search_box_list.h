#pragma once

#include <QWidget>

#include "store/search_list.h"

class QListWidget;
class QScrollBar;

namespace kinloom::ui {

// A window of 30 lines over the whole individual search list, with its own scroll bar: a tree
// may hold half a million people, so only the visible lines are ever made. Positions are
// indexes into the search list ("entries"); rows are the 30 visible lines.
class SearchListWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRows = 30;

  SearchListWindow(const store::SearchList& list, QWidget* parent);

  // The first entry shown.
  int top() const { return top_; }
  void SetTop(int top);
  // The selected entry, -1 for none.
  int selected() const { return selected_; }
  void Select(int entry);
  void ClearSelection() { Select(-1); }
  // Scrolls just enough to show the entry (as the last line when it lies below the window, as
  // the first when above) and selects it.
  void ShowAndSelect(int entry);
  // Takes in the list as it is now (its size may have changed since).
  void Reload();
  // The text of the selected line, empty without a selection.
  QString SelectedText() const;

 signals:
  void EntryClicked(int entry);
  void EntryAccepted(int entry);
  void DetailsWanted(int entry, QPoint global_position);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FillRows();
  int MaxTop() const;
  int EntryAtRow(int row) const;
  int RowOfEntry(int entry) const;
  bool SearchListKeyDown(int key);
  void MoveSelection(int row, int window_step);
  void RowPressed(QPoint position, bool right_button, QPoint global_position);

  const store::SearchList& list_;
  QListWidget* rows_;
  QScrollBar* bar_;
  int top_ = 0;
  int selected_ = -1;
  int filling_ = 0;  // re-entry count while the program itself moves the bar or selection
};

}  // namespace kinloom::ui
