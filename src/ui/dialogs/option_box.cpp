#include "ui/dialogs/option_box.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/dates.h"
#include "core/queries.h"
#include "ui/main/fam_tree.h"
#include "ui/main/option_effects.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

using files::ProgramSettings;

TOptionBox::TOptionBox(TFamTree& tree) : QDialog(&tree), tree_(tree) {
  setObjectName(QStringLiteral("TOptionBox"));
  setWindowTitle(QStringLiteral("Options"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildEntryGroup());
  layout->addWidget(BuildDisplayGroup());
  auto* row = new QHBoxLayout;
  row->addWidget(BuildDateGroup());
  row->addWidget(BuildSavingGroup());
  layout->addLayout(row);
  layout->addWidget(BuildHomeGroup());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("btnOptClose"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QCheckBox* TOptionBox::FlagBox(const char* name, const QString& text, Flag flag) {
  auto* box = new QCheckBox(text);
  box->setObjectName(QString::fromLatin1(name));
  box->setChecked(tree_.work().program_settings().*flag);
  connect(box, &QCheckBox::toggled, this, [this, flag](bool on) { FlagToggled(flag, on); });
  return box;
}

QGroupBox* TOptionBox::BuildEntryGroup() {
  auto* group = new QGroupBox(QStringLiteral("Entering"));
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(FlagBox("cbOptSurnCaps",
                            QStringLiteral("Convert surnames to all capital letters when entered."),
                            &ProgramSettings::surname_capitals));
  layout->addWidget(FlagBox(
      "cbOptGivnCaps", QStringLiteral("Convert given names to all capital letters when entered."),
      &ProgramSettings::given_name_capitals));
  layout->addWidget(FlagBox("cbOptDateCap",
                            QStringLiteral("Convert dates to all capital letters when entered."),
                            &ProgramSettings::date_capitals));
  return group;
}

QGroupBox* TOptionBox::BuildDisplayGroup() {
  auto* group = new QGroupBox(QStringLiteral("Showing"));
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(FlagBox(
      "cbOptParents",
      QStringLiteral("Show the individual between his parents and spouses on the family page."),
      &ProgramSettings::parents_on_family_page));
  layout->addWidget(FlagBox("cbOptProfilePic",
                            QStringLiteral("Show profile picture of person on Tree View chart."),
                            &ProgramSettings::profile_picture));
  layout->addWidget(FlagBox("cbOptHint",
                            QStringLiteral("Show hints by the cursor and in the status bar."),
                            &ProgramSettings::hints));
  layout->addWidget(FlagBox(
      "cbOptSrcNote", QStringLiteral("Show notes and sources when the cursor moves over an item."),
      &ProgramSettings::notes_on_hover));
  return group;
}

QGroupBox* TOptionBox::BuildDateGroup() {
  auto* group = new QGroupBox(QStringLiteral("Date Format"));
  auto* layout = new QVBoxLayout(group);
  european_ = new QRadioButton(FromAnsi(core::DateDisplayCaption(core::DateDisplay::kEuropean)));
  european_->setObjectName(QStringLiteral("rbEuropean"));
  american_ = new QRadioButton(FromAnsi(core::DateDisplayCaption(core::DateDisplay::kAmerican)));
  american_->setObjectName(QStringLiteral("rbAmerican"));
  const bool european = tree_.work().program_settings().european_dates;
  european_->setChecked(european);
  american_->setChecked(!european);
  date_example_ = new QLabel;
  date_example_->setObjectName(QStringLiteral("lbDateExample"));
  ShowDateExample();
  connect(european_, &QRadioButton::toggled, this, &TOptionBox::DateFormatClick);
  layout->addWidget(european_);
  layout->addWidget(american_);
  layout->addWidget(date_example_);
  layout->addStretch();
  return group;
}

QGroupBox* TOptionBox::BuildSavingGroup() {
  const files::TreeSession& session = tree_.work().session();
  auto* group = new QGroupBox(QStringLiteral("Saving"));
  auto* layout = new QVBoxLayout(group);
  auto_save_ = new QCheckBox(QStringLiteral("Automatic Save"));
  auto_save_->setObjectName(QStringLiteral("cbOptAutoSave"));
  auto_save_->setChecked(session.auto_save.enabled);
  minutes_ = new QSpinBox;
  minutes_->setObjectName(QStringLiteral("udOptMins"));
  minutes_->setRange(files::kAutoSaveMinutesMin, files::kAutoSaveMinutesMax);
  minutes_->setValue(session.auto_save.minutes);
  minutes_->setEnabled(session.auto_save.enabled);
  minutes_->setSuffix(QStringLiteral(" minutes"));
  auto* every = new QHBoxLayout;
  every->addWidget(new QLabel(QStringLiteral("Every")));
  every->addWidget(minutes_);
  every->addStretch();
  read_only_ = new QCheckBox(QStringLiteral("Read Only File"));
  read_only_->setObjectName(QStringLiteral("cbOptReadOnly"));
  read_only_->setChecked(session.read_only);
  connect(auto_save_, &QCheckBox::toggled, this, &TOptionBox::cbOptAutoSaveClick);
  connect(minutes_, &QSpinBox::valueChanged, this, &TOptionBox::udOptMinsChange);
  connect(read_only_, &QCheckBox::toggled, this, &TOptionBox::cbOptReadOnlyClick);
  layout->addWidget(auto_save_);
  layout->addLayout(every);
  layout->addWidget(read_only_);
  layout->addStretch();
  return group;
}

QGroupBox* TOptionBox::BuildHomeGroup() {
  auto* group = new QGroupBox(QStringLiteral("Home Person"));
  auto* layout = new QHBoxLayout(group);
  home_person_ = new QLabel;
  home_person_->setObjectName(QStringLiteral("lbHomePerson"));
  home_person_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* button = new QPushButton(QStringLiteral("Make the Shown Individual the Home Person"));
  button->setObjectName(QStringLiteral("btnOptHome"));
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, &TOptionBox::btnOptHomeClick);
  layout->addWidget(home_person_, 1);
  layout->addWidget(button);
  ShowHomePerson();
  return group;
}

void TOptionBox::FlagToggled(Flag flag, bool on) {
  tree_.work().program_settings().*flag = on;
  OptionChanged();
}

void TOptionBox::cbOptAutoSaveClick(bool on) {
  files::TreeWorkspace& work = tree_.work();
  if (!files::SetAutoSaveOption(work.session(), on, tree_.ui())) {
    const QSignalBlocker quiet(auto_save_);
    auto_save_->setChecked(false);
    return;
  }
  work.program_settings().auto_save = on;
  minutes_->setEnabled(on);
  OptionChanged();
  tree_.RestartAutoSave();
}

void TOptionBox::cbOptReadOnlyClick(bool on) {
  // The flag belongs to this window alone and is kept in no file, so nothing is marked to save.
  if (!files::SetReadOnlyOption(tree_.work().session(), on, tree_.ui())) {
    const QSignalBlocker quiet(read_only_);
    read_only_->setChecked(false);
  }
}

void TOptionBox::udOptMinsChange(int minutes) {
  files::TreeWorkspace& work = tree_.work();
  work.session().auto_save.minutes = minutes;
  work.program_settings().auto_save_minutes = minutes;
  OptionChanged();
  tree_.RestartAutoSave();
}

void TOptionBox::DateFormatClick(bool european) {
  tree_.work().program_settings().european_dates = european;
  ShowDateExample();
  OptionChanged();
}

void TOptionBox::ShowDateExample() {
  const core::DateDisplay display = tree_.work().program_settings().date_display();
  const platform::DateTime today = tree_.ui().clock().Now();
  date_example_->setText(QStringLiteral("Today:  ") +
                         FromAnsi(core::FormatLongDate(today, display)));
}

void TOptionBox::ShowHomePerson() {
  const store::RecordStore& store = tree_.store();
  const int home = store.home_person();
  if (home < 1 || store.individual(home) == nullptr) {
    home_person_->setText(QStringLiteral("No home person"));
    return;
  }
  home_person_->setText(FromAnsi(core::PersonLabel(store, home)));
}

void TOptionBox::btnOptHomeClick() {
  const int shown = tree_.shown().individual;
  store::RecordStore& store = tree_.store();
  if (shown < 1 || store.individual(shown) == nullptr || store.home_person() == shown) return;
  store.set_home_person(shown);
  // The home person is kept in the tree's album file, so that file must be written again.
  tree_.work().session().changed.albums_changed = true;
  ShowHomePerson();
  tree_.TreeEdited();
}

void TOptionBox::OptionChanged() {
  MarkSourcesChanged(tree_.work());
  ApplyDisplayOptions(tree_.work());
}

}  // namespace kinloom::ui
