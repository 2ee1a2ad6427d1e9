#pragma once

#include <QDialog>

namespace kinloom::ui {

class TFamTree;

// The split-tree window: the individuals to keep in a split copy of the tree, picked by hand or
// by walks over relatives.
class TSplitBox : public QDialog {
  Q_OBJECT

 public:
  explicit TSplitBox(TFamTree& tree);

 private:
  TFamTree& tree_;
};

}  // namespace kinloom::ui
