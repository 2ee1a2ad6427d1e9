#include "ui/dialogs/exclude_box.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/search_list.h"
#include "ui/main/fam_tree.h"
#include "ui/widgets/record_list_view.h"
#include "ui/widgets/search_list_model.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

namespace {

constexpr int kLetterColumnWidth = 26;

// The meaning of the letters, as the column list names them.
QString ColumnLegend() {
  QStringList parts;
  for (size_t i = 0; i + 1 < reports::kHideColumnItems.size(); ++i) {
    parts << FromAnsi(reports::kHideColumnItems[i]);
  }
  return parts.join(QStringLiteral("     "));
}

}  // namespace

TExcludeBox::TExcludeBox(TFamTree& tree) : QDialog(&tree), tree_(tree), hide_(tree.store()) {
  setObjectName(QStringLiteral("TExcludeBox"));
  setWindowTitle(QStringLiteral("Select Individuals and Information to Hide"));
  BuildLayout();
  grid_->SetCurrent(SearchListPosition(tree_.store(), tree_.store().current_individual()));
}

QWidget* TExcludeBox::BuildGrid() {
  const store::SearchList& entries = tree_.store().individual_search_list();
  std::vector<SearchListModel::Column> columns;
  for (int flag = 0; flag < kNameColumn; ++flag) {
    SearchListModel::Column column;
    column.heading = FromAnsi(reports::kHideColumnLetters[static_cast<size_t>(flag)]);
    column.text = [this, flag](int, int number) {
      return FromAnsi(reports::HideCellText(hide_.flags(number), flag));
    };
    column.alignment = Qt::AlignCenter;
    columns.push_back(std::move(column));
  }
  columns.push_back(
      SearchKeyColumn(entries, QStringLiteral("     Names of Individuals and ID Numbers")));
  model_ = new SearchListModel(entries, this);
  model_->SetColumns(std::move(columns));

  grid_ = new RecordListView(model_, kVisibleRows, RecordListView::Keys::kList, this);
  grid_->setObjectName(QStringLiteral("HideGrid"));
  grid_->setShowGrid(true);
  for (int column = 0; column < kNameColumn; ++column) {
    grid_->SetColumnWidth(column, kLetterColumnWidth);
  }
  grid_->setMinimumWidth(kNameColumn * kLetterColumnWidth + 420);
  grid_->FitWidthToKeys(entries);
  connect(grid_, &QAbstractItemView::clicked, this,
          [this](const QModelIndex& index) { HideGridClick(index.row(), index.column()); });
  connect(grid_, &RecordListView::RowAccepted, this, &TExcludeBox::HideGridDblClick);
  return grid_;
}

void TExcludeBox::BuildLayout() {
  auto* legend = new QLabel(FromAnsi(reports::kHideLivingLegend), this);
  legend->setObjectName(QStringLiteral("LivingLegend"));
  auto* columns = new QLabel(ColumnLegend(), this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(legend);
  layout->addWidget(columns);
  layout->addWidget(BuildGrid());
  layout->addWidget(BuildActions());
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(BuildSearch(), 1);
  bottom->addWidget(buttons);
  layout->addLayout(bottom);
}

QWidget* TExcludeBox::BuildActions() {
  auto* panel = new QWidget(this);
  select_column_ = new QComboBox(panel);
  select_column_->setObjectName(QStringLiteral("SelectColumn"));
  for (std::string_view item : reports::kHideColumnItems) select_column_->addItem(FromAnsi(item));
  select_action_ = new QComboBox(panel);
  select_action_->setObjectName(QStringLiteral("SelectAction"));
  auto* execute = new QPushButton(QStringLiteral("&Perform Action"), panel);
  execute->setObjectName(QStringLiteral("btnExecute"));
  execute->setAutoDefault(false);
  auto* layout = new QHBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(QStringLiteral("Select Column"), panel));
  layout->addWidget(select_column_);
  layout->addSpacing(12);
  layout->addWidget(new QLabel(QStringLiteral("Select Action"), panel));
  layout->addWidget(select_action_);
  layout->addSpacing(12);
  layout->addWidget(execute);
  layout->addStretch(1);
  connect(select_column_, &QComboBox::currentIndexChanged, this, &TExcludeBox::SelectColumnChange);
  connect(execute, &QPushButton::clicked, this, &TExcludeBox::btnExecuteClick);
  SelectColumnChange();
  return panel;
}

QWidget* TExcludeBox::BuildSearch() {
  auto* panel = new QWidget(this);
  search_for_ = new QLineEdit(panel);
  search_for_->setObjectName(QStringLiteral("SearchFor"));
  search_for_->setMaxLength(50);
  search_button_ = new QPushButton(QStringLiteral("Search"), panel);
  search_button_->setObjectName(QStringLiteral("btnSearch"));
  search_button_->setEnabled(false);
  // Enter in the name field searches.
  search_button_->setDefault(true);
  auto* layout = new QHBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(QStringLiteral("Enter Name or ID Number of Individual"), panel));
  layout->addWidget(search_for_, 1);
  layout->addWidget(search_button_);
  connect(search_for_, &QLineEdit::textChanged, this, [this](const QString& text) {
    search_.Reset();
    search_button_->setEnabled(!text.isEmpty());
  });
  connect(search_button_, &QPushButton::clicked, this, &TExcludeBox::btnSearchClick);
  return panel;
}

int TExcludeBox::IndividualAt(int index) const {
  return model_->NumberAt(index);
}

void TExcludeBox::HideGridClick(int index, int column) {
  if (column >= kNameColumn || IndividualAt(index) < 0) return;
  if (hide_.ToggleCell(IndividualAt(index), column)) model_->RowsChanged(index, index);
}

void TExcludeBox::HideGridDblClick(int index) {
  if (IndividualAt(index) < 0) return;
  tree_.ShowIndividual(IndividualAt(index));
  tree_.ShowPage(QStringLiteral("person"));
}

void TExcludeBox::SelectColumnChange() {
  const int chosen = select_action_->currentIndex();
  // "Hide All Living" is offered with the first column entry only.
  const size_t actions = select_column_->currentIndex() == 0 ? 4 : 3;
  select_action_->clear();
  for (size_t i = 0; i < actions; ++i) {
    select_action_->addItem(FromAnsi(reports::kHideActionItems[i]));
  }
  select_action_->setCurrentIndex(chosen >= 0 && chosen < static_cast<int>(actions) ? chosen : 0);
}

void TExcludeBox::btnExecuteClick() {
  const int column = select_column_->currentIndex();
  const int action = select_action_->currentIndex();
  if (column < 0 || action < 0) return;
  hide_.Perform(static_cast<reports::HideColumnChoice>(column),
                static_cast<reports::HideAction>(action));
  model_->AllRowsChanged();
}

void TExcludeBox::btnSearchClick() {
  const int found = search_.Next(tree_.store(), search_for_->text(), tree_.ui());
  grid_->SetCurrent(found);
}

void TExcludeBox::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TExcludeBox::FormClose() {
  if (closed_) return;
  closed_ = true;
  hide_.Close();
  // The main window shows the death lines written and, in its living box, the current
  // individual's living mark.
  tree_.TreeEdited();
}

}  // namespace kinloom::ui
