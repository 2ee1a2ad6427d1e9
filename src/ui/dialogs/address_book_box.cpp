#include "ui/dialogs/address_book_box.h"

#include <QFileDialog>
#include <QFormLayout>
#include <memory>

#include "files/address_book_vcard.h"
#include "store/charsets.h"
#include "ui/main/fam_tree.h"

namespace kinloom::ui {
namespace {

QString Q(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

constexpr files::ContactKind kKinds[] = {
    files::ContactKind::kResearcher, files::ContactKind::kArchive, files::ContactKind::kRelative};

}  // namespace

TAddressBookBox::TAddressBookBox(TFamTree& tree, std::string path)
    : QDialog(&tree), tree_(tree), path_(std::move(path)) {
  setObjectName(QStringLiteral("AddressBookBox"));
  setWindowTitle(QStringLiteral("Address Book"));
  BuildLayout();
  ReadBook();
  FillList();
  if (!book_.empty())
    list_->setCurrentRow(0);
  else
    btnNewClick();
}

void TAddressBookBox::ReadBook() {
  const Status read = files::ReadAddressBook(tree_.work().file_system(), path_, &book_);
  if (read.ok() || read.code() == Status::Code::kNotFound) return;
  read_only_ = true;
  tree_.ui().Message(" *** Address Book Not Read *** ",
                     "The address book could not be read:\n" + read.message() +
                         "\n\nIt is shown read-only and will not be saved over.",
                     platform::Icon::kExclamation);
  state_->setText(QStringLiteral("Read-only: the file could not be read."));
  for (QWidget* control : editing_controls_) control->setEnabled(false);
}

void TAddressBookBox::BuildLayout() {
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  search_ = new QLineEdit(this);
  search_->setObjectName(QStringLiteral("SearchFor"));
  search_->setPlaceholderText(QStringLiteral("Search names, places, notes..."));
  search_->setClearButtonEnabled(true);
  connect(search_, &QLineEdit::textChanged, this, [this] { FillList(); });
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("AddressList"));
  list_->setMinimumWidth(220);
  connect(list_, &QListWidget::currentRowChanged, this, [this] { ShowEntry(CurrentEntry()); });
  left->addWidget(search_);
  left->addWidget(list_, 1);
  layout->addLayout(left);
  layout->addWidget(BuildForm(), 1);
  resize(720, 460);
}

QWidget* TAddressBookBox::BuildForm() {
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  auto* form = new QFormLayout;
  kind_ = new QComboBox(panel);
  kind_->setObjectName(QStringLiteral("Kind"));
  for (files::ContactKind kind : kKinds) kind_->addItem(Q(std::string(ContactKindName(kind))));
  name_ = new QLineEdit(panel);
  name_->setObjectName(QStringLiteral("ContactName"));
  address_ = new QPlainTextEdit(panel);
  address_->setObjectName(QStringLiteral("ContactAddress"));
  address_->setFixedHeight(80);
  email_ = new QLineEdit(panel);
  email_->setObjectName(QStringLiteral("ContactEmail"));
  phone_ = new QLineEdit(panel);
  phone_->setObjectName(QStringLiteral("ContactPhone"));
  note_ = new QPlainTextEdit(panel);
  note_->setObjectName(QStringLiteral("ContactNote"));
  form->addRow(QStringLiteral("&Kind:"), kind_);
  form->addRow(QStringLiteral("&Name:"), name_);
  form->addRow(QStringLiteral("&Address:"), address_);
  form->addRow(QStringLiteral("&E-mail:"), email_);
  form->addRow(QStringLiteral("&Phone:"), phone_);
  form->addRow(QStringLiteral("N&ote:"), note_);
  column->addLayout(form, 1);

  auto button = [panel](const QString& text, const char* name) {
    auto* b = new QPushButton(text, panel);
    b->setObjectName(QString::fromLatin1(name));
    return b;
  };
  QPushButton* add = button(QStringLiteral("Ne&w"), "btnNew");
  QPushButton* save = button(QStringLiteral("&Save Entry"), "btnSave");
  QPushButton* remove = button(QStringLiteral("&Delete"), "btnDelete");
  QPushButton* export_one = button(QStringLiteral("Export &Entry..."), "btnExportOne");
  QPushButton* export_all = button(QStringLiteral("Export A&ll..."), "btnExportAll");
  QPushButton* close = button(QStringLiteral("Close"), "btnClose");
  connect(add, &QPushButton::clicked, this, [this] { btnNewClick(); });
  connect(save, &QPushButton::clicked, this, [this] { btnSaveClick(); });
  connect(remove, &QPushButton::clicked, this, [this] { btnDeleteClick(); });
  connect(export_one, &QPushButton::clicked, this, [this] { btnExportClick(false); });
  connect(export_all, &QPushButton::clicked, this, [this] { btnExportClick(true); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  version_ = new QComboBox(panel);
  version_->setObjectName(QStringLiteral("VCardVersion"));
  version_->addItems({QStringLiteral("vCard 4.0"), QStringLiteral("vCard 3.0")});
  version_->setToolTip(QStringLiteral("3.0 for older address books and phones"));

  auto* edits = new QHBoxLayout;
  edits->addWidget(add);
  edits->addWidget(save);
  edits->addWidget(remove);
  edits->addStretch();
  auto* exports = new QHBoxLayout;
  exports->addWidget(version_);
  exports->addWidget(export_one);
  exports->addWidget(export_all);
  exports->addStretch();
  exports->addWidget(close);
  state_ = new QLabel(panel);
  state_->setObjectName(QStringLiteral("BookState"));
  column->addLayout(edits);
  column->addLayout(exports);
  column->addWidget(state_);
  editing_controls_ = {add, save, remove, kind_, name_, address_, email_, phone_, note_};
  return panel;
}

void TAddressBookBox::FillList() {
  const QSignalBlocker block(list_);
  list_->clear();
  for (size_t n : files::SearchAddressBook(book_, search_->text().toStdString())) {
    auto* item = new QListWidgetItem(Q(book_[n].name), list_);
    item->setData(Qt::UserRole, static_cast<int>(n));
    item->setToolTip(Q(std::string(ContactKindName(book_[n].kind))));
  }
}

int TAddressBookBox::CurrentEntry() const {
  const QListWidgetItem* item = list_->currentItem();
  return item == nullptr ? -1 : item->data(Qt::UserRole).toInt();
}

void TAddressBookBox::ShowEntry(int index) {
  editing_ = index;
  const files::AddressEntry entry = index >= 0 && index < static_cast<int>(book_.size())
                                        ? book_[static_cast<size_t>(index)]
                                        : files::AddressEntry{};
  kind_->setCurrentIndex(static_cast<int>(entry.kind));
  name_->setText(Q(entry.name));
  address_->setPlainText(Q(entry.address));
  email_->setText(Q(entry.email));
  phone_->setText(Q(entry.phone));
  note_->setPlainText(Q(entry.note));
}

void TAddressBookBox::btnNewClick() {
  list_->setCurrentRow(-1);
  ShowEntry(-1);
  name_->setFocus();
}

bool TAddressBookBox::SaveBook() {
  Status written = files::WriteAddressBook(tree_.work().file_system(), path_, book_);
  if (!written.ok()) {
    tree_.ui().Message("*** Critical Error ***",
                       "The address book could not be saved:\n" + written.message(),
                       platform::Icon::kStop);
    return false;
  }
  state_->setText(QStringLiteral("Saved."));
  return true;
}

void TAddressBookBox::btnSaveClick() {
  if (read_only_) return;
  files::AddressEntry entry;
  entry.kind = kKinds[std::max(0, kind_->currentIndex())];
  entry.name = name_->text().trimmed().toStdString();
  entry.address = address_->toPlainText().trimmed().toStdString();
  entry.email = email_->text().trimmed().toStdString();
  entry.phone = phone_->text().trimmed().toStdString();
  entry.note = note_->toPlainText().trimmed().toStdString();
  if (entry.name.empty()) {
    tree_.ui().Message(" *** No Name *** ", "An entry needs a name.", platform::Icon::kExclamation);
    return;
  }
  const files::AddressBook before = book_;
  if (editing_ >= 0 && editing_ < static_cast<int>(book_.size())) {
    book_[static_cast<size_t>(editing_)] = entry;
  } else {
    book_.push_back(entry);
  }
  files::SortAddressBook(&book_);
  if (!SaveBook()) {
    book_ = before;  // the file holds what it held; so does the window
    return;
  }
  search_->clear();
  FillList();
  const auto found = std::find(book_.begin(), book_.end(), entry);
  list_->setCurrentRow(static_cast<int>(found - book_.begin()));
}

void TAddressBookBox::btnDeleteClick() {
  const int index = CurrentEntry();
  if (read_only_ || index < 0) return;
  const std::string name = store::Utf8TextToInternal(book_[static_cast<size_t>(index)].name);
  if (tree_.ui().Ask("*** Warning ***", "Delete " + name + " from the address book?",
                     platform::Icon::kQuestion,
                     platform::Buttons::kYesNo) != platform::Answer::kYes) {
    return;
  }
  const files::AddressBook before = book_;
  book_.erase(book_.begin() + index);
  if (!SaveBook()) {
    book_ = before;
    return;
  }
  FillList();
  if (book_.empty()) {
    btnNewClick();
  } else {
    list_->setCurrentRow(0);
  }
}

bool TAddressBookBox::ExportTo(const std::string& file, bool all) {
  const files::VCardVersion version =
      version_->currentIndex() == 1 ? files::VCardVersion::k3 : files::VCardVersion::k4;
  files::AddressBook chosen;
  if (all) {
    chosen = book_;
  } else if (CurrentEntry() >= 0) {
    chosen.push_back(book_[static_cast<size_t>(CurrentEntry())]);
  }
  std::unique_ptr<platform::WritableFile> out;
  Status written = tree_.work().file_system().NewWritableFile(file, &out);
  if (written.ok()) written = out->Append(files::AddressBookVCards(chosen, version));
  if (written.ok()) written = out->Commit();
  if (!written.ok()) {
    tree_.ui().Message("*** Critical Error ***",
                       "The cards could not be saved:\n" + written.message(),
                       platform::Icon::kStop);
    return false;
  }
  state_->setText(QStringLiteral("%1 card(s) saved.").arg(chosen.size()));
  return true;
}

void TAddressBookBox::btnExportClick(bool all) {
  if (!all && CurrentEntry() < 0) {
    tree_.ui().Message(" *** No Entry *** ", "Choose the entry to export first.",
                       platform::Icon::kExclamation);
    return;
  }
  const QString suggested =
      Q(tree_.work().folders().my_files) + QLatin1Char('/') +
      (all ? QStringLiteral("Addresses.vcf")
           : Q(book_[static_cast<size_t>(CurrentEntry())].name) + QStringLiteral(".vcf"));
  const QString file = QFileDialog::getSaveFileName(
      this, QStringLiteral("Export as vCard"), suggested, QStringLiteral("vCard files (*.vcf)"));
  if (!file.isEmpty()) ExportTo(file.toStdString(), all);
}

}  // namespace kinloom::ui
