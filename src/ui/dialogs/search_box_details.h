#pragma once

#include <QFrame>
#include <string>
#include <vector>

#include "store/record_store.h"

class QLabel;

namespace kinloom::ui {

// The lines of the details shown for an individual of the find dialog's list: "Birth: ",
// "Death: ", one "Spouse: " per marriage (at least one), "Father: " and "Mother: ". Parents
// are those of the preferred parent family, as the father and mother criteria take them.
std::vector<std::string> SearchDetailLines(const store::RecordStore& store, int individual);

// The small panel a right click on a line of the find dialog's list shows; it closes at the
// next click anywhere.
class SearchDetailsPanel : public QFrame {
  Q_OBJECT

 public:
  explicit SearchDetailsPanel(QWidget* parent);
  void ShowFor(const store::RecordStore& store, int individual, QPoint global_position);

 private:
  QLabel* heading_;
  QLabel* lines_;
};

}  // namespace kinloom::ui
