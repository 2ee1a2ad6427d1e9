// The person page's widgets and their arrangement.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/queries.h"
#include "ui/main/fam_tree.h"
#include "ui/person/person_page.h"
#include "ui/person/person_page_edit.h"
#include "ui/widgets/accent_typing.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

namespace {

QLabel* Caption(const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text, buddy->parentWidget());
  label->setBuddy(buddy);
  // Room for the last letter's overhang, which the text's measured width leaves out.
  label->setContentsMargins(0, 0, 3, 0);
  return label;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

void PersonPage::BuildPage() {
  columns_ = new QGridLayout(this);
  auto* left = new QVBoxLayout;
  left->addWidget(BuildParents());
  left->addWidget(BuildPerson());
  left->addWidget(BuildSpouse());
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  for (size_t i = 0; i < indicators_.size(); ++i) {
    indicators_[i] = new QLabel(FromAnsi(core::DirectLineText(static_cast<int>(i) + 1)), this);
    indicators_[i]->setObjectName(QStringLiteral("imgFam%1").arg(i + 1));
    indicators_[i]->setWordWrap(true);
    indicators_[i]->setStyleSheet(QStringLiteral("color: #1d5f9e; font-weight: bold;"));
    right->addWidget(indicators_[i]);
  }
  right->addWidget(BuildChildren(), 2);
  right->addWidget(BuildNote(), 3);
  columns_->addLayout(left, 0, 0);
  columns_->setColumnMinimumWidth(0, 560);
  columns_->addLayout(right, 0, 1);
  ArrangeNoteArea();
}

QGroupBox* PersonPage::BuildParents() {
  auto* box = new QGroupBox(QStringLiteral("Parents"), this);
  auto* grid = new QGridLayout(box);
  auto parent_row = [&](int row, const QString& role, const char* suffix, int* person,
                        QLineEdit** given, QLineEdit** surname, QPushButton** add, char sex) {
    auto name_left = [this, person, given, surname](const QString&) {
      NameLeft(*person, *given, *surname);
    };
    const QString plain_role = QString(role).remove(QLatin1Char('&'));
    *given = MakeTextBox(box, QStringLiteral("FamChrName") + QLatin1String(suffix),
                         plain_role + QStringLiteral(" - Given Names"), name_left);
    *surname = MakeTextBox(box, QStringLiteral("FamSurName") + QLatin1String(suffix),
                           plain_role + QStringLiteral(" - Surname"), name_left);
    *add = Button(box, sex == 'M' ? "btnAddFather" : "btnAddMother", QString());
    connect(*add, &QPushButton::clicked, this, [this, sex] { AddParentClick(sex); });
    grid->addWidget(Caption(role, *given), row, 0);
    grid->addWidget(*given, row, 1);
    grid->addWidget(*surname, row, 2);
    grid->addWidget(*add, row, 3);
  };
  parent_row(0, QStringLiteral("Fathe&r"), "F", &shown_father_, &father_given_, &father_surname_,
             &add_father_, 'M');
  parent_row(1, QStringLiteral("&Mother"), "M", &shown_mother_, &mother_given_, &mother_surname_,
             &add_mother_, 'F');
  parent_type_ = new QComboBox(box);
  parent_type_->setObjectName(QStringLiteral("FamFamType"));
  parent_type_->setToolTip(QStringLiteral(" Parent Type "));
  for (int kind = 0; kind < core::kParentKinds; ++kind) {
    parent_type_->addItem(FromAnsi(core::ParentKindItem(kind)));
  }
  connect(parent_type_, &QComboBox::activated, this, [this](int kind) { FamFamTypeChange(kind); });
  grid->addWidget(Caption(QStringLiteral("Parent T&ype"), parent_type_), 2, 0);
  grid->addWidget(parent_type_, 2, 1);
  grid->setColumnStretch(1, 2);
  grid->setColumnStretch(2, 2);
  return box;
}

QGroupBox* PersonPage::BuildPerson() {
  auto* box = new QGroupBox(QStringLiteral("Individual"), this);
  auto* grid = new QGridLayout(box);
  auto name_left = [this](const QString&) { NameLeft(tree_.shown().individual, given_, surname_); };
  given_ =
      MakeTextBox(box, QStringLiteral("FamChrNameI"), QStringLiteral("Given Names"), name_left);
  surname_ = MakeTextBox(box, QStringLiteral("FamSurNameI"), QStringLiteral("Surname"), name_left);
  sex_ = new QComboBox(box);
  sex_->setObjectName(QStringLiteral("FamSex"));
  sex_->setToolTip(QStringLiteral(" Sex of This Person "));
  sex_->addItems({QStringLiteral("Unknown"), QStringLiteral("Male"), QStringLiteral("Female")});
  connect(sex_, &QComboBox::activated, this, [this](int index) { FamSexChange(index); });
  given_label_ = Caption(QStringLiteral("Gi&ven Names"), given_);
  surname_label_ = Caption(QStringLiteral("S&urname"), surname_);
  sex_label_ = Caption(QStringLiteral("Se&x"), sex_);
  grid->addWidget(given_label_, 0, 0);
  grid->addWidget(given_, 0, 1);
  grid->addWidget(surname_label_, 0, 2);
  grid->addWidget(surname_, 0, 3);
  grid->addWidget(sex_label_, 0, 4);
  grid->addWidget(sex_, 0, 5);
  title_ = MakeTextBox(box, QStringLiteral("FamTitle"), QStringLiteral("Title"),
                       [this](const QString& text) {
                         WriteNameLine(tree_, updating_, tree_.shown().individual, "1 TITL", text);
                       });
  alias_ = MakeTextBox(box, QStringLiteral("FamAlias"), QStringLiteral("Alias"),
                       [this](const QString& text) {
                         WriteNameLine(tree_, updating_, tree_.shown().individual, "1 ALIA", text);
                       });
  alias_label_ = Caption(QStringLiteral("&Alias"), alias_);
  grid->addWidget(Caption(QStringLiteral("T&itle"), title_), 1, 0);
  grid->addWidget(title_, 1, 1);
  grid->addWidget(alias_label_, 1, 2);
  grid->addWidget(alias_, 1, 3, 1, 3);
  grid->setColumnStretch(1, 3);
  grid->setColumnStretch(3, 3);
  auto* events = new QWidget(box);
  auto* event_grid = new QGridLayout(events);
  event_grid->setContentsMargins(0, 4, 0, 0);
  BuildPersonEvents(event_grid, 0);
  grid->addWidget(events, 2, 0, 1, 6);
  return box;
}

void PersonPage::BuildPersonEvents(QGridLayout* grid, int row) {
  QWidget* parent = grid->parentWidget();
  auto date_left = [this](std::string_view tag) {
    return [this, tag](const QString& text) { PersonDateLeft(tag, text); };
  };
  auto place_left = [this](std::string_view tag) {
    return [this, tag](const QString& text) { PersonPlaceLeft(tag, text); };
  };
  auto* birth = new QLabel(QStringLiteral("Birth"), parent);
  birth_date_ = MakeTextBox(parent, QStringLiteral("FamBirtDate"), QStringLiteral("Birth Date"),
                            date_left("1 BIRT"), false);
  FitDateBox(birth_date_);
  birth_place_ = MakeTextBox(parent, QStringLiteral("FamBirtPlace"), QStringLiteral("Birth Place"),
                             place_left("1 BIRT"));
  grid->addWidget(birth, row, 0);
  grid->addWidget(birth_date_, row, 2);
  grid->addWidget(birth_place_, row, 3);
  // The slots' date and place boxes write the event the slot holds (its first one while
  // empty); "bapm" and "buri" stand for that.
  BuildEventRow(
      baptism_, grid, ++row, QStringLiteral("Fam"), QStringLiteral("Bapm"),
      [this](bool on) {
        SlotBoxClicked(tree_, updating_, baptism_, core::SlotKind::kBaptism, false, on);
      },
      date_left("bapm"), place_left("bapm"));
  christen_ = new QCheckBox(QStringLiteral("Christen"), parent);
  christen_->setObjectName(QStringLiteral("cbFamChr"));
  connect(christen_, &QCheckBox::clicked, this, [this](bool on) {
    SlotBoxClicked(tree_, updating_, baptism_, core::SlotKind::kBaptism, true, on);
  });
  grid->addWidget(christen_, ++row, 1, Qt::AlignLeft);
  BuildEventRow(
      death_, grid, ++row, QStringLiteral("Fam"), QStringLiteral("Deat"),
      [this](bool on) { DeathBoxClicked(tree_, updating_, death_, tree_.shown().individual, on); },
      date_left("1 DEAT"), place_left("1 DEAT"));
  BuildEventRow(
      burial_, grid, ++row, QStringLiteral("Fam"), QStringLiteral("Buri"),
      [this](bool on) {
        SlotBoxClicked(tree_, updating_, burial_, core::SlotKind::kBurial, false, on);
      },
      date_left("buri"), place_left("buri"));
  cremation_ = new QCheckBox(QStringLiteral("Cremation"), parent);
  cremation_->setObjectName(QStringLiteral("cbFamCrem"));
  connect(cremation_, &QCheckBox::clicked, this, [this](bool on) {
    SlotBoxClicked(tree_, updating_, burial_, core::SlotKind::kBurial, true, on);
  });
  grid->addWidget(cremation_, ++row, 1, Qt::AlignLeft);
  age_ = new QLineEdit(parent);
  age_->setObjectName(QStringLiteral("AgeMemo"));
  age_->setReadOnly(true);
  age_->setFocusPolicy(Qt::NoFocus);
  age_->setToolTip(QStringLiteral(" Age of This Person in Years and Days "));
  age_label_ = Caption(QStringLiteral("Age"), age_);
  FitDateBox(age_);
  living_ = new QCheckBox(QStringLiteral("Living"), parent);
  living_->setObjectName(QStringLiteral("cbLiving"));
  living_->setToolTip(QStringLiteral(" Checked: Living, No Death Details.  Unchecked: Deceased "));
  connect(living_, &QCheckBox::clicked, this,
          [this](bool on) { LivingBoxClicked(tree_, updating_, tree_.shown().individual, on); });
  grid->addWidget(living_, ++row, 1, Qt::AlignLeft);
  grid->addWidget(age_label_, row, 0);
  grid->addWidget(age_, row, 2);
  grid->setColumnStretch(3, 1);
  std::vector<std::string_view> names = {"Birth", "Death", "Age"};
  std::vector<std::string_view> captions = {"Death Included", "Living"};
  AddSlotTexts(core::SlotKind::kBaptism, &names, &captions);
  AddSlotTexts(core::SlotKind::kBurial, &names, &captions);
  ReserveEventColumns(grid, names, captions);
}

QGroupBox* PersonPage::BuildSpouse() {
  auto* box = new QGroupBox(QStringLiteral("Spouse and Marriage"), this);
  auto* grid = new QGridLayout(box);
  auto name_left = [this](const QString&) {
    NameLeft(shown_spouse_, spouse_given_, spouse_surname_);
  };
  spouse_given_ = MakeTextBox(box, QStringLiteral("FamChrNameS"),
                              QStringLiteral("Spouse - Given Names"), name_left);
  spouse_surname_ = MakeTextBox(box, QStringLiteral("FamSurNameS"),
                                QStringLiteral("Spouse - Surname"), name_left);
  show_spouse_ = Button(box, "btnShowSpouse", QStringLiteral("Show Spouse"));
  show_spouse_->setToolTip(QStringLiteral(" Show the Spouse "));
  connect(show_spouse_, &QPushButton::clicked, this, [this] { ShowRelative(shown_spouse_); });
  grid->addWidget(Caption(QStringLiteral("S&pouse"), spouse_given_), 0, 0);
  grid->addWidget(spouse_given_, 0, 1);
  grid->addWidget(spouse_surname_, 0, 2);
  grid->addWidget(show_spouse_, 0, 3);
  auto* steps = new QHBoxLayout;
  previous_spouse_ = Button(box, "btnPrevSpouse", QStringLiteral("< Previous"));
  previous_spouse_->setToolTip(QStringLiteral(" Previous Marriage "));
  next_spouse_ = Button(box, "btnNextSpouse", QStringLiteral("Next >"));
  next_spouse_->setToolTip(QStringLiteral(" Next Marriage "));
  marriage_count_ = new QLabel(box);
  marriage_count_->setObjectName(QStringLiteral("FamMarrCount"));
  add_spouse_ = Button(box, "btnAddSpouse", QStringLiteral("Add Spouse"));
  add_spouse_->setToolTip(QStringLiteral(" Marry This Person to a New Individual "));
  choose_spouse_ = Button(box, "btnChooseSpouse", QStringLiteral("Choose Spouse..."));
  choose_spouse_->setToolTip(QStringLiteral(" Marry This Person to Someone Already in the Tree "));
  connect(previous_spouse_, &QPushButton::clicked, this, [this] { StepSpouse(-1); });
  connect(next_spouse_, &QPushButton::clicked, this, [this] { StepSpouse(1); });
  connect(add_spouse_, &QPushButton::clicked, this, [this] { AddSpouseClick(0); });
  connect(choose_spouse_, &QPushButton::clicked, this, [this] {
    if (const int chosen = ChooseRelative()) AddSpouseClick(chosen);
  });
  steps->addWidget(previous_spouse_);
  steps->addWidget(marriage_count_);
  steps->addWidget(next_spouse_);
  steps->addStretch(1);
  steps->addWidget(add_spouse_);
  steps->addWidget(choose_spouse_);
  grid->addLayout(steps, 1, 0, 1, 4);
  auto* events = new QGridLayout;
  auto family = [this] { return EventOwner{true, tree_.shown().family}; };
  BuildEventRow(
      marriage_, events, 0, QStringLiteral("Fam"), QStringLiteral("Mar"),
      [this, family](bool on) {
        EventBoxClicked(tree_, updating_, marriage_, family(), "1 MARR", "Married", on);
      },
      [this, family](const QString& text) {
        EventDetailLeft(tree_, updating_, family(), "1 MARR", "2 DATE", text);
      },
      [this, family](const QString& text) {
        EventDetailLeft(tree_, updating_, family(), "1 MARR", "2 PLAC", text);
      });
  marriage_.date->setObjectName(QStringLiteral("FamMarrDate"));
  marriage_.place->setObjectName(QStringLiteral("FamMarrPlace"));
  events->setColumnStretch(3, 1);
  grid->addLayout(events, 2, 0, 1, 4);
  ReserveEventColumns(events, {"Marriage"}, {"Married"});
  grid->setColumnStretch(1, 2);
  grid->setColumnStretch(2, 2);
  return box;
}

QGroupBox* PersonPage::BuildChildren() {
  children_box_ = new QGroupBox(QStringLiteral("Children"), this);
  auto* layout = new QVBoxLayout(children_box_);
  children_ = new QListWidget(children_box_);
  children_->setObjectName(QStringLiteral("FamChildren"));
  children_->setToolTip(QStringLiteral(" Click or press Enter to show this child "));
  connect(children_, &QListWidget::itemClicked, this, &PersonPage::ChildChosen);
  connect(children_, &QListWidget::itemActivated, this, &PersonPage::ChildChosen);
  add_child_ = Button(children_box_, "btnAddChild", QStringLiteral("Add Child"));
  add_child_->setToolTip(QStringLiteral(" Add a New Child of This Person and the Spouse Shown "));
  connect(add_child_, &QPushButton::clicked, this, [this] { AddChildClick(0); });
  choose_child_ = Button(children_box_, "btnChooseChild", QStringLiteral("Choose Child..."));
  choose_child_->setToolTip(QStringLiteral(" Add Someone Already in the Tree as a Child "));
  connect(choose_child_, &QPushButton::clicked, this, [this] {
    if (const int chosen = ChooseRelative()) AddChildClick(chosen);
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(add_child_);
  buttons->addWidget(choose_child_);
  buttons->addStretch(1);
  layout->addWidget(children_);
  layout->addLayout(buttons);
  return children_box_;
}

QGroupBox* PersonPage::BuildNote() {
  note_box_ = new QGroupBox(QStringLiteral("Note"), this);
  auto* layout = new QVBoxLayout(note_box_);
  note_ = new QPlainTextEdit(note_box_);
  note_->setObjectName(QStringLiteral("FamNote"));
  note_->setTabChangesFocus(true);
  note_->installEventFilter(this);
  InstallAccentTyping(note_);
  auto* buttons = new QHBoxLayout;
  size_full_ = Button(note_box_, "btnFamSizeFull", QString());
  size_wide_ = Button(note_box_, "btnFamSizeWide", QString());
  connect(size_full_, &QPushButton::clicked, this, [this] { btnFamSizeFullClick(); });
  connect(size_wide_, &QPushButton::clicked, this, [this] { btnFamSizeWideClick(); });
  todo_ = new QCheckBox(QStringLiteral("To Do"), note_box_);
  todo_->setObjectName(QStringLiteral("cbToDo"));
  todo_->setToolTip(QStringLiteral(" Mark This Person on the To Do List "));
  connect(todo_, &QCheckBox::clicked, this, [this](bool on) { cbToDoClick(on); });
  add_source_ = Button(note_box_, "btnAddSource", QString());
  connect(add_source_, &QPushButton::clicked, this, [this] { btnAddSourceClick(); });
  buttons->addWidget(size_full_);
  buttons->addWidget(size_wide_);
  buttons->addStretch(1);
  buttons->addWidget(todo_);
  buttons->addWidget(new QLabel(QStringLiteral("Source:"), note_box_));
  buttons->addWidget(add_source_);
  layout->addWidget(note_);
  layout->addLayout(buttons);
  return note_box_;
}

}  // namespace kinloom::ui
