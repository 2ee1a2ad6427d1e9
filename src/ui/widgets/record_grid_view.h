#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

class QScrollBar;
class QTableWidget;
class QTableWidgetItem;

namespace kinloom::ui {

// A fixed number of rows drawn over a long list (the individual search list) with a scroll bar
// beside them. Only the visible rows exist as items; they are filled again from the list
// whenever the window moves, so a list of any length opens and scrolls at once. Rows are
// addressed by list index; rows past the end of the list stay blank.
class RecordGridView : public QWidget {
  Q_OBJECT

 public:
  struct Source {
    std::function<int()> size;
    std::function<QString(int index, int column)> text;
    // For a check list: whether the entry's check box is checked. Empty: no check boxes.
    std::function<bool(int index)> checked;
  };

  // Without headings, the grid has no header row.
  RecordGridView(int visible_rows, const QStringList& headings, QWidget* parent = nullptr);

  void SetSource(Source source);
  // Fills the visible rows again and sets the scroll bar's range from the list's size.
  void Refresh();

  int visible_rows() const { return visible_rows_; }
  int top() const { return top_; }
  // Moves the window to start at that index (kept within range) and redraws.
  void SetTop(int index);
  // The highlighted entry (-1 for none), and highlighting one, scrolled into view as the find
  // dialog does: below the window it becomes the last visible row, above it the first.
  int current() const { return current_; }
  void SetCurrent(int index);

  QTableWidget* table() const { return table_; }
  QScrollBar* scroll_bar() const { return bar_; }

  // Fixes the width of a column; the last column takes the rest.
  void SetColumnWidth(int column, int width);
  // Centres the column's texts and heading (the single letters of a flag column).
  void CenterColumn(int column);

 signals:
  void cellClicked(int index, int column);
  // The user highlighted another entry (click or keys).
  void currentChanged(int index);
  void cellDoubleClicked(int index, int column);
  // The user ticked or cleared the check box of an entry.
  void checkToggled(int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildTable(const QStringList& headings);
  void FillRow(int row);
  void ShowCurrent();
  int ListSize() const;
  int MaxTop() const;
  void OnCellClicked(int row, int column);
  void OnCellDoubleClicked(int row, int column);
  void OnItemChanged(QTableWidgetItem* item);
  bool HandleKey(int key);
  void ScrollBy(int rows);

  const int visible_rows_;
  QTableWidget* table_ = nullptr;
  QScrollBar* bar_ = nullptr;
  Source source_;
  int top_ = 0;
  int current_ = -1;
  int filling_ = 0;  // our own item updates do not count as the user's ticks
};

}  // namespace kinloom::ui
