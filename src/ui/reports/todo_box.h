#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>
#include <functional>
#include <vector>

#include "reports/report_job.h"
#include "reports/todo_criteria.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

namespace kinloom::ui {

class RecordListView;
class SearchListModel;
class TFamTree;

// " Information Explorer & To Do Lists": the twelve lists kept in the individual records, one
// per tab. Each tab of lists 1 to 11 holds its criterion and builds its list; the user's own
// list (tab 0) takes people one by one with a description each. Below the tabs, the members of
// the list showing with their check boxes and counts, and the memo, save and print buttons.
// The window is not modal: it follows the tree as it is edited elsewhere, and ticking list 0
// shows on the person page's "To Do" box at once (and the other way round).
class TToDoBox : public QDialog {
  Q_OBJECT

 public:
  explicit TToDoBox(TFamTree& tree);
  ~TToDoBox() override;

  // The main window's to-do window, made on first use, shown and brought to the front.
  static TToDoBox& ShowFor(TFamTree& tree);

  int list() const;
  void ShowList(int list);
  RecordListView& members() const { return *members_; }
  // The members of the list showing, in the order shown.
  const std::vector<int>& member_numbers() const { return member_numbers_; }
  QString counts_text() const;
  reports::ToDoFields& fields() { return fields_; }

  // The tree changed (here or elsewhere): the members, ticks and counts again.
  void Refresh();

  // A member's check box.
  bool ToDoListClickCheck(int individual, bool ticked);
  // "Create New List" and "Update List" of the list showing.
  void BuildList(reports::ToDoBuild build);
  // List 0.
  void btnMyToDoAddClick();
  void AddToMyList(int individual);
  void btnRemoveClick();
  void btnMemoClick();
  void btnSaveClick();
  void btnPrintClick();
  void btnPdfClick();

  // How the memo is opened and where a PDF goes; tests replace them.
  std::function<bool(const QUrl&)> open_url;
  std::function<QString(QWidget* parent, const QString& suggested)> pdf_path;

 protected:
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildMyListPage();
  QWidget* BuildCriterionPage(int list);
  QWidget* CriterionControls(int list, QWidget* parent);
  QWidget* DateRange(reports::ToDoDateRange* range, const char* name, QWidget* parent);
  QWidget* PersonField(int* person, const char* name, QWidget* parent);
  QWidget* TextField(std::string* text, const char* name, const QString& label, QWidget* parent);
  QWidget* SourceField(QWidget* parent);
  QWidget* BuildList();
  QWidget* BuildButtons();
  void ListChanged();
  void RowChosen();
  // Writes the description being typed to its person.
  void CommitDescription();
  void ShowDescription();
  int Highlighted() const;
  void TreeChangedHere();
  void StoreFields();
  std::string ReportDate() const;
  reports::ReportJob PrintJob() const;

  TFamTree& tree_;
  reports::ToDoFields fields_;
  QTabWidget* tabs_ = nullptr;
  QLabel* counts_ = nullptr;
  std::vector<int> member_numbers_;
  SearchListModel* model_ = nullptr;
  RecordListView* members_ = nullptr;
  QPlainTextEdit* description_ = nullptr;
  int description_person_ = 0;
  bool description_typed_ = false;
  bool refreshing_ = false;
};

}  // namespace kinloom::ui
