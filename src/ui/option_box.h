#pragma once

#include <QDialog>

namespace kinloom::ui {

class TFamTree;

// The options dialog: the program's options, the read-only and automatic-save switches, the
// home person and the date format.
class TOptionBox : public QDialog {
  Q_OBJECT

 public:
  explicit TOptionBox(TFamTree& tree);

 private:
  TFamTree& tree_;
};

}  // namespace kinloom::ui
