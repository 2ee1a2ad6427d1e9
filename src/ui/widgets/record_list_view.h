#pragma once

#include <QTableView>

#include "store/search_list.h"

namespace kinloom::ui {

class SearchListModel;

// A table view that shows a fixed number of rows of a SearchListModel, one row highlighted at
// a time, scrolled a row at a time. Rows all have one height, so a list of any length opens
// and scrolls at once.
class RecordListView : public QTableView {
  Q_OBJECT

 public:
  // How the arrow and page keys move the highlight.
  enum class Keys {
    // Within the rows shown; on the first or last row Up and Down move the window by one row,
    // Page Up and Page Down by all rows but one, so that the row beyond the highlight comes
    // next. Home and End go to the first and last row shown.
    kWindow,
    // Through the whole list, by one row or by all rows shown but one; Home and End go to the
    // ends of the list.
    kList,
  };

  // The model's columns are set first: a header is shown when any column has a heading.
  RecordListView(SearchListModel* model, int visible_rows, Keys keys, QWidget* parent);

  SearchListModel& list_model() const { return *model_; }
  int visible_rows() const { return visible_rows_; }
  // The first row shown, and showing the list from that row on (kept within range).
  int top() const;
  void SetTop(int row);
  // The highlighted row (-1 for none), and highlighting one, scrolled into view: below the
  // rows shown it becomes the last, above them the first. -1 takes the highlight away.
  int current() const;
  void SetCurrent(int row);
  // The record number of the highlighted row, or -1.
  int CurrentNumber() const;
  // The model takes in the list as it is now; the window and the highlight stay where they
  // were as far as the list still reaches.
  void Reload();
  // Fixes the width of a column; the last column takes the rest.
  void SetColumnWidth(int column, int width);
  // Makes the view at least as wide as the fixed columns and, in the last column, the longest
  // key of the list (up to kWidestKey characters: a longer one is cut short, its tool tip shows
  // it whole).
  void FitWidthToKeys(const store::SearchList& list);
  static constexpr int kWidestKey = 64;

 signals:
  // The user highlighted a row with a left click or a key.
  void RowChosen(int row);
  // A double click or Return on a row.
  void RowAccepted(int row);
  // A right click (or the context-menu key) on a row.
  void DetailsWanted(int row, QPoint global_position);

 protected:
  QModelIndex moveCursor(CursorAction cursor_action, Qt::KeyboardModifiers modifiers) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void updateGeometries() override;
  // A text cut short shows whole in its tool tip.
  bool viewportEvent(QEvent* event) override;
  // Typing letters does not jump about the list (a search over half a million rows would).
  void keyboardSearch(const QString&) override {}

 private:
  void FitHeight();
  int RowCount() const;
  int MaxTop() const;
  int WindowKeyRow(CursorAction cursor_action) const;
  int ListKeyRow(CursorAction cursor_action) const;

  SearchListModel* model_;
  const int visible_rows_;
  const Keys keys_;
  bool scroll_on_show_ = false;
};

}  // namespace kinloom::ui
