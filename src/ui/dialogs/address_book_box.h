#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "files/address_book.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace kinloom::ui {

class TFamTree;

// The tree's address book: researchers, archives and relatives, with a search over every field
// and export to vCard. Each change is saved at once to the tree's ".adr" file; a book that
// exists but cannot be read is reported and shown read-only, so it is never written over.
class TAddressBookBox : public QDialog {
  Q_OBJECT

 public:
  // `path`: the book's file.
  TAddressBookBox(TFamTree& tree, std::string path);

  const files::AddressBook& book() const { return book_; }
  bool read_only() const { return read_only_; }

  void btnNewClick();
  void btnSaveClick();
  void btnDeleteClick();
  void btnExportClick(bool all);
  // Writes the cards of one entry or all to `file`; false (reported) when it fails.
  bool ExportTo(const std::string& file, bool all);

 private:
  void BuildLayout();
  QWidget* BuildForm();
  void ReadBook();
  void FillList();
  void ShowEntry(int index);
  int CurrentEntry() const;
  bool SaveBook();

  TFamTree& tree_;
  std::string path_;
  files::AddressBook book_;
  bool read_only_ = false;
  int editing_ = -1;  // the entry in the form; -1 for a new one
  QLineEdit* search_ = nullptr;
  QListWidget* list_ = nullptr;
  QComboBox* kind_ = nullptr;
  QLineEdit* name_ = nullptr;
  QPlainTextEdit* address_ = nullptr;
  QLineEdit* email_ = nullptr;
  QLineEdit* phone_ = nullptr;
  QPlainTextEdit* note_ = nullptr;
  QComboBox* version_ = nullptr;
  QLabel* state_ = nullptr;
  std::vector<QWidget*> editing_controls_;
};

}  // namespace kinloom::ui
