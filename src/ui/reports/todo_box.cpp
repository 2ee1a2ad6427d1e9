#include "ui/reports/todo_box.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "reports/todo_lists.h"
#include "store/names.h"
#include "ui/dialogs/search_box.h"
#include "ui/main/fam_tree.h"
#include "ui/widgets/record_list_view.h"
#include "ui/widgets/search_list_model.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

constexpr int kVisibleMembers = 16;

// The members of the list showing, as the window last read them.
class MemberRows : public RecordRows {
 public:
  explicit MemberRows(const std::vector<int>& numbers) : numbers_(numbers) {}
  int size() const override { return static_cast<int>(numbers_.size()); }
  int NumberAt(int row) const override { return numbers_[static_cast<size_t>(row)]; }

 private:
  const std::vector<int>& numbers_;
};

}  // namespace

TToDoBox::TToDoBox(TFamTree& tree) : QDialog(&tree), tree_(tree) {
  setObjectName(QStringLiteral("ToDoBox"));
  setWindowTitle(QStringLiteral(" Information Explorer & To Do Lists"));
  setModal(false);
  fields_ = reports::ToDoFieldsFromStored(tree_.work().tree_settings().todo);
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("ToDoTabs"));
  tabs_->setUsesScrollButtons(true);
  tabs_->addTab(BuildMyListPage(), FromAnsi(std::string(reports::ToDoTabName(0))));
  for (int k = 1; k < reports::kToDoListCount; ++k) {
    tabs_->addTab(BuildCriterionPage(k), FromAnsi(std::string(reports::ToDoTabName(k))));
  }
  layout->addWidget(tabs_);
  layout->addWidget(BuildList());
  layout->addStretch();
  layout->addWidget(BuildButtons());
  connect(tabs_, &QTabWidget::currentChanged, this, [this] { ListChanged(); });
  connect(&tree_, &TFamTree::treeEdited, this, [this] {
    if (isVisible()) Refresh();
  });
  open_url = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  pdf_path = [](QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Save as PDF"), suggested,
                                        QStringLiteral("PDF files (*.pdf)"));
  };
  Refresh();
  resize(1180, 620);
}

TToDoBox::~TToDoBox() = default;

TToDoBox& TToDoBox::ShowFor(TFamTree& tree) {
  auto* box = tree.findChild<TToDoBox*>(QStringLiteral("ToDoBox"), Qt::FindDirectChildrenOnly);
  if (box == nullptr) box = new TToDoBox(tree);
  box->Refresh();
  box->show();
  box->raise();
  box->activateWindow();
  return *box;
}

QWidget* TToDoBox::BuildList() {
  auto* widget = new QWidget(this);
  auto* layout = new QVBoxLayout(widget);
  layout->setContentsMargins(0, 0, 0, 0);
  model_ = new SearchListModel(std::make_unique<MemberRows>(member_numbers_), this);
  SearchListModel::Column column;
  column.heading = QStringLiteral("Members (tick what has been worked on)");
  column.text = [this](int, int number) {
    return FromAnsi(store::IndexName(tree_.store(), number));
  };
  column.checked = [this](int number) {
    const store::IndividualRecord* record = tree_.store().individual(number);
    return record != nullptr && reports::IsListTicked(*record, list());
  };
  column.set_checked = [this](int number, bool on) { return ToDoListClickCheck(number, on); };
  model_->SetColumns({column});
  members_ = new RecordListView(model_, kVisibleMembers, RecordListView::Keys::kList, widget);
  members_->setObjectName(QStringLiteral("ToDoList"));
  // Any move of the highlight (a click, a key, Add) writes the description typed before.
  connect(members_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this] { RowChosen(); });
  connect(members_, &RecordListView::RowAccepted, this, [this](int row) {
    const int individual = model_->NumberAt(row);
    if (individual > 0) tree_.ShowIndividual(individual);
  });
  counts_ = new QLabel(widget);
  counts_->setObjectName(QStringLiteral("ToDoCount"));
  layout->addWidget(members_);
  layout->addWidget(counts_);
  return widget;
}

QWidget* TToDoBox::BuildButtons() {
  auto* widget = new QWidget(this);
  auto* layout = new QHBoxLayout(widget);
  layout->setContentsMargins(0, 0, 0, 0);
  const auto add = [this, widget, layout](const char* name, const QString& text, const QString& tip,
                                          void (TToDoBox::*handler)()) {
    auto* button = new QPushButton(text, widget);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    layout->addWidget(button);
  };
  add("btnMemo", QStringLiteral("&Memo"), QStringLiteral(" Open the research memo of this tree "),
      &TToDoBox::btnMemoClick);
  add("btnSave", QStringLiteral("&Save"), QStringLiteral(" Save this list in My Files "),
      &TToDoBox::btnSaveClick);
  add("btnPrint", QStringLiteral("&Print..."), QStringLiteral(" Print this list "),
      &TToDoBox::btnPrintClick);
  add("btnPdf", QStringLiteral("Save as P&DF..."), QStringLiteral(" Save this list as a PDF file "),
      &TToDoBox::btnPdfClick);
  layout->addStretch();
  auto* close = new QPushButton(QStringLiteral("&Close"), widget);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  layout->addWidget(close);
  return widget;
}

QWidget* TToDoBox::BuildMyListPage() {
  auto* page = new QWidget(tabs_);
  auto* layout = new QHBoxLayout(page);
  auto* text = new QVBoxLayout;
  text->addWidget(new QLabel(QStringLiteral("To Do Description:"), page));
  description_ = new QPlainTextEdit(page);
  description_->setObjectName(QStringLiteral("ToDoText"));
  description_->setFixedHeight(description_->fontMetrics().height() * 4 + 12);
  description_->installEventFilter(this);
  connect(description_, &QPlainTextEdit::textChanged, this, [this] {
    if (!refreshing_) description_typed_ = true;
  });
  text->addWidget(description_);
  layout->addLayout(text, 1);
  auto* buttons = new QVBoxLayout;
  auto* add = new QPushButton(QStringLiteral("&Add..."), page);
  add->setObjectName(QStringLiteral("btnMyToDoAdd"));
  add->setToolTip(QStringLiteral(" Find a person and put them on your list "));
  connect(add, &QPushButton::clicked, this, [this] { btnMyToDoAddClick(); });
  auto* remove = new QPushButton(QStringLiteral("&Remove"), page);
  remove->setObjectName(QStringLiteral("btnRemove"));
  remove->setToolTip(QStringLiteral(" Take the highlighted person off your list "));
  connect(remove, &QPushButton::clicked, this, [this] { btnRemoveClick(); });
  buttons->addWidget(add);
  buttons->addWidget(remove);
  buttons->addStretch();
  layout->addLayout(buttons);
  return page;
}

int TToDoBox::list() const {
  return tabs_ == nullptr ? 0 : tabs_->currentIndex();
}

void TToDoBox::ShowList(int list) {
  tabs_->setCurrentIndex(list);
}

QString TToDoBox::counts_text() const {
  return counts_->text();
}

void TToDoBox::ListChanged() {
  CommitDescription();
  Refresh();
  members_->SetTop(0);
  members_->SetCurrent(member_numbers_.empty() ? -1 : 0);
  ShowDescription();
}

void TToDoBox::Refresh() {
  refreshing_ = true;
  std::vector<int> numbers = reports::ListMembers(tree_.store(), list());
  if (numbers == member_numbers_) {
    model_->AllRowsChanged();
  } else {
    member_numbers_ = std::move(numbers);
    members_->Reload();
  }
  counts_->setText(FromAnsi(reports::CountsText(reports::CountList(tree_.store(), list()))));
  refreshing_ = false;
  ShowDescription();
}

int TToDoBox::Highlighted() const {
  return members_->CurrentNumber();
}

void TToDoBox::RowChosen() {
  CommitDescription();
  ShowDescription();
}

void TToDoBox::ShowDescription() {
  const int individual = list() == reports::kMyToDoList ? Highlighted() : -1;
  // The box keeps what is being typed for its person.
  if (description_typed_ && individual == description_person_) return;
  refreshing_ = true;
  const bool shown = individual > 0 && tree_.store().individual(individual) != nullptr;
  description_person_ = shown ? individual : 0;
  description_->setPlainText(shown ? FromAnsi(reports::ToDoText(tree_.store(), individual))
                                   : QString());
  description_->setEnabled(shown);
  description_typed_ = false;
  refreshing_ = false;
}

void TToDoBox::CommitDescription() {
  if (!description_typed_) return;
  description_typed_ = false;
  const int individual = description_person_;
  if (individual <= 0 || tree_.store().individual(individual) == nullptr) return;
  const std::string text = ToAnsi(description_->toPlainText());
  if (text == reports::ToDoText(tree_.store(), individual)) return;
  reports::SetToDoText(tree_.store(), individual, text);
  TreeChangedHere();
}

bool TToDoBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == description_ && event->type() == QEvent::FocusOut) CommitDescription();
  return QDialog::eventFilter(watched, event);
}

void TToDoBox::hideEvent(QHideEvent* event) {
  CommitDescription();
  StoreFields();
  QDialog::hideEvent(event);
}

void TToDoBox::TreeChangedHere() {
  tree_.store().set_tree_modified(true);
  tree_.TreeEdited();
  // Without the main window's notice (it is not wired in every program) the window still
  // shows the change.
  Refresh();
}

bool TToDoBox::ToDoListClickCheck(int individual, bool ticked) {
  if (!reports::SetListTicked(tree_.store(), list(), individual, ticked)) return false;
  TreeChangedHere();
  return true;
}

void TToDoBox::BuildList(reports::ToDoBuild build) {
  if (list() == reports::kMyToDoList) return;
  tree_.CommitPendingEdit();
  StoreFields();
  const reports::ToDoBuildResult result =
      reports::BuildToDoList(tree_.store(), list(), build, fields_);
  if (!result.built) return;
  TreeChangedHere();
  members_->SetTop(0);
}

void TToDoBox::StoreFields() {
  files::TreeSettings& settings = tree_.work().tree_settings();
  const reports::ToDoStoredValues values = reports::ToDoFieldsToStored(fields_);
  if (std::equal(values.begin(), values.end(), settings.todo.begin())) return;
  std::copy(values.begin(), values.end(), settings.todo.begin());
  // The fields travel in the album file.
  tree_.work().albums().set_changed(true);
  tree_.work().session().changed.albums_changed = true;
  tree_.UpdateCaption();
}

void TToDoBox::btnMyToDoAddClick() {
  tree_.CommitPendingEdit();
  const int chosen = tree_.search_box().Run();
  if (chosen > 0) AddToMyList(chosen);
}

void TToDoBox::AddToMyList(int individual) {
  CommitDescription();
  ShowList(reports::kMyToDoList);
  if (reports::AddToMyToDoList(tree_.store(), individual)) TreeChangedHere();
  const auto found = std::find(member_numbers_.begin(), member_numbers_.end(), individual);
  if (found == member_numbers_.end()) return;
  members_->SetCurrent(static_cast<int>(found - member_numbers_.begin()));
  ShowDescription();
}

void TToDoBox::btnRemoveClick() {
  CommitDescription();
  const int individual = list() == reports::kMyToDoList ? Highlighted() : -1;
  if (individual <= 0) return;
  const int row = members_->current();
  if (!reports::RemoveFromMyToDoList(tree_.store(), individual)) return;
  TreeChangedHere();
  if (!member_numbers_.empty()) {
    members_->SetCurrent(std::min(row, static_cast<int>(member_numbers_.size()) - 1));
  }
  ShowDescription();
}

}  // namespace kinloom::ui
