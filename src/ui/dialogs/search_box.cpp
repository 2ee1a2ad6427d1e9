#include "ui/dialogs/search_box.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/queries.h"
#include "ui/dialogs/search_box_details.h"
#include "ui/widgets/record_list_view.h"
#include "ui/widgets/search_list_model.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

constexpr int kNameLength = 50;
constexpr int kYearLength = 7;

const char* const kToleranceItems[] = {"Exact",        "+/- 1 year",   "+/- 2 years",
                                       "+/- 5 years",  "+/- 10 years", "+/- 20 years",
                                       "+/- 50 years", "+/- 100 years"};
static_assert(std::size(kToleranceItems) == core::kYearTolerances.size());

QLabel* FieldLabel(const char* text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

TSearchBox::TSearchBox(store::RecordStore& store, QWidget* parent)
    : QDialog(parent), store_(store) {
  setObjectName(QStringLiteral("TSearchBox"));
  setWindowTitle(QStringLiteral("Search for Individual"));
  details_ = new SearchDetailsPanel(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MakeFields());
  layout->addWidget(MakeList(), 1);
  layout->addWidget(MakeButtons());

  searching_ = new QLabel(QStringLiteral("Searching"), this);
  searching_->setObjectName(QStringLiteral("pnlSearching"));
  searching_->setAlignment(Qt::AlignCenter);
  searching_->setFrameShape(QFrame::Panel);
  searching_->setAutoFillBackground(true);
  searching_->setMinimumSize(160, 48);
  searching_->hide();

  SearchForChange();
}

QWidget* TSearchBox::MakeList() {
  const store::SearchList& entries = store_.individual_search_list();
  model_ = new SearchListModel(entries, this);
  model_->SetColumns({SearchKeyColumn(entries)});
  list_ = new RecordListView(model_, kListRows, RecordListView::Keys::kWindow, this);
  list_->setObjectName(QStringLiteral("SearchList"));
  list_->verticalScrollBar()->setObjectName(QStringLiteral("SearchListBar"));
  list_->setMinimumWidth(440);
  list_->FitWidthToKeys(entries);
  connect(list_, &RecordListView::RowChosen, this, &TSearchBox::SearchListClick);
  connect(list_, &RecordListView::RowAccepted, this, [this](int entry) {
    SearchListClick(entry);
    btnAcceptClick();
  });
  connect(list_, &RecordListView::DetailsWanted, this,
          [this](int entry, QPoint at) { details_->ShowFor(store_, model_->NumberAt(entry), at); });
  return list_;
}

QLineEdit* TSearchBox::MakeTextField(const char* name, int max_length) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(max_length);
  connect(edit, &QLineEdit::textChanged, this, &TSearchBox::SearchForChange);
  return edit;
}

void TSearchBox::MakeYearRow(YearField field, const char* name) {
  YearRow& row = years_[field];
  row.edit = new QLineEdit(this);
  row.edit->setObjectName(QString::fromLatin1(name));
  row.edit->setMaxLength(kYearLength);
  row.edit->setMaximumWidth(row.edit->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 9 +
                            12);
  // The year counts as soon as it reads, so that the search can start from the field itself.
  connect(row.edit, &QLineEdit::textChanged, this, [this, field] { SearchGetYear(field); });
  connect(row.edit, &QLineEdit::editingFinished, this, [this, field] { SearchGetYear(field); });
  row.tolerance = new QComboBox(this);
  row.tolerance->setObjectName(QString::fromLatin1(name) + QStringLiteral("Prec"));
  for (const char* item : kToleranceItems) row.tolerance->addItem(QString::fromLatin1(item));
  // Other criteria are other results: the next search starts from the top again.
  connect(row.tolerance, &QComboBox::currentIndexChanged, this, &TSearchBox::SearchForChange);
}

QWidget* TSearchBox::MakeFields() {
  auto* fields = new QWidget(this);
  auto* grid = new QGridLayout(fields);
  grid->setContentsMargins(0, 0, 0, 0);
  search_for_ = MakeTextField("SearchFor", kNameLength);
  grid->addWidget(FieldLabel("Name or Number:", search_for_, fields), 0, 0);
  grid->addWidget(search_for_, 0, 1, 1, 5);
  father_ = MakeTextField("SearchFth", kNameLength);
  mother_ = MakeTextField("SearchMth", kNameLength);
  spouse_ = MakeTextField("SearchSpc", kNameLength);
  MakeYearRow(kBirth, "SearchBirt");
  MakeYearRow(kDeath, "SearchDeat");
  MakeYearRow(kMarriage, "SearchMarr");
  const char* year_labels[] = {"Birth Year:", "Death Year:", "Marriage Year:"};
  const char* name_labels[] = {"Father:", "Mother:", "Spouse:"};
  QLineEdit* names[] = {father_, mother_, spouse_};
  for (int i = 0; i < kYearFields; ++i) {
    grid->addWidget(FieldLabel(year_labels[i], years_[i].edit, fields), i + 1, 0);
    grid->addWidget(years_[i].edit, i + 1, 1);
    grid->addWidget(years_[i].tolerance, i + 1, 2);
    grid->addWidget(FieldLabel(name_labels[i], names[i], fields), i + 1, 4);
    grid->addWidget(names[i], i + 1, 5);
  }
  grid->setColumnMinimumWidth(3, 12);
  grid->setColumnStretch(5, 1);
  return fields;
}

QWidget* TSearchBox::MakeButtons() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  btn_search_ = new QPushButton(QStringLiteral("Search"), row);
  btn_search_->setObjectName(QStringLiteral("btnSearch"));
  btn_search_->setDefault(true);
  auto* accept = new QPushButton(QStringLiteral("Accept"), row);
  accept->setObjectName(QStringLiteral("btnAccept"));
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), row);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  layout->addStretch();
  layout->addWidget(btn_search_);
  layout->addWidget(accept);
  layout->addWidget(cancel);
  connect(btn_search_, &QPushButton::clicked, this, &TSearchBox::btnSearchClick);
  connect(accept, &QPushButton::clicked, this, &TSearchBox::btnAcceptClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  return row;
}

int TSearchBox::Run() {
  chosen_ = -1;
  list_->Reload();
  list_->FitWidthToKeys(store_.individual_search_list());
  search_for_->setFocus();
  search_for_->selectAll();
  exec();
  return chosen_;
}

void TSearchBox::ListRebuilt() {
  list_->SetCurrent(-1);
  list_->Reload();
  list_->SetTop(0);
}

core::FindCriteria TSearchBox::Criteria() const {
  core::FindCriteria criteria;
  criteria.name = ToAnsi(search_for_->text());
  criteria.father = ToAnsi(father_->text());
  criteria.mother = ToAnsi(mother_->text());
  criteria.spouse = ToAnsi(spouse_->text());
  core::YearCriterion* targets[] = {&criteria.birth, &criteria.death, &criteria.marriage};
  for (int i = 0; i < kYearFields; ++i) {
    targets[i]->year = years_[i].year;
    targets[i]->tolerance = core::kYearTolerances[years_[i].tolerance->currentIndex()];
  }
  return criteria;
}

void TSearchBox::SearchForChange() {
  finder_.Reset();
  btn_search_->setEnabled(Criteria().CanSearch());
}

void TSearchBox::SearchGetYear(int field) {
  YearRow& row = years_[field];
  row.year = core::YearFromSearchText(ToAnsi(row.edit->text().trimmed()));
  SearchForChange();
}

void TSearchBox::ShowSearching(bool shown) {
  if (!shown) {
    searching_->hide();
    return;
  }
  searching_->adjustSize();
  searching_->move(list_->geometry().center() - searching_->rect().center());
  searching_->raise();
  searching_->show();
  searching_->repaint();
}

void TSearchBox::btnSearchClick() {
  const core::FindCriteria criteria = Criteria();
  if (!criteria.CanSearch()) return;
  ShowSearching(core::SearchIsSlow(criteria, store_.individual_search_list().size()));
  const int found = finder_.Search(store_, criteria);
  ShowSearching(false);
  if (found < 0) {
    list_->SetCurrent(-1);
    store_.ui().Message("Search", "Not Found\n\rReached End of File", platform::Icon::kInformation);
    return;
  }
  list_->SetCurrent(found);
}

void TSearchBox::SearchListClick(int entry) {
  finder_.set_position(entry);
}

void TSearchBox::btnAcceptClick() {
  const store::SearchList& entries = store_.individual_search_list();
  const int entry = list_->current();
  chosen_ =
      entry < 0 || entry >= entries.size() ? -1 : core::NumberFromLabel(entries.at(entry).view());
  accept();
}

}  // namespace kinloom::ui
