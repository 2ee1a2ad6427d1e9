#pragma once

#include <QDialog>

#include "store/record_store.h"

namespace kinloom::ui {

// "Search for Individual": finds an individual by part of the name or the number, narrowed by
// years and the names of parents and spouse; repeated searches step through the matches.
class TSearchBox : public QDialog {
  Q_OBJECT

 public:
  TSearchBox(store::RecordStore& store, QWidget* parent);

  // Shows the dialog; the individual accepted, or -1.
  int Run();

 private:
  store::RecordStore& store_;
  int chosen_ = -1;
};

}  // namespace kinloom::ui
