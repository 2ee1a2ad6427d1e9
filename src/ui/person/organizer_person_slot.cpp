#include "ui/person/organizer_person_slot.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/queries.h"
#include "ui/dialogs/search_box.h"
#include "ui/main/fam_tree.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

namespace {

QPushButton* NewButton(QWidget* parent, const QString& name, const QString& caption,
                       const QString& tip) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setToolTip(tip);
  return button;
}

}  // namespace

OrganizerPersonSlot::OrganizerPersonSlot(TFamTree& tree, char letter, QWidget* parent)
    : QGroupBox(QStringLiteral("Person %1").arg(QLatin1Char(letter)), parent), tree_(tree) {
  const QString suffix = QString(QLatin1Char(letter));
  setObjectName(QStringLiteral("Person") + suffix);
  label_ = NewButton(this, QStringLiteral("Person%1Label").arg(suffix), QString(),
                     QStringLiteral("Show this person"));
  label_->setFlat(true);
  label_->setStyleSheet(QStringLiteral("text-align: left; font-weight: bold; padding: 4px;"));
  connect(label_, &QPushButton::clicked, this, [this] {
    if (person_ <= 0) return;
    tree_.ShowIndividual(person_);
    tree_.ShowPage(QStringLiteral("person"));
  });

  QPushButton* use_shown =
      NewButton(this, QStringLiteral("btnUseShown") + suffix, QStringLiteral("Use Shown Person"),
                QStringLiteral("Choose the person the Person page shows"));
  connect(use_shown, &QPushButton::clicked, this, [this] { SetPerson(tree_.shown().individual); });
  QPushButton* find = NewButton(this, QStringLiteral("btnFind") + suffix, QStringLiteral("Find..."),
                                QStringLiteral("Search for the person to choose"));
  connect(find, &QPushButton::clicked, this, [this] { btnFindClick(); });
  delete_ =
      NewButton(this, QStringLiteral("btnDelete") + suffix, QStringLiteral("Delete This Person"),
                QStringLiteral("Delete this person's record and every link to it"));
  connect(delete_, &QPushButton::clicked, this, &OrganizerPersonSlot::deleteClicked);

  family_list_ = new QListWidget(this);
  family_list_->setObjectName(QStringLiteral("Families") + suffix);
  family_list_->setToolTip(QStringLiteral("The family the linking buttons work on"));
  connect(family_list_, &QListWidget::currentRowChanged, this, &OrganizerPersonSlot::changed);

  auto* choose = new QHBoxLayout;
  choose->addWidget(use_shown);
  choose->addWidget(find);
  choose->addStretch(1);
  choose->addWidget(delete_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addLayout(choose);
  layout->addWidget(
      new QLabel(QStringLiteral("Families (the buttons below work on the one chosen):"), this));
  layout->addWidget(family_list_, 1);
  SetPerson(0);
}

void OrganizerPersonSlot::SetPerson(int person) {
  if (tree_.store().individual(person) == nullptr) person = 0;
  person_ = person;
  family_list_->clear();
  FillFamilies();
  emit changed();
}

void OrganizerPersonSlot::Refresh() {
  if (tree_.store().individual(person_) == nullptr) person_ = 0;
  FillFamilies();
}

core::FamilyLink OrganizerPersonSlot::chosen() const {
  const int row = family_list_->currentRow();
  if (row < 0 || row >= static_cast<int>(families_.size())) return {};
  return families_[static_cast<size_t>(row)];
}

void OrganizerPersonSlot::FillFamilies() {
  const core::FamilyLink before = chosen();
  const store::RecordStore& store = tree_.store();
  label_->setText(person_ > 0 ? FromAnsi(core::PersonLabel(store, person_))
                              : QStringLiteral("No person chosen"));
  label_->setEnabled(person_ > 0);
  delete_->setEnabled(person_ > 0);
  families_ = core::FamiliesOf(store, person_);
  const QSignalBlocker quiet(family_list_);
  family_list_->clear();
  int row = families_.empty() ? -1 : 0;
  for (size_t i = 0; i < families_.size(); ++i) {
    family_list_->addItem(FromAnsi(core::FamilyLinkLabel(store, families_[i])));
    if (families_[i] == before) row = static_cast<int>(i);
  }
  family_list_->setCurrentRow(row);
}

void OrganizerPersonSlot::btnFindClick() {
  const int found = tree_.search_box().Run();
  if (found >= 0) SetPerson(found);
}

}  // namespace kinloom::ui
