#include "ui/dialogs/merge_box_candidate.h"

#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/merge_candidate.h"
#include "core/queries.h"
#include "ui/dialogs/merge_box.h"
#include "ui/dialogs/search_box.h"
#include "ui/main/fam_tree.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

constexpr int kHighestIndividual = 999999;

}  // namespace

MergeCandidateBox::MergeCandidateBox(TFamTree& tree, QWidget* parent)
    : QGroupBox(QStringLiteral("Merge Two Records of One Person"), parent), tree_(tree) {
  setObjectName(QStringLiteral("MergeCandidate"));
  first_label_ = new QLabel(this);
  first_label_->setObjectName(QStringLiteral("MergeFirst"));
  second_number_ = new QLineEdit(this);
  second_number_->setObjectName(QStringLiteral("MergeSecond"));
  second_number_->setValidator(new QIntValidator(1, kHighestIndividual, second_number_));
  second_number_->setMaximumWidth(90);
  second_number_->setToolTip(QStringLiteral("The number of the record to merge with Person A"));
  second_label_ = new QLabel(this);
  second_label_->setObjectName(QStringLiteral("MergeSecondLabel"));
  auto* find = new QPushButton(QStringLiteral("Find..."), this);
  find->setObjectName(QStringLiteral("btnMergeFind"));
  find->setToolTip(QStringLiteral("Search for the record to merge with Person A"));
  merge_ = new QPushButton(QStringLiteral("Merge..."), this);
  merge_->setObjectName(QStringLiteral("btnMerge"));
  merge_->setToolTip(QStringLiteral("Fold the two records into one, choosing what to keep"));
  connect(second_number_, &QLineEdit::editingFinished, this, &MergeCandidateBox::MergeSecondExit);
  connect(find, &QPushButton::clicked, this, &MergeCandidateBox::btnMergeFindClick);
  connect(merge_, &QPushButton::clicked, this, &MergeCandidateBox::btnMergeClick);

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Person A:"), this), 0, 0);
  grid->addWidget(first_label_, 0, 1, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Merge with:"), this), 1, 0);
  grid->addWidget(second_number_, 1, 1);
  grid->addWidget(second_label_, 1, 2);
  grid->addWidget(find, 1, 3);
  grid->addWidget(merge_, 1, 4);
  grid->setColumnStretch(2, 1);
  ShowPair();
}

void MergeCandidateBox::SetFirst(int first) {
  if (first != first_) {
    first_ = first;
    if (first_ > 0) second_ = core::FindMergeCandidate(tree_.store(), first_, second_);
  }
  ShowPair();
}

void MergeCandidateBox::SetSecond(int second) {
  second_ = second;
  ShowPair();
}

void MergeCandidateBox::ShowPair() {
  const store::RecordStore& store = tree_.store();
  const bool first_exists = store.individual(first_) != nullptr;
  const bool second_exists = store.individual(second_) != nullptr;
  first_label_->setText(first_exists ? FromAnsi(core::PersonLabel(store, first_))
                                     : QStringLiteral("No person chosen"));
  if (!second_number_->hasFocus()) {
    second_number_->setText(second_ > 0 ? QString::number(second_) : QString());
  }
  if (second_ <= 0) {
    second_label_->clear();
  } else if (!second_exists) {
    second_label_->setText(QStringLiteral("No individual has this number"));
  } else {
    second_label_->setText(FromAnsi(core::PersonLabel(store, second_)));
  }
  merge_->setEnabled(first_exists && second_exists && core::CanMerge(first_, second_));
}

void MergeCandidateBox::MergeSecondExit() {
  const int typed = second_number_->text().toInt();
  if (typed != second_) SetSecond(typed);
}

void MergeCandidateBox::btnMergeFindClick() {
  const int found = tree_.search_box().Run();
  if (found > 0) SetSecond(found);
}

void MergeCandidateBox::btnMergeClick() {
  if (!merge_->isEnabled()) return;
  if (tree_.ShowMergeBox(first_, second_)) emit merged(tree_.merge_box().result().kept);
}

}  // namespace kinloom::ui
