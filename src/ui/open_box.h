#pragma once

#include <QDialog>

namespace kinloom::ui {

class TFamTree;

// The open dialog: the trees of the gedcom folder (or the backups), with open, merge, dual,
// delete and browse.
class TOpenBox : public QDialog {
  Q_OBJECT

 public:
  explicit TOpenBox(TFamTree& tree);

 private:
  TFamTree& tree_;
};

}  // namespace kinloom::ui
