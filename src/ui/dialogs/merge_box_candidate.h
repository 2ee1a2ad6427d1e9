#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kinloom::ui {

class TFamTree;

// The organizer page's candidate pair for a merge: the first is the person chosen there, the
// second the other record with the same name (found when the first changes), or the one the
// user types or finds. The merge button opens the merge box on the pair.
class MergeCandidateBox : public QGroupBox {
  Q_OBJECT

 public:
  MergeCandidateBox(TFamTree& tree, QWidget* parent);

  int first() const { return first_; }
  int second() const { return second_; }
  // The first of the pair; a new first brings its same-name candidate as the second. Also
  // shows the pair again after an edit.
  void SetFirst(int first);

 signals:
  // The pair was merged into `kept`.
  void merged(int kept);

 private:
  void SetSecond(int second);
  void ShowPair();
  void MergeSecondExit();
  void btnMergeFindClick();
  void btnMergeClick();

  TFamTree& tree_;
  int first_ = 0;
  int second_ = 0;
  QLabel* first_label_ = nullptr;
  QLineEdit* second_number_ = nullptr;
  QLabel* second_label_ = nullptr;
  QPushButton* merge_ = nullptr;
};

}  // namespace kinloom::ui
