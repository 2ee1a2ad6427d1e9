#include "ui/search_box.h"

namespace kinloom::ui {

TSearchBox::TSearchBox(store::RecordStore& store, QWidget* parent)
    : QDialog(parent), store_(store) {
  setWindowTitle(QStringLiteral("Search for Individual"));
}

int TSearchBox::Run() {
  chosen_ = -1;
  exec();
  return chosen_;
}

}  // namespace kinloom::ui
