#include "ui/dialogs/auto_entry_box.h"

#include <QHeaderView>

#include "core/queries.h"
#include "store/charsets.h"
#include "ui/main/fam_tree.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

constexpr const char* kHint =
    "One person a line, for example:\n"
    "John Smith b. 12 Mar 1850 Leeds, Yorkshire d. 3 Jan 1920 Bradford\n"
    "Mary Brown (1852\u20131930)\n"
    "Mrs Ann /Lee/ bap. abt 1800 Hull m. 1825 York";

QString Q(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

QString SexText(char sex) {
  return sex == 'M' ? QStringLiteral("M") : sex == 'F' ? QStringLiteral("F") : QString();
}

char SexFrom(const QString& text) {
  const QString upper = text.trimmed().toUpper();
  if (upper.startsWith(QLatin1Char('M'))) return 'M';
  if (upper.startsWith(QLatin1Char('F')) || upper.startsWith(QLatin1Char('W'))) return 'F';
  return 'U';
}

}  // namespace

TAutoEntryBox::TAutoEntryBox(TFamTree& tree) : QDialog(&tree), tree_(tree) {
  setObjectName(QStringLiteral("AutoEntryBox"));
  setWindowTitle(QStringLiteral("Automatic Entry"));
  BuildLayout();
}

void TAutoEntryBox::BuildLayout() {
  auto* layout = new QVBoxLayout(this);
  auto* caption = new QLabel(QStringLiteral("Type or paste the people, one a line:"), this);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("EntryText"));
  text_->setPlaceholderText(QString::fromUtf8(kHint));
  text_->setMinimumHeight(110);
  caption->setBuddy(text_);
  auto* preview = new QPushButton(QStringLiteral("&Preview"), this);
  preview->setObjectName(QStringLiteral("btnPreview"));
  connect(preview, &QPushButton::clicked, this, [this] { btnPreviewClick(); });

  table_ = new QTableWidget(0, kColumnCount, this);
  table_->setObjectName(QStringLiteral("EntryTable"));
  table_->setHorizontalHeaderLabels(
      {QStringLiteral("Given Names"), QStringLiteral("Surname"), QStringLiteral("Sex"),
       QStringLiteral("Born"), QStringLiteral("Birth Place"), QStringLiteral("Baptised"),
       QStringLiteral("Baptism Place"), QStringLiteral("Died"), QStringLiteral("Death Place"),
       QStringLiteral("Married"), QStringLiteral("Marriage Place")});
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->setMinimumHeight(150);
  refused_ = new QLabel(this);
  refused_->setObjectName(QStringLiteral("RefusedLines"));
  refused_->setWordWrap(true);
  refused_->setStyleSheet(QStringLiteral("color: #b00000"));
  refused_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  const int shown = tree_.shown().individual;
  const QString who = FromAnsi(core::PersonLabel(tree_.store(), shown));
  auto* links = new QGroupBox(QStringLiteral("Create the people"), this);
  auto* links_layout = new QVBoxLayout(links);
  alone_ = new QRadioButton(QStringLiteral("On their &own"), links);
  children_ = new QRadioButton(QStringLiteral("As &children of ") + who, links);
  spouses_ = new QRadioButton(QStringLiteral("As &spouses of ") + who, links);
  alone_->setObjectName(QStringLiteral("rbAlone"));
  children_->setObjectName(QStringLiteral("rbChildren"));
  spouses_->setObjectName(QStringLiteral("rbSpouses"));
  alone_->setChecked(true);
  children_->setEnabled(tree_.store().individual(shown) != nullptr);
  spouses_->setEnabled(tree_.store().individual(shown) != nullptr);
  for (QRadioButton* button : {alone_, children_, spouses_}) links_layout->addWidget(button);

  create_ = new QPushButton(QStringLiteral("C&reate"), this);
  create_->setObjectName(QStringLiteral("btnCreate"));
  create_->setEnabled(false);
  connect(create_, &QPushButton::clicked, this, [this] { btnCreateClick(); });
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setObjectName(QStringLiteral("btnClose"));
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* top = new QHBoxLayout;
  top->addWidget(caption);
  top->addStretch();
  top->addWidget(preview);
  layout->addLayout(top);
  layout->addWidget(text_);
  layout->addWidget(new QLabel(QStringLiteral("The people to make (correct them here):"), this));
  layout->addWidget(table_, 1);
  layout->addWidget(refused_);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(links, 1);
  auto* buttons = new QVBoxLayout;
  buttons->addStretch();
  buttons->addWidget(create_);
  buttons->addWidget(close);
  bottom->addLayout(buttons);
  layout->addLayout(bottom);
  resize(900, 560);
}

void TAutoEntryBox::FillTable(const std::vector<core::EntryPerson>& people) {
  table_->setRowCount(static_cast<int>(people.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const core::EntryPerson& p = people[static_cast<size_t>(row)];
    const QString values[kColumnCount] = {Q(p.given),         Q(p.surname),       SexText(p.sex),
                                          Q(p.birth.date),    Q(p.birth.place),   Q(p.baptism.date),
                                          Q(p.baptism.place), Q(p.death.date),    Q(p.death.place),
                                          Q(p.marriage.date), Q(p.marriage.place)};
    for (int column = 0; column < kColumnCount; ++column) {
      table_->setItem(row, column, new QTableWidgetItem(values[column]));
    }
  }
}

void TAutoEntryBox::btnPreviewClick() {
  const core::EntryParse parse = core::ParseEntryText(text_->toPlainText().toStdString());
  parsed_ = parse.people;
  FillTable(parsed_);
  QStringList refused;
  for (const core::EntryRefusal& refusal : parse.refused) {
    refused << Q(core::RefusalMessage(refusal));
  }
  refused_->setText(refused.isEmpty() ? QString()
                                      : QStringLiteral("Not read, so not made:\n") +
                                            refused.join(QLatin1Char('\n')));
  create_->setEnabled(!parsed_.empty());
}

bool TAutoEntryBox::PeopleFromTable(std::vector<core::EntryPerson>* people) {
  auto cell = [this](int row, int column) {
    const QTableWidgetItem* item = table_->item(row, column);
    return item == nullptr ? std::string() : item->text().trimmed().toStdString();
  };
  const QString columns[] = {QStringLiteral("Born"), QStringLiteral("Baptised"),
                             QStringLiteral("Died"), QStringLiteral("Married")};
  for (int row = 0; row < table_->rowCount(); ++row) {
    core::EntryPerson person = parsed_[static_cast<size_t>(row)];
    person.given = cell(row, kGiven);
    person.surname = cell(row, kSurname);
    person.sex = SexFrom(QString::fromStdString(cell(row, kSex)));
    core::EntryEvent* events[] = {&person.birth, &person.baptism, &person.death, &person.marriage};
    for (int e = 0; e < 4; ++e) {
      const std::string typed = cell(row, kBirthDate + 2 * e);
      const std::optional<std::string> date = core::EntryDate(typed);
      if (!date) {
        tree_.ui().Message(" *** Date Not Read *** ",
                           "Row " + std::to_string(row + 1) + ", " + columns[e].toStdString() +
                               ": \"" + store::Utf8TextToInternal(typed) +
                               "\" is not a date.\nWrite it as 12 Mar 1850, Mar 1850, 1850, "
                               "abt 1850, bef 1850 or 1850-1855.",
                           platform::Icon::kExclamation);
        table_->setCurrentCell(row, kBirthDate + 2 * e);
        return false;
      }
      events[e]->date = *date;
      events[e]->place = cell(row, kBirthPlace + 2 * e);
    }
    if (person.given.empty() && person.surname.empty()) {
      tree_.ui().Message(" *** No Name *** ", "Row " + std::to_string(row + 1) + " has no name.",
                         platform::Icon::kExclamation);
      return false;
    }
    people->push_back(std::move(person));
  }
  return true;
}

core::EntryLink TAutoEntryBox::ChosenLink() const {
  if (children_->isChecked()) return core::EntryLink::kChildren;
  if (spouses_->isChecked()) return core::EntryLink::kSpouses;
  return core::EntryLink::kNone;
}

void TAutoEntryBox::btnCreateClick() {
  std::vector<core::EntryPerson> people;
  if (!PeopleFromTable(&people) || people.empty()) return;
  tree_.CommitPendingEdit();
  const core::EntryCreated made =
      core::CreateEntryPeople(tree_.store(), people, ChosenLink(), tree_.shown().individual);
  created_ = made.people;
  tree_.TreeEdited();
  if (ChosenLink() == core::EntryLink::kNone && !created_.empty()) {
    tree_.ShowIndividual(created_.front());
  }
  table_->setRowCount(0);
  parsed_.clear();
  text_->clear();
  refused_->clear();
  create_->setEnabled(false);
  accept();
}

}  // namespace kinloom::ui
