#pragma once

#include <QDialog>

namespace kinloom::ui {

class TFamTree;

// The sources dialog: creates and edits source records and chooses the source the person
// page's citation button cites; ten quick-source buttons.
class TSourcesBox : public QDialog {
  Q_OBJECT

 public:
  explicit TSourcesBox(TFamTree& tree);

 private:
  TFamTree& tree_;
};

}  // namespace kinloom::ui
