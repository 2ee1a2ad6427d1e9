#include "ui/start_box.h"

namespace kinloom::ui {

TStartBox::TStartBox(files::TreeWorkspace& work, platform::Interaction& ui, QWidget* parent)
    : QDialog(parent), work_(work), ui_(ui) {
  setWindowTitle(QStringLiteral("Kinloom"));
}

}  // namespace kinloom::ui
