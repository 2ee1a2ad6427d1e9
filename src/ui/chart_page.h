#pragma once

#include <QWidget>

namespace kinloom::ui {

class TFamTree;

// The main window's chart page: the graphical descendant chart of the top ancestor, the ancestor
// and descendant outlines and the family view.
class ChartPage : public QWidget {
  Q_OBJECT

 public:
  ChartPage(TFamTree& tree, QWidget* parent);

  // Shows the main window's shown state again (after a move to another person or an edit).
  void Refresh();

 private:
  TFamTree& tree_;
};

}  // namespace kinloom::ui
