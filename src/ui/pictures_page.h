#pragma once

#include <QWidget>

namespace kinloom::ui {

class TFamTree;

// The main window's pictures page: the tree's media albums, their items and the item editor.
class PicturesPage : public QWidget {
  Q_OBJECT

 public:
  PicturesPage(TFamTree& tree, QWidget* parent);

  // Shows the main window's shown state again (after a move to another person or an edit).
  void Refresh();

 private:
  TFamTree& tree_;
};

}  // namespace kinloom::ui
