#pragma once

#include <QWidget>

namespace kinloom::ui {

class TFamTree;

// The main window's details page: the less common events of the shown individual and family, and the confirmation slot.
class DetailsPage : public QWidget {
  Q_OBJECT

 public:
  DetailsPage(TFamTree& tree, QWidget* parent);

  // Shows the main window's shown state again (after a move to another person or an edit).
  void Refresh();

 private:
  TFamTree& tree_;
};

}  // namespace kinloom::ui
