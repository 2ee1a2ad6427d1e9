#pragma once

#include <QWidget>

namespace kinloom::ui {

class TFamTree;

// The main window's person page: the shown individual with parents, spouses and children around, and every box that edits them.
class PersonPage : public QWidget {
  Q_OBJECT

 public:
  PersonPage(TFamTree& tree, QWidget* parent);

  // Shows the main window's shown state again (after a move to another person or an edit).
  void Refresh();

 private:
  TFamTree& tree_;
};

}  // namespace kinloom::ui
