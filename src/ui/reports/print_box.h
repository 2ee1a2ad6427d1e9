#pragma once

#include <QDialog>

#include <initializer_list>

#include "files/report_files.h"
#include "ui/reports/print_box_output.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace kinloom::ui {

class TFamTree;
class RecordListView;
class SearchListModel;

// "Reports": the person list on the left, the report pages on the right. Every report works on
// the highlighted person. A page is one widget added with AddPage; the lists and the family
// forms come built in.
class TPrintBox : public QDialog {
  Q_OBJECT

 public:
  explicit TPrintBox(TFamTree& tree);

  // Shows the window over the main window with the current person highlighted (the list taken
  // in afresh, as the tree may have changed since the last opening).
  void Open();
  // Adds a page of reports; returns its index.
  int AddPage(QWidget* page, const QString& title);

  TFamTree& tree() { return tree_; }
  ReportOutlet& outlet() { return outlet_; }
  QTabWidget& pages() const { return *pages_; }
  RecordListView& list() const { return *ind_list_; }
  // The individual of the highlighted line when it exists, else 0.
  int HighlightedPerson() const;
  // Highlights an individual; false when the list does not hold them.
  bool Highlight(int individual);
  // Highlights the first name starting with the text ("Surname, Given") or the individual of
  // that number; false when none matches.
  bool FindName(const QString& text);

  static constexpr int kVisibleRows = 24;

  // The buttons of the "Ancestors and Descendants" page.
  void btnPrintAncListClick();
  void btnSaveAncListClick();
  void btnPrintDescListClick();
  void btnSaveDescListClick();
  void btnPdfAncListClick();
  void btnPdfDescListClick();

  // Shows where a report went (a saved list or a PDF file).
  void ShowSaved(const QString& path);

 signals:
  // The highlighted person changed (the family forms follow it).
  void personChanged(int individual);

 private:
  QWidget* BuildList();
  QWidget* BuildListsPage();
  QPushButton* AddButton(QWidget* parent, const char* name, const QString& text,
                         void (TPrintBox::*handler)());
  QSpinBox* GenerationBox(QWidget* parent, const char* name);
  QWidget* BuildListGroup(const QString& title, QSpinBox* generations,
                          std::initializer_list<QPushButton*> buttons);
  // The save context of "My Files" and the counter.
  files::ReportSaveContext SaveContext();
  // After a save: the path shown when the file was written.
  void NoteSave(const files::SavedReport& saved);

  TFamTree& tree_;
  ReportOutlet outlet_;
  SearchListModel* model_ = nullptr;
  RecordListView* ind_list_ = nullptr;
  QLineEdit* find_name_ = nullptr;
  QTabWidget* pages_ = nullptr;
  QSpinBox* anc_gen_no_ = nullptr;
  QSpinBox* desc_gen_no_ = nullptr;
  QLabel* saved_ = nullptr;
};

}  // namespace kinloom::ui
