#pragma once

#include <QDialog>
#include <array>

#include "reports/problems_list.h"
#include "reports/verifier.h"
#include "reports/verifier_texts.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace kinloom::ui {

class TFamTree;

// The verifier window: which of the numbered checks run and with which thresholds, the mode and
// the early-date cut-off. "&Verify" runs the checks over the tree with the progress window,
// shows the summary and opens the potential problems list; "&ReSet" puts the kept settings
// back. The window shows the program's verifier settings when it opens and gives them back
// when it closes, so they are saved with the other program settings.
class TVerifyBox : public QDialog {
  Q_OBJECT

 public:
  explicit TVerifyBox(TFamTree& tree);

  // The settings as the window shows them, and the reverse.
  reports::VerifierSettings Collect() const;
  void Apply(const reports::VerifierSettings& settings);
  reports::VerifyOptions Options() const;

  // The rows of the last run; they live until the next.
  const reports::ProblemList& problems() const { return problems_; }
  reports::ProblemList& problems() { return problems_; }
  // Whether the last run was stopped with Cancel.
  bool last_run_cancelled() const { return cancelled_; }

  void btnCheckClick();
  void btnReSetClick();

  // The check box and up-down of an error (7 to 37); nullptr where it has none.
  QCheckBox* check_box(int error) const;
  QSpinBox* up_down(int error) const;

 protected:
  void done(int result) override;

 private:
  QWidget* BuildOptions();
  QTabWidget* BuildChecks();
  QWidget* BuildPage(const char* name, const std::vector<int>& checks,
                     const std::vector<int>& capital_groups);
  QGroupBox* BuildCapitalsGroup(int group, QWidget* parent);
  QWidget* BuildCheckRow(int error, QWidget* parent);
  QWidget* BuildButtons();
  // Writes the window's settings into the program's, marking them to be saved when changed.
  void StoreSettings();
  // The potential problems list over the rows of the run.
  void ShowProblems();

  TFamTree& tree_;
  reports::ProblemList problems_;
  bool cancelled_ = false;
  QCheckBox* ignore_before_1600_ = nullptr;
  QRadioButton* partial_mode_ = nullptr;
  QRadioButton* complete_mode_ = nullptr;
  // The capitalization groups of errors 1, 3 and 5.
  std::array<QButtonGroup*, 3> capitals_ = {};
  std::array<QCheckBox*, reports::kVerifierErrors + 1> checks_ = {};
  std::array<QSpinBox*, reports::kVerifierErrors + 1> up_downs_ = {};
};

// The Reports menu's entry that opens the verifier.
void AddVerifierCommand(TFamTree& tree);

}  // namespace kinloom::ui
