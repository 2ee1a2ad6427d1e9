#pragma once

#include <QDialog>

#include "platform/interaction.h"

class QGroupBox;
class QRadioButton;

namespace kinloom::store {
class RecordStore;
}

namespace kinloom::ui {

// The link fixer: one broken link, its repair (Fix A) and removal (Fix B), Ignore, and the
// choice for the rest of the check. The checker asks the warnings that go with Ignore and
// with stopping; the dialog only says what was chosen. Closing it counts as Ignore.
class TFixLkBox : public QDialog {
  Q_OBJECT

 public:
  // With a store, the records named by the problem are described; without, their numbers.
  TFixLkBox(QWidget* parent, const platform::LinkProblem& problem,
            const store::RecordStore* store = nullptr);
  platform::LinkFixAnswer answer() const { return answer_; }

  static platform::LinkFixAnswer Choose(QWidget* parent, const platform::LinkProblem& problem,
                                        const store::RecordStore* store = nullptr);

 private:
  QWidget* MakeRecords(const platform::LinkProblem& problem, const store::RecordStore* store);
  QWidget* MakeExplanation(const platform::LinkProblem& problem);
  QWidget* MakeFixes(const platform::LinkProblem& problem);
  QWidget* MakeChoices();
  void Answer(platform::LinkFixAnswer answer);

  void btnFixAClick() { Answer(platform::LinkFixAnswer::kRepair); }
  void btnFixBClick() { Answer(platform::LinkFixAnswer::kRemove); }
  void btnIgnoreClick() { Answer(platform::LinkFixAnswer::kIgnore); }
  void rbAutoFixClick() { Answer(platform::LinkFixAnswer::kAutoFix); }
  void rbStopClick() { Answer(platform::LinkFixAnswer::kStop); }

  platform::LinkFixAnswer answer_ = platform::LinkFixAnswer::kIgnore;
};

}  // namespace kinloom::ui
