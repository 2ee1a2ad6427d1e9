// The reports window: the person list and the pages of reports.
#include "ui/reports/print_box.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "reports/lists.h"
#include "store/search_list.h"
#include "ui/main/fam_tree.h"
#include "ui/reports/print_box_forms.h"
#include "ui/reports/wall_chart_page.h"
#include "ui/widgets/record_grid_search.h"
#include "ui/widgets/record_list_view.h"
#include "ui/widgets/search_list_model.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

namespace {

// The first entry whose key starts with `typed` (folded as the list sorts), or -1. The list is
// sorted, so the search halves it: instant on half a million names.
int FirstKeyStartingWith(const store::SearchList& list, const std::string& typed) {
  const auto& entries = list.entries();
  const auto found = std::partition_point(
      entries.begin(), entries.end(),
      [&](const store::SearchEntry& entry) { return store::CompareKeys(entry.view(), typed) < 0; });
  if (found == entries.end() || store::CompareKeys(found->view(), typed) != 0) return -1;
  return static_cast<int>(found - entries.begin());
}

}  // namespace

TPrintBox::TPrintBox(TFamTree& tree)
    : QDialog(&tree), tree_(tree), outlet_(*this, tree.work(), tree.ui()) {
  setObjectName(QStringLiteral("TPrintBox"));
  setWindowTitle(QStringLiteral("Reports"));
  // The tree stays as it is while reports are made from it.
  setWindowModality(Qt::ApplicationModal);

  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("ReportPages"));
  AddPage(BuildListsPage(), QStringLiteral("Ancestors and Descendants"));
  auto* forms = new PrintBoxForms(*this);
  AddPage(forms, QStringLiteral("Family Forms"));
  AddPage(new WallChartPage(tree, [this] { return HighlightedPerson(); }),
          QStringLiteral("Wall Chart"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* side = new QVBoxLayout;
  side->addWidget(pages_, 1);
  side->addWidget(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildList());
  layout->addLayout(side, 1);
}

QWidget* TPrintBox::BuildList() {
  auto* panel = new QWidget(this);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* label = new QLabel(QStringLiteral("&Find name (Surname, Given) or number:"), panel);
  find_name_ = new QLineEdit(panel);
  find_name_->setObjectName(QStringLiteral("FindName"));
  find_name_->setMaxLength(50);
  label->setBuddy(find_name_);
  connect(find_name_, &QLineEdit::textEdited, this,
          [this](const QString& text) { FindName(text); });
  // Enter in the box goes on to the list rather than closing the window.
  connect(find_name_, &QLineEdit::returnPressed, this, [this] { ind_list_->setFocus(); });

  const store::SearchList& entries = tree_.store().individual_search_list();
  model_ = new SearchListModel(entries, this);
  model_->SetColumns({SearchKeyColumn(entries)});
  ind_list_ = new RecordListView(model_, kVisibleRows, RecordListView::Keys::kList, panel);
  ind_list_->setObjectName(QStringLiteral("IndList"));
  ind_list_->setMinimumWidth(320);
  connect(ind_list_, &RecordListView::RowChosen, this,
          [this] { emit personChanged(HighlightedPerson()); });
  layout->addWidget(label);
  layout->addWidget(find_name_);
  layout->addWidget(ind_list_, 1);
  return panel;
}

void TPrintBox::Open() {
  tree_.CommitPendingEdit();
  ind_list_->Reload();
  ind_list_->FitWidthToKeys(tree_.store().individual_search_list());
  find_name_->clear();
  if (!Highlight(tree_.shown().individual)) Highlight(tree_.store().current_individual());
  show();
  raise();
  activateWindow();
  ind_list_->setFocus();
}

int TPrintBox::AddPage(QWidget* page, const QString& title) {
  page->setParent(pages_);
  return pages_->addTab(page, title);
}

int TPrintBox::HighlightedPerson() const {
  const int number = ind_list_->CurrentNumber();
  return reports::ListablePerson(tree_.store(), number) ? number : 0;
}

bool TPrintBox::Highlight(int individual) {
  const int row = SearchListPosition(tree_.store(), individual);
  if (row < 0) return false;
  ind_list_->SetCurrent(row);
  emit personChanged(HighlightedPerson());
  return true;
}

bool TPrintBox::FindName(const QString& text) {
  const QString typed = text.trimmed();
  if (typed.isEmpty()) return false;
  bool is_number = false;
  const int number = typed.toInt(&is_number);
  if (is_number) return Highlight(number);
  const int row = FirstKeyStartingWith(tree_.store().individual_search_list(), ToAnsi(typed));
  if (row < 0) return false;
  ind_list_->SetCurrent(row);
  emit personChanged(HighlightedPerson());
  return true;
}

QPushButton* TPrintBox::AddButton(QWidget* parent, const char* name, const QString& text,
                                  void (TPrintBox::*handler)()) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, handler);
  return button;
}

}  // namespace kinloom::ui
