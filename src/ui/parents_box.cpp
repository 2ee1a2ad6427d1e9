#include "ui/parents_box.h"

namespace kinloom::ui {

TParentsBox::TParentsBox(QWidget* parent, const QString& father, const QString& mother,
                         const QString& child, int offered)
    : QDialog(parent), kind_(offered) {
  (void)father;
  (void)mother;
  (void)child;
  setWindowTitle(QStringLiteral("Parent Types"));
}

int TParentsBox::chosen_kind() const { return kind_; }

std::optional<int> TParentsBox::Choose(QWidget* parent, const QString& father,
                                       const QString& mother, const QString& child, int offered) {
  TParentsBox box(parent, father, mother, child, offered);
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  return box.chosen_kind();
}

}  // namespace kinloom::ui
