#include "ui/fix_link_box.h"

namespace kinloom::ui {

TFixLkBox::TFixLkBox(QWidget* parent, const platform::LinkProblem& problem) : QDialog(parent) {
  (void)problem;
  setWindowTitle(QStringLiteral("Fix Links"));
}

platform::LinkFixAnswer TFixLkBox::Choose(QWidget* parent, const platform::LinkProblem& problem) {
  TFixLkBox box(parent, problem);
  box.exec();
  return box.answer();
}

}  // namespace kinloom::ui
