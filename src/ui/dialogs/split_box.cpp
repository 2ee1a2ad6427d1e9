#include "ui/dialogs/split_box.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "files/tree_files.h"
#include "store/search_list.h"
#include "ui/main/fam_tree.h"
#include "ui/widgets/record_list_view.h"
#include "ui/widgets/search_list_model.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

TSplitBox::TSplitBox(TFamTree& tree) : QDialog(&tree), tree_(tree), split_(tree.store()) {
  setObjectName(QStringLiteral("TSplitBox"));
  setWindowTitle(QStringLiteral("Split Family Tree File"));
  BuildLayout();
  split_list_->SetCurrent(SearchListPosition(tree_.store(), tree_.store().current_individual()));
  UpdateCount();
}

QWidget* TSplitBox::BuildList() {
  const store::SearchList& entries = tree_.store().individual_search_list();
  SearchListModel::Column names = SearchKeyColumn(entries);
  names.checked = [this](int individual) { return reports::IsSelected(tree_.store(), individual); };
  names.set_checked = [this](int individual, bool) { return SplitListClickCheck(individual); };
  model_ = new SearchListModel(entries, this);
  model_->SetColumns({std::move(names)});
  split_list_ = new RecordListView(model_, kVisibleRows, RecordListView::Keys::kList, this);
  split_list_->setObjectName(QStringLiteral("SplitList"));
  split_list_->setMinimumWidth(380);
  // Names are not cut short, whatever the font.
  split_list_->FitWidthToKeys(entries);
  return split_list_;
}

void TSplitBox::BuildLayout() {
  auto* side = new QVBoxLayout;
  side->addWidget(BuildWalks());
  side->addWidget(BuildSearch());
  side->addStretch(1);
  side->addWidget(BuildSave());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  side->addWidget(buttons);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildList(), 1);
  layout->addLayout(side);
}

QPushButton* TSplitBox::AddButton(QWidget* parent, const char* name, const QString& text,
                                  void (TSplitBox::*handler)()) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, handler);
  return button;
}

QWidget* TSplitBox::BuildWalks() {
  auto* box = new QGroupBox(this);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(AddButton(box, "btnAddAnc", QStringLiteral("Add All  &Ancestors"),
                              &TSplitBox::btnAddAncClick));
  include_siblings_ =
      new QCheckBox(QStringLiteral("Include Siblings of Ancestors and Their Families"), box);
  include_siblings_->setObjectName(QStringLiteral("cbIncludeSiblings"));
  layout->addWidget(include_siblings_);
  layout->addSpacing(6);
  layout->addWidget(AddButton(box, "btnAddDesc", QStringLiteral("Add All &Descendants"),
                              &TSplitBox::btnAddDescClick));
  include_spouses_ = new QCheckBox(QStringLiteral("Include Spouses of Descendants"), box);
  include_spouses_->setObjectName(QStringLiteral("cbIncludeSpouses"));
  layout->addWidget(include_spouses_);
  layout->addSpacing(6);
  layout->addWidget(AddButton(box, "btnAddAncTree", QStringLiteral("Add Ancestor &Tree"),
                              &TSplitBox::btnAddAncTreeClick));
  layout->addWidget(AddButton(box, "btnAddDesTree", QStringLiteral("Add Descendant Tree"),
                              &TSplitBox::btnAddDesTreeClick));
  layout->addSpacing(6);
  auto* marks = new QHBoxLayout;
  marks->addWidget(
      AddButton(box, "btnClear", QStringLiteral("&UnCheck"), &TSplitBox::btnClearClick));
  marks->addWidget(
      AddButton(box, "btnRestore", QStringLiteral("&Restore"), &TSplitBox::btnRestoreClick));
  layout->addLayout(marks);
  auto* count = new QHBoxLayout;
  count->addWidget(new QLabel(QStringLiteral("Checked:"), box));
  checked_count_ = new QLabel(box);
  checked_count_->setObjectName(QStringLiteral("CheckedCount"));
  count->addWidget(checked_count_, 1);
  layout->addLayout(count);
  return box;
}

QWidget* TSplitBox::BuildSearch() {
  auto* box = new QGroupBox(this);
  search_for_ = new QLineEdit(box);
  search_for_->setObjectName(QStringLiteral("SearchFor"));
  search_for_->setMaxLength(50);
  search_button_ =
      AddButton(box, "btnSearch", QStringLiteral("Search"), &TSplitBox::btnSearchClick);
  search_button_->setEnabled(false);
  // Enter in the name field searches.
  search_button_->setDefault(true);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(new QLabel(QStringLiteral("Enter Name or ID Number"), box));
  auto* row = new QHBoxLayout;
  row->addWidget(search_for_, 1);
  row->addWidget(search_button_);
  layout->addLayout(row);
  connect(search_for_, &QLineEdit::textChanged, this, [this](const QString& text) {
    search_.Reset();
    search_button_->setEnabled(!text.isEmpty());
  });
  return box;
}

QWidget* TSplitBox::BuildSave() {
  auto* panel = new QWidget(this);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(AddButton(panel, "btnSaveSplit", QStringLiteral("Split Tree and Save"),
                              &TSplitBox::btnSplitSaveClick));
  saved_name_ = new QLabel(panel);
  saved_name_->setObjectName(QStringLiteral("SplitFileName"));
  layout->addWidget(saved_name_);
  return panel;
}

int TSplitBox::Highlighted() const {
  return std::max(0, split_list_->CurrentNumber());
}

void TSplitBox::UpdateCount() {
  checked_count_->setText(QString::number(split_.CheckedCount()));
}

void TSplitBox::SelectionChanged() {
  model_->AllRowsChanged();
  UpdateCount();
  tree_.RefreshPages();
}

bool TSplitBox::SplitListClickCheck(int individual) {
  split_.Toggle(individual);
  UpdateCount();
  return true;
}

void TSplitBox::btnAddAncClick() {
  if (const int start = Highlighted())
    split_.AddAllAncestors(start, include_siblings_->isChecked());
  SelectionChanged();
}

void TSplitBox::btnAddDescClick() {
  if (const int start = Highlighted())
    split_.AddAllDescendants(start, include_spouses_->isChecked());
  SelectionChanged();
}

void TSplitBox::btnAddAncTreeClick() {
  if (const int start = Highlighted()) split_.AddAncestorTree(start);
  SelectionChanged();
}

void TSplitBox::btnAddDesTreeClick() {
  if (const int start = Highlighted()) split_.AddDescendantTree(start);
  SelectionChanged();
}

void TSplitBox::btnClearClick() {
  split_.UnCheckAll();
  SelectionChanged();
}

void TSplitBox::btnRestoreClick() {
  split_.Restore();
  SelectionChanged();
}

void TSplitBox::btnSearchClick() {
  split_list_->SetCurrent(search_.Next(tree_.store(), search_for_->text(), tree_.ui()));
}

void TSplitBox::btnSplitSaveClick() {
  if (split_.CheckedCount() == 0) {
    tree_.ui().Message("Split Family Tree File", "No individuals are checked.",
                       platform::Icon::kExclamation);
    return;
  }
  files::TreeWorkspace& work = tree_.work();
  const std::string name =
      files::SaveReducedCopy(work.session(), work.folders(), files::ReducedCopy::kSplit,
                             work.SaveStepsWired(), tree_.ui());
  if (!name.empty()) saved_name_->setText(FromAnsi(name + ".ged"));
}

}  // namespace kinloom::ui
