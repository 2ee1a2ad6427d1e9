#include "ui/remove_spc_box.h"

namespace kinloom::ui {

TRemoveSpc::TRemoveSpc(QWidget* parent, const QString& person, const QString& spouse)
    : QDialog(parent) {
  (void)person;
  (void)spouse;
  setWindowTitle(QStringLiteral("Remove Spouse From Family"));
}

int TRemoveSpc::chosen() const { return chosen_; }

std::optional<int> TRemoveSpc::Choose(QWidget* parent, const QString& person,
                                      const QString& spouse) {
  TRemoveSpc box(parent, person, spouse);
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  return box.chosen();
}

}  // namespace kinloom::ui
