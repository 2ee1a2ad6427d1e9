#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "core/merge_individuals.h"
#include "core/merge_state.h"
#include "ui/dialogs/merge_box_rows.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace kinloom::ui {

class TFamTree;
class MergeSummaryPanel;

// The merge box: two records of one person side by side, which of them keeps its number (and
// parents), and for every detail which side's value, place and note survive. The box only shows
// and changes the core's MergeBoxState; the merge button hands it to MergeIndividuals.
// Created once by the main window and opened for each pair.
class TMergeBox : public QDialog {
  Q_OBJECT

 public:
  explicit TMergeBox(TFamTree& tree);

  // Opens the box modally on a pair; a pair that cannot be merged (a number without a record,
  // the same number twice, spouses of each other, parent and child) is refused with the reason
  // instead. Returns whether the two were merged.
  bool Run(int first, int second);

  // Activation: fills both sides, the boxes and the pairing table for the pair, the first
  // keeping its number, with the Basic page in front.
  void Open(int first, int second);

  const core::MergeBoxState& state() const { return state_; }
  // The result of the last merge button click (merged false when refused or not clicked).
  const core::MergeResult& result() const { return result_; }

  // The merge button: merges as the boxes say, lets the kept individual take the discarded
  // one's album items, shows the kept individual and closes. A refused merge changes nothing
  // (the core says why) and closes too.
  void btnMergeClick();

 private:
  QWidget* BuildSides();
  QWidget* BuildPages();
  QWidget* BuildMarriageChooser(QWidget* page);
  QWidget* BuildButtons();
  void AddRowsPage(core::MergePage page, const char* name, const QString& caption);
  void ConnectBoxes(const MergeRowBoxes& boxes);

  void ShowState();
  void ShowRow(int row);
  void ShowMarriageRows();
  void RetargetComingOfAge();

  void KeepClick(int side, bool checked);
  void ValueClick(QObject* box, bool checked);
  void PlaceClick(QObject* box, bool checked);
  void NoteClick(QObject* box, bool checked);
  void MarriageUpDownChange(int position);

  TFamTree& tree_;
  core::MergeBoxState state_;
  core::MergeResult result_;
  std::array<MergeSummaryPanel*, 2> summaries_{};
  std::array<QCheckBox*, 2> keep_{};
  QTabWidget* pages_ = nullptr;
  std::vector<MergeRowBoxes> rows_;  // rows 1 to 46 in order
  QSpinBox* marriage_up_down_ = nullptr;
  QLabel* marriage_label_ = nullptr;
  QPushButton* merge_ = nullptr;
};

}  // namespace kinloom::ui
