#include "ui/dialogs/merge_box.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/merge_boxes.h"
#include "core/queries.h"
#include "files/merge_albums.h"
#include "ui/dialogs/merge_box_summary.h"
#include "ui/main/fam_tree.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

TMergeBox::TMergeBox(TFamTree& tree) : QDialog(&tree), tree_(tree) {
  setObjectName(QStringLiteral("TMergeBox"));
  setWindowTitle(FromAnsi(core::kMergeBoxCaption));
  auto* layout = new QVBoxLayout(this);
  auto* hint = new QLabel(FromAnsi(core::kMergeBoxHint).trimmed(), this);
  hint->setObjectName(QStringLiteral("lblHint"));
  QFont font = hint->font();
  font.setBold(true);
  hint->setFont(font);
  layout->addWidget(hint);
  layout->addWidget(BuildSides());
  layout->addWidget(BuildPages(), 1);
  layout->addWidget(BuildButtons());
}

QWidget* TMergeBox::BuildSides() {
  auto* sides = new QWidget(this);
  auto* row = new QHBoxLayout(sides);
  row->setContentsMargins(0, 0, 0, 0);
  for (int side = 0; side < 2; ++side) {
    auto* panel = new MergeSummaryPanel(side, sides);
    summaries_[static_cast<size_t>(side)] = panel;
    keep_[static_cast<size_t>(side)] = panel->keep();
    connect(panel->keep(), &QCheckBox::clicked, this,
            [this, side](bool checked) { KeepClick(side, checked); });
    row->addWidget(panel, 1);
  }
  return sides;
}

QWidget* TMergeBox::BuildPages() {
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("MergePages"));
  AddRowsPage(core::MergePage::kBasic, "BasicPage", QStringLiteral("Basic"));
  AddRowsPage(core::MergePage::kAdditional, "AdditionalPage", QStringLiteral("Additional"));
  AddRowsPage(core::MergePage::kReligion, "ReligionPage", QStringLiteral("Religion"));
  AddRowsPage(core::MergePage::kMarriage, "MarriagePage", QStringLiteral("Marriage"));
  return pages_;
}

// The page's rows follow each other in the row table.
void TMergeBox::AddRowsPage(core::MergePage page, const char* name, const QString& caption) {
  int from = 1;
  while (core::MergeRowSpecOf(from).page != page) ++from;
  int to = from;
  while (to + 1 < core::kMergeRowCount && core::MergeRowSpecOf(to + 1).page == page) ++to;
  auto* widget = new QWidget(pages_);
  widget->setObjectName(QString::fromLatin1(name));
  auto* column = new QVBoxLayout(widget);
  if (page == core::MergePage::kMarriage) column->addWidget(BuildMarriageChooser(widget));
  auto* grid = new QWidget(widget);
  for (const MergeRowBoxes& boxes : BuildMergeRows(grid, from, to)) {
    ConnectBoxes(boxes);
    rows_.push_back(boxes);
  }
  column->addWidget(grid, 1);
  pages_->addTab(widget, caption);
}

// The up-down control over the paired marriages and what the shown one is.
QWidget* TMergeBox::BuildMarriageChooser(QWidget* page) {
  auto* chooser = new QWidget(page);
  auto* row = new QHBoxLayout(chooser);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(new QLabel(QStringLiteral("Marriage:"), chooser));
  marriage_up_down_ = new QSpinBox(chooser);
  marriage_up_down_->setObjectName(QStringLiteral("MarrUpDown"));
  marriage_up_down_->setToolTip(QStringLiteral("Which of the marriages with the same spouse"));
  marriage_up_down_->setRange(1, 1);
  connect(marriage_up_down_, &QSpinBox::valueChanged, this, &TMergeBox::MarriageUpDownChange);
  marriage_label_ = new QLabel(chooser);
  marriage_label_->setObjectName(QStringLiteral("lblMarriage"));
  row->addWidget(marriage_up_down_);
  row->addWidget(marriage_label_, 1);
  return chooser;
}

QWidget* TMergeBox::BuildButtons() {
  auto* buttons = new QWidget(this);
  auto* row = new QHBoxLayout(buttons);
  row->setContentsMargins(0, 0, 0, 0);
  merge_ = new QPushButton(QStringLiteral("Merge"), buttons);
  merge_->setObjectName(QStringLiteral("btnMerge"));
  merge_->setToolTip(FromAnsi(core::kMergeBoxHint));
  merge_->setAutoDefault(false);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), buttons);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  cancel->setAutoDefault(false);
  connect(merge_, &QPushButton::clicked, this, &TMergeBox::btnMergeClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  row->addStretch(1);
  row->addWidget(merge_);
  row->addWidget(cancel);
  return buttons;
}

void TMergeBox::ConnectBoxes(const MergeRowBoxes& boxes) {
  for (size_t s = 0; s < 2; ++s) {
    QCheckBox* value = boxes.value[s];
    connect(value, &QCheckBox::clicked, this,
            [this, value](bool checked) { ValueClick(value, checked); });
    if (QCheckBox* place = boxes.place[s]) {
      connect(place, &QCheckBox::clicked, this,
              [this, place](bool checked) { PlaceClick(place, checked); });
    }
    QCheckBox* note = boxes.note[s];
    connect(note, &QCheckBox::clicked, this,
            [this, note](bool checked) { NoteClick(note, checked); });
  }
}

bool TMergeBox::Run(int first, int second) {
  if (const std::string why = core::MergeRefusal(tree_.store(), first, second); !why.empty()) {
    tree_.ui().Message(core::kMergeRefusedCaption, why, platform::Icon::kExclamation);
    return false;
  }
  Open(first, second);
  exec();
  return result_.merged;
}

void TMergeBox::Open(int first, int second) {
  result_ = {};
  state_ = core::BuildMergeBoxState(tree_.store(), first, second);
  ShowState();
  pages_->setCurrentIndex(0);
}

void TMergeBox::ShowState() {
  for (size_t s = 0; s < 2; ++s) {
    summaries_[s]->Show(state_.summaries[s], state_.keep_captions[s]);
    const QSignalBlocker quiet(keep_[s]);
    keep_[s]->setEnabled(state_.keep[s].enabled);
    keep_[s]->setChecked(state_.keep[s].checked);
  }
  for (int row = 1; row < core::kMergeRowCount; ++row) ShowRow(row);
  pages_->setTabVisible(static_cast<int>(core::MergePage::kAdditional), state_.show_additional);
  pages_->setTabVisible(static_cast<int>(core::MergePage::kReligion), state_.show_religion);
  pages_->setTabVisible(static_cast<int>(core::MergePage::kMarriage), state_.show_marriage());
  const QSignalBlocker quiet(marriage_up_down_);
  marriage_up_down_->setRange(1, std::max(1, state_.paired_marriages));
  marriage_up_down_->setValue(state_.shown_marriage + 1);
  ShowMarriageRows();
}

void TMergeBox::ShowRow(int row) {
  ShowMergeRow(rows_[static_cast<size_t>(row - 1)], state_.Row(row));
}

void TMergeBox::ShowMarriageRows() {
  for (int row = core::kFirstFamilyRow; row < core::kMergeRowCount; ++row) ShowRow(row);
  if (!state_.show_marriage()) {
    marriage_label_->clear();
    return;
  }
  const core::MergeMarriage& marriage =
      state_.marriages[static_cast<size_t>(state_.shown_marriage)];
  marriage_label_->setText(QStringLiteral("of %1  --  with %2  --  families %3 and %4")
                               .arg(state_.paired_marriages)
                               .arg(FromAnsi(core::PersonLabel(tree_.store(), marriage.spouse)))
                               .arg(marriage.family[0])
                               .arg(marriage.family[1]));
}

// The coming-of-age row follows the kept individual's sex. Its boxes start afresh only when
// its tag changes, so what the user set on it stays while the tag does.
void TMergeBox::RetargetComingOfAge() {
  const core::MergeRowState before = state_.person_rows[core::kComingOfAgeRow];
  core::RetargetComingOfAge(state_, tree_.store());
  if (state_.person_rows[core::kComingOfAgeRow].tag == before.tag) {
    state_.person_rows[core::kComingOfAgeRow] = before;
  }
  ShowRow(core::kComingOfAgeRow);
}

void TMergeBox::KeepClick(int side, bool checked) {
  core::KeepClick(state_, side, checked);
  for (size_t s = 0; s < 2; ++s) keep_[s]->setChecked(state_.keep[s].checked);
  RetargetComingOfAge();
}

void TMergeBox::ValueClick(QObject* box, bool checked) {
  const int row = MergeRowOf(box);
  core::Box1_3_Click(state_, row, MergeSideOf(box), checked);
  ShowRow(row);
}

void TMergeBox::PlaceClick(QObject* box, bool checked) {
  const int row = MergeRowOf(box);
  core::Box2_4_Click(state_, row, MergeSideOf(box), checked);
  ShowRow(row);
}

void TMergeBox::NoteClick(QObject* box, bool checked) {
  const int row = MergeRowOf(box);
  core::NoteClick(state_, row, MergeSideOf(box), checked);
  ShowRow(row);
}

void TMergeBox::MarriageUpDownChange(int position) {
  core::ShowMarriage(state_, position - 1);
  ShowMarriageRows();
}

void TMergeBox::btnMergeClick() {
  result_ = core::MergeIndividuals(tree_.store(), state_);
  if (!result_.merged) {
    reject();
    return;
  }
  // The kept individual's record is the one the albums must point at from now on.
  if (files::CarryOverAlbumItems(tree_.work().albums(), result_.discarded, result_.kept) > 0) {
    tree_.work().session().changed.albums_changed = true;
  }
  tree_.TreeEdited();
  tree_.ShowIndividual(result_.kept);
  accept();
}

}  // namespace kinloom::ui
