#include "ui/person/organizer_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "core/family_ops.h"
#include "core/organizer_links.h"
#include "core/queries.h"
#include "ui/dialogs/merge_box_candidate.h"
#include "ui/main/fam_tree.h"
#include "ui/person/organizer_person_slot.h"

namespace kinloom::ui {

namespace {

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption,
                       const QString& tip) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(tip);
  return button;
}

}  // namespace

OrganizerPage::OrganizerPage(TFamTree& tree, QWidget* parent) : QWidget(parent), tree_(tree) {
  setObjectName(QStringLiteral("OrganizerPage"));
  a_ = new OrganizerPersonSlot(tree_, 'A', this);
  b_ = new OrganizerPersonSlot(tree_, 'B', this);
  for (OrganizerPersonSlot* slot : {a_, b_}) {
    connect(slot, &OrganizerPersonSlot::changed, this, [this] { UpdateButtons(); });
    connect(slot, &OrganizerPersonSlot::deleteClicked, this, [this, slot] { DeleteClick(*slot); });
  }
  auto* hint = new QLabel(
      QStringLiteral("Choose two people, pick the family to work on in their lists, then link "
                     "or separate them with the buttons below."),
      this);
  hint->setWordWrap(true);
  auto* people = new QHBoxLayout;
  people->addWidget(a_, 1);
  people->addWidget(b_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(hint);
  layout->addLayout(people, 1);
  layout->addWidget(BuildButtons());
  merge_ = new MergeCandidateBox(tree_, this);
  connect(merge_, &MergeCandidateBox::merged, this, [this](int kept) { a_->SetPerson(kept); });
  layout->addWidget(merge_);
  UpdateButtons();
}

QWidget* OrganizerPage::BuildButtons() {
  auto* box = new QGroupBox(QStringLiteral("Link or Separate"), this);
  marry_ = NewButton(box, "btnMarry", QStringLiteral("Marry A and B"),
                     QStringLiteral("Make A and B spouses; a family of A without a spouse, "
                                    "when chosen, takes B as the spouse"));
  add_child_ = NewButton(box, "btnAddChild", QStringLiteral("Add A as Child of B's Family"),
                         QStringLiteral("Link A as a child of the family chosen in B's list"));
  unmarry_ = NewButton(box, "btnUnmarry", QStringLiteral("Unmarry A and B"),
                       QStringLiteral("Separate A and B"));
  remove_child_ =
      NewButton(box, "btnRemoveChild", QStringLiteral("Remove A as Child of Family"),
                QStringLiteral("Unlink A from the family chosen in A's list (or B's) in which "
                               "A is a child"));
  swap_ = NewButton(box, "btnSwap", QStringLiteral("Swap A and B"),
                    QStringLiteral("Exchange the two chosen people"));
  connect(marry_, &QPushButton::clicked, this, [this] { btnMarryClick(); });
  connect(add_child_, &QPushButton::clicked, this, [this] { btnAddChildClick(); });
  connect(unmarry_, &QPushButton::clicked, this, [this] { btnUnmarryClick(); });
  connect(remove_child_, &QPushButton::clicked, this, [this] { btnRemoveChildClick(); });
  connect(swap_, &QPushButton::clicked, this, [this] { btnSwapClick(); });
  auto* grid = new QGridLayout(box);
  grid->addWidget(marry_, 0, 0);
  grid->addWidget(unmarry_, 0, 1);
  grid->addWidget(swap_, 0, 2);
  grid->addWidget(add_child_, 1, 0);
  grid->addWidget(remove_child_, 1, 1);
  return box;
}

void OrganizerPage::Refresh() {
  // Numbers chosen in another tree mean other people here.
  if (tree_.work().session().tree_name != tree_name_) {
    tree_name_ = tree_.work().session().tree_name;
    a_->SetPerson(0);
    b_->SetPerson(0);
  }
  a_->Refresh();
  b_->Refresh();
  UpdateButtons();
}

void OrganizerPage::UpdateButtons() {
  const int a = a_->person();
  const int b = b_->person();
  const bool two = a > 0 && b > 0 && a != b;
  const int unmarry = FamilyToUnmarry();
  marry_->setEnabled(two && unmarry == 0);
  unmarry_->setEnabled(two && unmarry != 0);
  add_child_->setEnabled(two && (b_->chosen().family != 0 || b_->families().empty()));
  remove_child_->setEnabled(FamilyToLeave() != 0);
  swap_->setEnabled(a > 0 || b > 0);
  merge_->SetFirst(a);
}

int OrganizerPage::FamilyToComplete() const {
  const core::FamilyLink chosen = a_->chosen();
  if (chosen.family == 0 || chosen.as_child) return 0;
  return core::OtherSpouse(tree_.store(), chosen.family, a_->person()) == 0 ? chosen.family : 0;
}

int OrganizerPage::FamilyForChild() const {
  return b_->chosen().family;
}

int OrganizerPage::FamilyToUnmarry() const {
  const std::vector<int> shared = core::SharedMarriages(tree_.store(), a_->person(), b_->person());
  if (shared.empty()) return 0;
  for (int family : shared) {
    if (family == a_->chosen().family || family == b_->chosen().family) return family;
  }
  return shared.front();
}

int OrganizerPage::FamilyToLeave() const {
  for (const core::FamilyLink& chosen : {a_->chosen(), b_->chosen()}) {
    if (chosen.family != 0 && core::IsChildIn(tree_.store(), chosen.family, a_->person())) {
      return chosen.family;
    }
  }
  return 0;
}

bool OrganizerPage::RefusedAsMember(int family) const {
  store::RecordStore& store = tree_.store();
  const int a = a_->person();
  const int b = b_->person();
  const core::ShownState around_b = core::ComputeShownState(store, b, 0);
  if (core::IsAlreadyFamilyMember(store, a, b, around_b.father, around_b.mother)) return true;
  // B's parent family is not one of B's own: A may already be a child there.
  if (family != 0 && core::IsLinkedIn(store, family, a)) {
    return core::IsAlreadyFamilyMember(store, a, a, 0, 0);  // the same warning
  }
  return false;
}

void OrganizerPage::Edited() {
  tree_.TreeEdited();  // refreshes this page too
}

void OrganizerPage::btnMarryClick() {
  const int a = a_->person();
  const int family = core::MarryIndividuals(tree_.store(), a, core::SexOf(tree_.store(), a),
                                            b_->person(), FamilyToComplete());
  if (family != 0) Edited();
}

void OrganizerPage::btnAddChildClick() {
  store::RecordStore& store = tree_.store();
  const int family = FamilyForChild();
  if (RefusedAsMember(family)) return;
  int father = 0;
  int mother = 0;
  if (family != 0) {
    father = store::FamilyMember(store, family, "1 HUSB");
    mother = store::FamilyMember(store, family, "1 WIFE");
  } else {
    (core::SexOf(store, b_->person()) == 1 ? father : mother) = b_->person();
  }
  if (core::AddChildToFamily(store, family, a_->person(), father, mother) != 0) Edited();
}

void OrganizerPage::btnUnmarryClick() {
  const int family = FamilyToUnmarry();
  if (family == 0) return;
  if (core::Unmarry(tree_.store(), family, a_->person(), b_->person())) Edited();
}

void OrganizerPage::btnRemoveChildClick() {
  const int family = FamilyToLeave();
  if (family == 0) return;
  if (core::RemoveChildFromFamily(tree_.store(), family, a_->person())) Edited();
}

void OrganizerPage::btnSwapClick() {
  const int a = a_->person();
  a_->SetPerson(b_->person());
  b_->SetPerson(a);
}

void OrganizerPage::DeleteClick(OrganizerPersonSlot& slot) {
  const int person = slot.person();
  if (!tree_.DeleteIndividual(person)) return;
  for (OrganizerPersonSlot* chosen : {a_, b_}) {
    if (chosen->person() == person) chosen->SetPerson(0);
  }
  Refresh();
}

}  // namespace kinloom::ui
