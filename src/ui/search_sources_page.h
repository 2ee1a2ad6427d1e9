#pragma once

#include <QWidget>

namespace kinloom::ui {

class TFamTree;

// The main window's search page: the user's internet search sources (SchGrid) with add, modify, delete, move and open.
class SearchSourcesPage : public QWidget {
  Q_OBJECT

 public:
  SearchSourcesPage(TFamTree& tree, QWidget* parent);

  // Shows the main window's shown state again (after a move to another person or an edit).
  void Refresh();

 private:
  TFamTree& tree_;
};

}  // namespace kinloom::ui
