#pragma once

#include <QDialog>

#include "platform/interaction.h"

namespace kinloom::ui {

// The link fixer: one broken link, its repair (Fix A) and removal (Fix B), Ignore, and the
// choice for the rest of the check.
class TFixLkBox : public QDialog {
  Q_OBJECT

 public:
  TFixLkBox(QWidget* parent, const platform::LinkProblem& problem);
  platform::LinkFixAnswer answer() const { return answer_; }

  static platform::LinkFixAnswer Choose(QWidget* parent, const platform::LinkProblem& problem);

 private:
  platform::LinkFixAnswer answer_ = platform::LinkFixAnswer::kIgnore;
};

}  // namespace kinloom::ui
