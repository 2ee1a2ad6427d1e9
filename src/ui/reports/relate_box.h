#pragma once

#include <QDialog>

#include "reports/relationship.h"
#include "ui/reports/print_box_output.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace kinloom::ui {

class TFamTree;

// "Relationship Calculator": the blood relationship of two individuals by their numbers, with
// the two lines of descent from their nearest common ancestry, printed or saved as a text file.
// The main window keeps one, so the two numbers are remembered between openings.
class TRelateBox : public QDialog {
  Q_OBJECT

 public:
  explicit TRelateBox(TFamTree& tree);

  // Opens with the remembered person 1 (the home person when that number names nobody) and the
  // main window's current person as person 2.
  void Open();
  // Opens on these two people.
  void OpenWith(int person1, int person2);

  // The numbers in the fields (0 when empty).
  int person1() const;
  int person2() const;
  // Puts a number in a field (1 or 2) and works the relationship out again.
  void SetPerson(int field, int individual);
  const reports::Relationship& relationship() const { return relationship_; }
  ReportOutlet& outlet() { return outlet_; }
  QTableWidget& grid() const { return *grid_; }

  static constexpr int kMinimumRows = 20;

  // The buttons and the grid.
  void btnFindRelateClick(int field);
  void RelateGridClick(int row, int column);
  // The menu of a grid cell's person at a point of the screen.
  void RelateGridMenu(int row, int column, QPoint global_position);
  void btnPrintClick();
  void btnSaveClick();
  void btnPdfClick();
  // Works the relationship of the two numbers out and shows it.
  void Refresh();

  // The individual a grid cell names, or 0.
  int CellPerson(int row, int column) const;

 private:
  QWidget* BuildPeople();
  QWidget* BuildButtons();
  QLineEdit* ReadOnlyBox(const char* name);
  void ShowGrid();

  TFamTree& tree_;
  ReportOutlet outlet_;
  reports::Relationship relationship_;
  QLineEdit* ind_no_[2] = {};
  QLineEdit* ind_name_[2] = {};
  QLineEdit* relation_[2] = {};
  QLineEdit* memo_ = nullptr;
  QTableWidget* grid_ = nullptr;
  QPushButton* btn_print_ = nullptr;
  QPushButton* btn_save_ = nullptr;
  QPushButton* btn_pdf_ = nullptr;
  QPushButton* btn_close_ = nullptr;
  QLabel* saved_ = nullptr;
};

}  // namespace kinloom::ui
