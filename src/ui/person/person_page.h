#pragma once

#include <QWidget>
#include <array>

#include "ui/person/event_row.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

namespace kinloom::ui {

class TFamTree;

// The main window's person page: the shown individual with parents, spouses and children around,
// and every box that edits them.
class PersonPage : public QWidget {
  Q_OBJECT

 public:
  PersonPage(TFamTree& tree, QWidget* parent);

  // Shows the main window's shown state again (after a move to another person or an edit).
  void Refresh();
  // Writes the box being typed in (a name, title, date, place or the note), as leaving it would.
  void CommitPendingEdit();

  // The page's commands, for the menus: a new father, mother, spouse or child of the shown
  // person, whose given names are typed next.
  void AddFather() { AddParentClick('M'); }
  void AddMother() { AddParentClick('F'); }
  void AddSpouse() { AddSpouseClick(0); }
  void AddChild() { AddChildClick(0); }
  // Cites the source on the shown person's record unless it is cited there already; false when
  // there is no person or no such source.
  bool CiteSource(int source);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building (person_page_layout.cpp).
  void BuildPage();
  QGroupBox* BuildParents();
  QGroupBox* BuildPerson();
  void BuildPersonEvents(QGridLayout* grid, int first_row);
  QGroupBox* BuildSpouse();
  QGroupBox* BuildChildren();
  QGroupBox* BuildNote();
  QLineEdit* NameBox(const char* name, const QString& hint, int* person);
  void ArrangeNoteArea();

  // Showing (person_page.cpp).
  void RefreshParents();
  void RefreshPerson();
  void RefreshEvents();
  void RefreshSlot(EventRow& row, QCheckBox* second, int kind);
  void RefreshAge();
  void RefreshLiving();
  void RefreshIndicators();
  void RefreshSpouse();
  void RefreshChildren();
  void RefreshNote();
  void RefreshSource();

  // Relatives (person_page_family.cpp).
  void AddParentClick(char sex);
  void FamFamTypeChange(int kind);
  void FamSexChange(int sex_index);
  // A new spouse or child (0), or one chosen in the find dialog.
  void AddSpouseClick(int spouse);
  void StepSpouse(int step);
  void AddChildClick(int child);
  // The person chosen in the find dialog who may join the shown families; 0 for none.
  int ChooseRelative();
  void ChildChosen(QListWidgetItem* item);
  void ShowRelative(int individual);
  void NameLeft(int individual, QLineEdit* given, QLineEdit* surname);
  void PersonDateLeft(std::string_view tag, const QString& text);
  void PersonPlaceLeft(std::string_view tag, const QString& text);
  // The event a date or place box writes: "bapm" and "buri" stand for the event its slot holds.
  std::string_view EventTagOf(std::string_view tag) const;

  // Note, to-do and citation (person_page_note.cpp).
  void NoteLeft();
  void cbToDoClick(bool checked);
  void btnAddSourceClick();
  void btnFamSizeFullClick();
  void btnFamSizeWideClick();

  TFamTree& tree_;
  int updating_ = 0;  // raised while the page sets its own boxes
  bool note_full_ = false;
  bool note_wide_ = false;

  // The people whose names the name boxes edit, as shown.
  int shown_father_ = 0;
  int shown_mother_ = 0;
  int shown_spouse_ = 0;
  int note_person_ = 0;  // whose note the note box holds

  QGridLayout* columns_ = nullptr;
  QLineEdit* father_given_ = nullptr;
  QLineEdit* father_surname_ = nullptr;
  QLineEdit* mother_given_ = nullptr;
  QLineEdit* mother_surname_ = nullptr;
  QPushButton* add_father_ = nullptr;
  QPushButton* add_mother_ = nullptr;
  QComboBox* parent_type_ = nullptr;

  QLineEdit* given_ = nullptr;
  QLineEdit* surname_ = nullptr;
  QComboBox* sex_ = nullptr;
  QLineEdit* title_ = nullptr;
  QLineEdit* alias_ = nullptr;
  QLabel* given_label_ = nullptr;
  QLabel* surname_label_ = nullptr;
  QLabel* sex_label_ = nullptr;
  QLabel* alias_label_ = nullptr;
  QLineEdit* birth_date_ = nullptr;
  QLineEdit* birth_place_ = nullptr;
  EventRow baptism_;
  QCheckBox* christen_ = nullptr;  // the slot's second event while it is empty
  EventRow death_;
  EventRow burial_;
  QCheckBox* cremation_ = nullptr;
  QLineEdit* age_ = nullptr;
  QLabel* age_label_ = nullptr;
  QCheckBox* living_ = nullptr;  // the living mark, in step with the death line
  std::array<QLabel*, 3> indicators_{};

  QLineEdit* spouse_given_ = nullptr;
  QLineEdit* spouse_surname_ = nullptr;
  QPushButton* show_spouse_ = nullptr;
  QPushButton* previous_spouse_ = nullptr;
  QPushButton* next_spouse_ = nullptr;
  QPushButton* add_spouse_ = nullptr;
  QPushButton* choose_spouse_ = nullptr;
  QLabel* marriage_count_ = nullptr;
  EventRow marriage_;

  QGroupBox* children_box_ = nullptr;
  QListWidget* children_ = nullptr;
  QPushButton* add_child_ = nullptr;
  QPushButton* choose_child_ = nullptr;

  QGroupBox* note_box_ = nullptr;
  QPlainTextEdit* note_ = nullptr;
  QPushButton* size_full_ = nullptr;
  QPushButton* size_wide_ = nullptr;
  QCheckBox* todo_ = nullptr;
  QPushButton* add_source_ = nullptr;
};

}  // namespace kinloom::ui
