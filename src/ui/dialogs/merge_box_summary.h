#pragma once

#include <QGroupBox>

#include "core/merge_state.h"

class QCheckBox;
class QLabel;

namespace kinloom::ui {

// One side's heading in the merge box: the person as the person page shows them (name, number,
// sex, birth, death, both parents with their dates) and the keep box below. The labels are
// named with the side's number: "Name1", "Number1", "Father2"...; the keep box "Keep1" or
// "Keep2".
class MergeSummaryPanel : public QGroupBox {
  Q_OBJECT

 public:
  MergeSummaryPanel(int side, QWidget* parent);

  QCheckBox* keep() const { return keep_; }
  void Show(const core::MergeSummary& summary, const std::string& keep_caption);

 private:
  QLabel* AddLine(int line, const QString& caption, const QString& name);

  QLabel* name_ = nullptr;
  QLabel* number_ = nullptr;
  QLabel* sex_ = nullptr;
  QLabel* birth_ = nullptr;
  QLabel* death_ = nullptr;
  QLabel* father_ = nullptr;
  QLabel* mother_ = nullptr;
  QCheckBox* keep_ = nullptr;
  int side_ = 0;
};

// "1 JAN 1900, Leeds"; either part may be missing.
QString MergeEventText(const core::MergeEventText& event);

}  // namespace kinloom::ui
