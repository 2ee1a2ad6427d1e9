#pragma once

#include <QDialog>
#include <vector>

#include "core/auto_entry_create.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace kinloom::ui {

class TFamTree;

// Automatic entry: lines typed or pasted ("John Smith b. 12 Mar 1850 Leeds d. 1920"), the
// people they make in an editable table, and the making of them, on their own or as children
// or spouses of the person shown.
class TAutoEntryBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAutoEntryBox(TFamTree& tree);

  // The table's columns.
  enum Column {
    kGiven,
    kSurname,
    kSex,
    kBirthDate,
    kBirthPlace,
    kBaptismDate,
    kBaptismPlace,
    kDeathDate,
    kDeathPlace,
    kMarriageDate,
    kMarriagePlace,
    kColumnCount
  };

  // Reads the text into the table; the lines refused are listed under it.
  void btnPreviewClick();
  // Makes the people of the table; a date that does not read is reported and nothing is made.
  void btnCreateClick();
  // The people made by the last Create.
  const std::vector<int>& created() const { return created_; }

 private:
  void BuildLayout();
  void FillTable(const std::vector<core::EntryPerson>& people);
  // The table's rows as people; false (with the message shown) when a date does not read.
  bool PeopleFromTable(std::vector<core::EntryPerson>* people);
  core::EntryLink ChosenLink() const;

  TFamTree& tree_;
  std::vector<core::EntryPerson> parsed_;
  std::vector<int> created_;
  QPlainTextEdit* text_ = nullptr;
  QTableWidget* table_ = nullptr;
  QLabel* refused_ = nullptr;
  QRadioButton* alone_ = nullptr;
  QRadioButton* children_ = nullptr;
  QRadioButton* spouses_ = nullptr;
  QPushButton* create_ = nullptr;
};

}  // namespace kinloom::ui
