#pragma once

#include <QDialog>

namespace kinloom::ui {

class TFamTree;

// The save dialog: the tree's name with the live explanation of what saving will do, and the
// buttons of the reduced copies.
class TSaveFileBox : public QDialog {
  Q_OBJECT

 public:
  explicit TSaveFileBox(TFamTree& tree);

 private:
  TFamTree& tree_;
};

}  // namespace kinloom::ui
