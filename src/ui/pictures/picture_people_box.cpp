#include "ui/pictures/picture_people_box.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/queries.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

bool Exists(const store::RecordStore& store, int n) {
  return n >= 1 && n <= store.highest_individual() && store.individual(n) != nullptr &&
         store.individual(n)->lines != nullptr;
}

QString PersonText(const store::RecordStore& store, int n) {
  return Exists(store, n) ? FromAnsi(core::PersonLabel(store, n))
                          : QStringLiteral("(%1) no longer in the tree").arg(n);
}

}  // namespace

TPicturePeopleBox::TPicturePeopleBox(const store::RecordStore& store, std::vector<int> people,
                                     int shown, QWidget* parent)
    : QDialog(parent),
      store_(store),
      people_(std::move(people)),
      shown_(Exists(store, shown) ? shown : 0),
      list_(new QListWidget(this)),
      add_shown_(new QPushButton(this)),
      find_button_(new QPushButton(QStringLiteral("Add by &Find..."), this)),
      remove_(new QPushButton(QStringLiteral("&Remove"), this)) {
  // Entries of deleted people ("|00|") are no one.
  std::erase_if(people_, [](int n) { return n < 1; });
  setObjectName(QStringLiteral("TPicturePeopleBox"));
  setWindowTitle(QStringLiteral("People in This Picture"));
  list_->setObjectName(QStringLiteral("PeopleList"));
  list_->setMinimumSize(340, 200);
  add_shown_->setObjectName(QStringLiteral("btnAddShown"));
  add_shown_->setText(shown_ > 0 ? QStringLiteral("&Add %1").arg(PersonText(store, shown_))
                                 : QStringLiteral("&Add Shown Person"));
  find_button_->setObjectName(QStringLiteral("btnFind"));
  remove_->setObjectName(QStringLiteral("btnRemove"));

  auto* column = new QVBoxLayout;
  column->addWidget(add_shown_);
  column->addWidget(find_button_);
  column->addWidget(remove_);
  column->addStretch(1);
  auto* row = new QHBoxLayout;
  row->addWidget(list_, 1);
  row->addLayout(column);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOk"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("The people this picture shows:"), this));
  layout->addLayout(row, 1);
  layout->addWidget(buttons);

  connect(add_shown_, &QPushButton::clicked, this, [this] { AddPerson(shown_); });
  connect(find_button_, &QPushButton::clicked, this, &TPicturePeopleBox::btnFindClick);
  connect(remove_, &QPushButton::clicked, this, &TPicturePeopleBox::btnRemoveClick);
  connect(list_, &QListWidget::currentRowChanged, this, &TPicturePeopleBox::UpdateButtons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  Fill(people_.empty() ? 0 : people_.front());
}

void TPicturePeopleBox::SetFinder(Finder finder) {
  find_ = std::move(finder);
  UpdateButtons();
}

void TPicturePeopleBox::AddPerson(int individual) {
  if (!Exists(store_, individual)) return;
  if (std::find(people_.begin(), people_.end(), individual) == people_.end()) {
    people_.push_back(individual);
  }
  Fill(individual);
}

void TPicturePeopleBox::btnFindClick() {
  if (find_) AddPerson(find_());
}

void TPicturePeopleBox::btnRemoveClick() {
  const int row = list_->currentRow();
  if (row < 0 || static_cast<size_t>(row) >= people_.size()) return;
  people_.erase(people_.begin() + row);
  Fill(
      people_.empty()
          ? 0
          : people_[static_cast<size_t>(std::min<int>(row, static_cast<int>(people_.size()) - 1))]);
}

void TPicturePeopleBox::Fill(int selected) {
  list_->clear();
  for (int n : people_) {
    auto* line = new QListWidgetItem(PersonText(store_, n), list_);
    line->setData(Qt::UserRole, n);
    if (n == selected) list_->setCurrentItem(line);
  }
  UpdateButtons();
}

void TPicturePeopleBox::UpdateButtons() {
  add_shown_->setEnabled(shown_ > 0 &&
                         std::find(people_.begin(), people_.end(), shown_) == people_.end());
  remove_->setEnabled(list_->currentRow() >= 0);
  find_button_->setEnabled(static_cast<bool>(find_));
}

}  // namespace kinloom::ui
