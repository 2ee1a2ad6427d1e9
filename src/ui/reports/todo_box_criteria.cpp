// The criterion of each built list of the to-do window, with its Create and Update buttons.
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/queries.h"
#include "core/source_records.h"
#include "reports/todo_lists.h"
#include "ui/dialogs/search_box.h"
#include "ui/main/fam_tree.h"
#include "ui/reports/todo_box.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

constexpr int kNumberDigits = 6;

QString Name(const char* base, int list) {
  return QString::fromLatin1(base) + QString::number(list);
}

QLineEdit* BoundEdit(QWidget* parent, const QString& name, std::string* text) {
  auto* edit = new QLineEdit(FromAnsi(*text), parent);
  edit->setObjectName(name);
  QObject::connect(edit, &QLineEdit::textChanged, edit,
                   [text](const QString& typed) { *text = ToAnsi(typed); });
  return edit;
}

QCheckBox* BoundBox(QWidget* parent, const char* name, const char* caption, bool* value) {
  auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setChecked(*value);
  QObject::connect(box, &QCheckBox::toggled, box, [value](bool on) { *value = on; });
  return box;
}

}  // namespace

QWidget* TToDoBox::BuildCriterionPage(int list) {
  auto* page = new QWidget(tabs_);
  auto* layout = new QHBoxLayout(page);
  layout->addWidget(CriterionControls(list, page), 1);
  auto* buttons = new QVBoxLayout;
  auto* create = new QPushButton(QStringLiteral("Create New List"), page);
  create->setObjectName(Name("btnCreate", list));
  create->setToolTip(QStringLiteral(" Remove the old list and build it again "));
  connect(create, &QPushButton::clicked, this, [this] { BuildList(reports::ToDoBuild::kCreate); });
  auto* update = new QPushButton(QStringLiteral("Update List"), page);
  update->setObjectName(Name("btnUpdate", list));
  update->setToolTip(QStringLiteral(" Add the people who now meet the criterion "));
  connect(update, &QPushButton::clicked, this, [this] { BuildList(reports::ToDoBuild::kUpdate); });
  buttons->addWidget(create);
  buttons->addWidget(update);
  buttons->addStretch();
  layout->addLayout(buttons);
  return page;
}

QWidget* TToDoBox::CriterionControls(int list, QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  switch (list) {
    case reports::kNoParentsList:
      layout->addWidget(
          BoundBox(box, "cbOneParent", "One or No Parent", &fields_.one_or_no_parent));
      layout->addWidget(new QLabel(
          QStringLiteral("Lists the people without parents (or, ticked, with one parent only)."),
          box));
      break;
    case reports::kMissingInfoList: {
      auto* grid = new QGridLayout;
      reports::MissingInfoBoxes& m = fields_.missing;
      grid->addWidget(BoundBox(box, "cbMissBirth", "Date of Birth", &m.birth_date), 0, 0);
      grid->addWidget(BoundBox(box, "cbMissDeath", "Date of Death", &m.death_date), 1, 0);
      grid->addWidget(BoundBox(box, "cbMissGiven", "Given Name", &m.given_name), 2, 0);
      grid->addWidget(BoundBox(box, "cbMissBirthPlace", "Place of Birth", &m.birth_place), 0, 1);
      grid->addWidget(BoundBox(box, "cbMissDeathPlace", "Place of Death", &m.death_place), 1, 1);
      grid->addWidget(BoundBox(box, "cbMissSurname", "Last and Title", &m.last_and_title), 2, 1);
      layout->addLayout(grid);
      break;
    }
    case reports::kModifiedDateList:
      layout->addWidget(DateRange(&fields_.modified, "Mod", box));
      break;
    case reports::kBirthDateList:
      layout->addWidget(DateRange(&fields_.birth, "Birth", box));
      break;
    case reports::kDeathDateList:
      layout->addWidget(DateRange(&fields_.death, "Death", box));
      break;
    case reports::kAncestorsList:
      layout->addWidget(PersonField(&fields_.ancestors_of, "Anc", box));
      break;
    case reports::kDescendantsList:
      layout->addWidget(PersonField(&fields_.descendants_of, "Des", box));
      break;
    case reports::kSurnameList:
      layout->addWidget(
          TextField(&fields_.surname, "edSurname", QStringLiteral("Surname contains:"), box));
      break;
    case reports::kBirthPlaceList:
      layout->addWidget(TextField(&fields_.birth_place, "edBirthPlace",
                                  QStringLiteral("Birth place contains:"), box));
      break;
    case reports::kDeathPlaceList:
      layout->addWidget(TextField(&fields_.death_place, "edDeathPlace",
                                  QStringLiteral("Death place contains:"), box));
      break;
    case reports::kSourceList:
      layout->addWidget(SourceField(box));
      break;
    default:
      break;
  }
  layout->addStretch();
  return box;
}

QWidget* TToDoBox::DateRange(reports::ToDoDateRange* range, const char* name, QWidget* parent) {
  auto* widget = new QWidget(parent);
  auto* layout = new QHBoxLayout(widget);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(QStringLiteral("From"), widget));
  layout->addWidget(
      BoundEdit(widget, QStringLiteral("edFrom") + QLatin1String(name), &range->from));
  layout->addWidget(new QLabel(QStringLiteral("to"), widget));
  layout->addWidget(BoundEdit(widget, QStringLiteral("edTo") + QLatin1String(name), &range->to));
  layout->addWidget(new QLabel(QStringLiteral("(both days included, e.g. 1 JAN 1850)"), widget));
  layout->addStretch();
  return widget;
}

QWidget* TToDoBox::PersonField(int* person, const char* name, QWidget* parent) {
  auto* widget = new QWidget(parent);
  auto* layout = new QHBoxLayout(widget);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* number = new QLineEdit(widget);
  number->setObjectName(QStringLiteral("edPerson") + QLatin1String(name));
  number->setMaxLength(kNumberDigits);
  number->setFixedWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
  auto* label = new QLabel(widget);
  auto show = [this, person, number, label] {
    const bool exists = *person > 0 && tree_.store().individual(*person) != nullptr;
    number->setText(exists ? QString::number(*person) : QString());
    label->setText(exists ? FromAnsi(core::PersonLabel(tree_.store(), *person))
                          : QStringLiteral("(nobody chosen)"));
  };
  connect(number, &QLineEdit::editingFinished, widget, [this, person, number, show] {
    bool ok = false;
    const int typed = number->text().trimmed().toInt(&ok);
    if (ok && tree_.store().individual(typed) != nullptr) *person = typed;
    show();
  });
  auto* find = new QPushButton(QStringLiteral("&Find..."), widget);
  find->setObjectName(QStringLiteral("btnFind") + QLatin1String(name));
  connect(find, &QPushButton::clicked, widget, [this, person, show] {
    const int chosen = tree_.search_box().Run();
    if (chosen > 0) *person = chosen;
    show();
  });
  show();
  layout->addWidget(new QLabel(QStringLiteral("Starting with:"), widget));
  layout->addWidget(number);
  layout->addWidget(find);
  layout->addWidget(label, 1);
  return widget;
}

QWidget* TToDoBox::TextField(std::string* text, const char* name, const QString& label,
                             QWidget* parent) {
  auto* widget = new QWidget(parent);
  auto* layout = new QHBoxLayout(widget);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(label, widget));
  QLineEdit* edit = BoundEdit(widget, QString::fromLatin1(name), text);
  edit->setMinimumWidth(260);
  layout->addWidget(edit);
  layout->addStretch();
  return widget;
}

QWidget* TToDoBox::SourceField(QWidget* parent) {
  auto* widget = new QWidget(parent);
  auto* layout = new QHBoxLayout(widget);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* number = new QLineEdit(widget);
  number->setObjectName(QStringLiteral("edSource"));
  number->setMaxLength(kNumberDigits);
  number->setFixedWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
  auto* label = new QLabel(widget);
  auto show = [this, number, label] {
    const int source = fields_.source;
    const bool exists = source > 0 && tree_.store().source(source) != nullptr;
    number->setText(exists ? QString::number(source) : QString());
    label->setText(exists ? FromAnsi(core::SourceLabel(tree_.store(), source))
                          : QStringLiteral("(no source chosen)"));
  };
  connect(number, &QLineEdit::editingFinished, widget, [this, number, show] {
    bool ok = false;
    const int typed = number->text().trimmed().toInt(&ok);
    if (ok && tree_.store().source(typed) != nullptr) fields_.source = typed;
    show();
  });
  auto* find = new QPushButton(QStringLiteral("&Find..."), widget);
  find->setObjectName(QStringLiteral("btnFindSource"));
  connect(find, &QPushButton::clicked, widget, [this, show] {
    // The sources of the tree by number, to pick one from.
    QStringList items;
    std::vector<int> numbers;
    int current = 0;
    for (int s = 1; s <= tree_.store().highest_source(); ++s) {
      if (tree_.store().source(s) == nullptr) continue;
      if (s == fields_.source) current = static_cast<int>(numbers.size());
      numbers.push_back(s);
      items << FromAnsi(core::SourceLabel(tree_.store(), s));
    }
    if (items.isEmpty()) return;
    bool ok = false;
    const QString chosen = QInputDialog::getItem(
        this, QStringLiteral("Find Source"), QStringLiteral("Source:"), items, current, false, &ok);
    const qsizetype at = items.indexOf(chosen);
    if (ok && at >= 0) fields_.source = numbers[static_cast<size_t>(at)];
    show();
  });
  show();
  layout->addWidget(new QLabel(QStringLiteral("Citing the source:"), widget));
  layout->addWidget(number);
  layout->addWidget(find);
  layout->addWidget(label, 1);
  return widget;
}

}  // namespace kinloom::ui
