#include "ui/dialogs/sources_box.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/main/fam_tree.h"
#include "ui/person/person_page.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

namespace {

QLineEdit* NewField(QWidget* parent, const char* name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  return field;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TSourcesBox::TSourcesBox(TFamTree& tree) : QDialog(&tree), tree_(tree) {
  setObjectName(QStringLiteral("TSourcesBox"));
  setWindowTitle(QStringLiteral("Sources"));
  auto* records = new QHBoxLayout;
  records->addWidget(BuildList(), 2);
  records->addWidget(BuildFields(), 3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(records, 1);
  layout->addWidget(BuildQuickButtons());
  layout->addWidget(BuildBottomButtons());
  resize(820, 540);

  FillList();
  const int selected = tree_.selected_source();
  if (!SelectSource(selected) && source_list_->count() > 0) {
    SelectSource(source_list_->item(0)->data(Qt::UserRole).toInt());
  }
  if (current_ == 0) ShowSource(0);
  UpdateQuickButtons();
}

QWidget* TSourcesBox::BuildList() {
  auto* box = new QGroupBox(QStringLiteral("Source Records"), this);
  source_list_ = new QListWidget(box);
  source_list_->setObjectName(QStringLiteral("SourceList"));
  connect(source_list_, &QListWidget::currentRowChanged, this, [this] { SourceListClick(); });
  QPushButton* add = NewButton(box, "btnNewSource", QStringLiteral("New Source"));
  add->setToolTip(QStringLiteral("Make a new source record"));
  connect(add, &QPushButton::clicked, this, [this] { btnNewSourceClick(); });
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(source_list_, 1);
  layout->addWidget(add);
  return box;
}

QWidget* TSourcesBox::BuildFields() {
  auto* box = new QGroupBox(QStringLiteral("Source Details"), this);
  source_number_ = new QLabel(box);
  source_number_->setObjectName(QStringLiteral("SourceNumber"));
  title_ = NewField(box, "SourceTitle");
  author_ = NewField(box, "SourceAuthor");
  publication_ = NewField(box, "SourcePublication");
  medium_ = NewField(box, "SourceMedium");
  medium_->setPlaceholderText(QStringLiteral("Book, microfilm, photograph, web page ..."));
  text_ = new QPlainTextEdit(box);
  text_->setObjectName(QStringLiteral("SourceText"));
  save_ = NewButton(box, "btnSaveSource", QStringLiteral("Save Changes"));
  connect(save_, &QPushButton::clicked, this, [this] { btnSaveSourceClick(); });
  auto* form = new QFormLayout(box);
  form->addRow(source_number_);
  form->addRow(QStringLiteral("Title:"), title_);
  form->addRow(QStringLiteral("Author:"), author_);
  form->addRow(QStringLiteral("Publication:"), publication_);
  form->addRow(QStringLiteral("Medium:"), medium_);
  form->addRow(QStringLiteral("Text:"), text_);
  form->addRow(QString(), save_);
  return box;
}

QWidget* TSourcesBox::BuildQuickButtons() {
  auto* box = new QGroupBox(QStringLiteral("Quick Sources"), this);
  auto* grid = new QGridLayout(box);
  for (int k = 0; k < kQuick; ++k) {
    const QByteArray name = "btnSrc" + QByteArray::number(k);
    quick_[static_cast<size_t>(k)] = NewButton(box, name.constData(), QString());
    connect(quick_[static_cast<size_t>(k)], &QPushButton::clicked, this,
            [this, k] { btnSrcClick(k); });
    grid->addWidget(quick_[static_cast<size_t>(k)], k / 5, k % 5);
  }
  store_quick_ = NewButton(box, "btnStoreQuick", QStringLiteral("Keep Selected Source In..."));
  store_quick_->setCheckable(true);
  store_quick_->setToolTip(
      QStringLiteral("Then click a numbered button to keep the selected source there"));
  connect(store_quick_, &QPushButton::toggled, this, [this] { UpdateEnabled(); });
  grid->addWidget(store_quick_, 0, 5, 2, 1);
  return box;
}

QWidget* TSourcesBox::BuildBottomButtons() {
  auto* bar = new QWidget(this);
  cite_ = NewButton(bar, "btnCiteSource", QStringLiteral("Cite This Source"));
  cite_->setToolTip(QStringLiteral(
      "Cite the selected source on the person shown; the person page's source button then "
      "adds or removes it"));
  connect(cite_, &QPushButton::clicked, this, [this] { btnCiteSourceClick(); });
  QPushButton* close = NewButton(bar, "btnClose", QStringLiteral("Close"));
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addStretch(1);
  layout->addWidget(cite_);
  layout->addWidget(close);
  return bar;
}

void TSourcesBox::FillList() {
  filling_ = true;
  source_list_->clear();
  const store::RecordStore& store = tree_.store();
  for (int n = 1; n <= store.highest_source(); ++n) {
    if (store.source(n) == nullptr) continue;
    auto* item = new QListWidgetItem(FromAnsi(core::SourceLabel(store, n)), source_list_);
    item->setData(Qt::UserRole, n);
    if (n == current_) source_list_->setCurrentItem(item);
  }
  filling_ = false;
}

bool TSourcesBox::SelectSource(int source) {
  if (source <= 0 || tree_.store().source(source) == nullptr) return false;
  KeepEdits();
  filling_ = true;
  for (int row = 0; row < source_list_->count(); ++row) {
    if (source_list_->item(row)->data(Qt::UserRole).toInt() == source) {
      source_list_->setCurrentRow(row);
    }
  }
  filling_ = false;
  ShowSource(source);
  return true;
}

void TSourcesBox::ShowSource(int source) {
  current_ = source;
  const core::SourceFields fields = core::ReadSourceFields(tree_.store().source(source));
  title_->setText(FromAnsi(fields.title));
  author_->setText(FromAnsi(fields.author));
  publication_->setText(FromAnsi(fields.publication));
  medium_->setText(FromAnsi(fields.medium));
  text_->setPlainText(FromAnsi(fields.text));
  source_number_->setText(source > 0 ? QStringLiteral("Source Number: %1").arg(source)
                                     : QStringLiteral("No source selected"));
  UpdateEnabled();
}

core::SourceFields TSourcesBox::FieldsShown() const {
  core::SourceFields fields;
  fields.title = ToAnsi(title_->text());
  fields.author = ToAnsi(author_->text());
  fields.publication = ToAnsi(publication_->text());
  fields.medium = ToAnsi(medium_->text());
  fields.text = ToAnsi(text_->toPlainText());
  return fields;
}

void TSourcesBox::KeepEdits() {
  if (current_ <= 0 || tree_.store().source(current_) == nullptr) return;
  if (!core::WriteSourceFields(tree_.store(), current_, FieldsShown())) return;
  for (int row = 0; row < source_list_->count(); ++row) {
    QListWidgetItem* item = source_list_->item(row);
    if (item->data(Qt::UserRole).toInt() == current_) {
      item->setText(FromAnsi(core::SourceLabel(tree_.store(), current_)));
    }
  }
  UpdateQuickButtons();
  tree_.TreeEdited();
}

void TSourcesBox::UpdateQuickButtons() {
  const files::TreeSettings& settings = tree_.work().tree_settings();
  for (int k = 0; k < kQuick; ++k) {
    const int source = settings.quick_sources[static_cast<size_t>(k)];
    const bool exists = source > 0 && tree_.store().source(source) != nullptr;
    QPushButton* button = quick_[static_cast<size_t>(k)];
    button->setText(exists ? QStringLiteral("%1:  %2").arg(k + 1).arg(source)
                           : QStringLiteral("%1:  -").arg(k + 1));
    button->setToolTip(exists ? FromAnsi(core::SourceLabel(tree_.store(), source))
                              : QStringLiteral("No source kept here"));
  }
  UpdateEnabled();
}

void TSourcesBox::UpdateEnabled() {
  const bool shown = current_ > 0;
  for (QWidget* field : std::initializer_list<QWidget*>{title_, author_, publication_, medium_,
                                                        text_, save_, cite_, store_quick_}) {
    field->setEnabled(shown);
  }
  const files::TreeSettings& settings = tree_.work().tree_settings();
  const bool storing = shown && store_quick_->isChecked();
  for (int k = 0; k < kQuick; ++k) {
    const int source = settings.quick_sources[static_cast<size_t>(k)];
    const bool exists = source > 0 && tree_.store().source(source) != nullptr;
    quick_[static_cast<size_t>(k)]->setEnabled(storing || exists);
  }
}

void TSourcesBox::SourceListClick() {
  if (filling_) return;
  QListWidgetItem* item = source_list_->currentItem();
  if (item == nullptr) return;
  KeepEdits();
  ShowSource(item->data(Qt::UserRole).toInt());
}

void TSourcesBox::btnNewSourceClick() {
  KeepEdits();
  const int source = core::NewSourceRecord(tree_.store());
  if (source == 0) return;
  tree_.TreeEdited();
  FillList();
  SelectSource(source);
  title_->setFocus();
}

void TSourcesBox::btnSaveSourceClick() {
  KeepEdits();
}

void TSourcesBox::btnCiteSourceClick() {
  KeepEdits();
  if (current_ <= 0) return;
  tree_.SetSelectedSource(current_);
  tree_.person_page()->CiteSource(current_);
  accept();
}

void TSourcesBox::btnSrcClick(int button) {
  files::TreeSettings& settings = tree_.work().tree_settings();
  int& kept = settings.quick_sources[static_cast<size_t>(button)];
  if (!store_quick_->isChecked()) {
    SelectSource(kept);
    return;
  }
  store_quick_->setChecked(false);
  if (current_ <= 0 || kept == current_) return;
  kept = current_;
  // The quick sources travel in the album file.
  tree_.work().albums().set_changed(true);
  tree_.work().session().changed.albums_changed = true;
  tree_.UpdateCaption();
  UpdateQuickButtons();
}

void TSourcesBox::done(int result) {
  KeepEdits();
  QDialog::done(result);
}

}  // namespace kinloom::ui
