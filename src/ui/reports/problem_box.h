#pragma once

#include <QDialog>
#include <string>

#include "files/report_files.h"
#include "reports/problems_list.h"
#include "reports/report_job.h"

class QLabel;
class QPushButton;
class QTableView;

namespace kinloom::ui {

class TFamTree;
class ProblemTableModel;

// The potential problems list: one row per problem the verifier found. A click in the Skip
// column marks the problem Skip on the individual (for every row of that person and error, and
// saved with the tree), a click in the Done column ticks the row in this list only, and a
// double click shows the person (a duplicate entry also opens the merge box on the pair). The
// list can be saved into "My Files" and printed.
class TProblemBox : public QDialog {
  Q_OBJECT

 public:
  TProblemBox(TFamTree& tree, reports::ProblemList& list, QWidget* parent);

  QTableView& grid() const { return *grid_; }
  ProblemTableModel& model() const { return *model_; }

  // A click in a cell: Skip in column 2, Done in column 3.
  void GridClick(int row, int column);
  // A double click on a row: the person of the problem.
  void GridDoubleClick(int row);
  void btnClearClick();
  void btnPrintClick();
  void btnPdfClick();
  [[nodiscard]] files::SavedReport btnSaveClick();

  // The printout: the list in the page layout of the printed report.
  reports::ReportJob PrintJob() const;

  static constexpr int kVisibleRows = 35;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildButtons();
  void FitSize();
  // The tree's name in the program's character set, for the headings.
  std::string TreeName() const;
  std::string ReportDate() const;

  TFamTree& tree_;
  reports::ProblemList& list_;
  ProblemTableModel* model_ = nullptr;
  QTableView* grid_ = nullptr;
};

// The printed list on any page surface: the headings of every page and the rows in columns,
// the block centred on the page.
int ProduceProblemsPrint(reports::ReportOutput& out, const reports::ProblemList& list,
                         const std::string& tree);

}  // namespace kinloom::ui
