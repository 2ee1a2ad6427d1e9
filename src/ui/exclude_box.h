#pragma once

#include <QDialog>

namespace kinloom::ui {

class TFamTree;

// The hide-information window: which individuals and which of their details the web site and
// reduced copies leave out, over the sorted list of individuals.
class TExcludeBox : public QDialog {
  Q_OBJECT

 public:
  explicit TExcludeBox(TFamTree& tree);

 private:
  TFamTree& tree_;
};

}  // namespace kinloom::ui
