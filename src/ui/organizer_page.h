#pragma once

#include <QWidget>

namespace kinloom::ui {

class TFamTree;

// The main window's organizer page: two chosen people and the buttons that link or separate them.
class OrganizerPage : public QWidget {
  Q_OBJECT

 public:
  OrganizerPage(TFamTree& tree, QWidget* parent);

  // Shows the main window's shown state again (after a move to another person or an edit).
  void Refresh();

 private:
  TFamTree& tree_;
};

}  // namespace kinloom::ui
