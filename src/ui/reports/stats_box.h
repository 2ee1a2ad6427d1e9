#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "reports/statistics_pages.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;

namespace kinloom::ui {

class BarChart;
class StatsGridModel;
class TFamTree;

// " Statistics": the tree, or the ancestor or descendant subtree of a start person, tabulated
// on ten pages, each filled by "Update Chart" for the page showing. The main window keeps one
// window for the whole run of the program, so the restraints and the start person persist.
class TStatsBox : public QDialog {
  Q_OBJECT

 public:
  explicit TStatsBox(TFamTree& tree);
  ~TStatsBox() override;

  // The main window's statistics window, made on first use, shown and brought to the front.
  static TStatsBox& ShowFor(TFamTree& tree);

  const reports::StatsRestraints& restraints() const { return restraints_; }
  reports::StatsPage page() const;
  void ShowPage(reports::StatsPage page);
  // A grid of a page (the counts page has three) and its view.
  const StatsGridModel& grid(reports::StatsPage page, int index = 0) const;
  QTableView& grid_view(reports::StatsPage page, int index = 0) const;
  BarChart& dates_chart() const { return *dates_chart_; }
  BarChart& counts_chart() const { return *counts_chart_; }

  // The window comes to the front: the start person and the restraints-changed flag.
  void FormActivate();
  // "Update Chart": tabulates for the page showing.
  void btnUpdateClick();
  // A double click on a row (from 0, the first row below the headings) of an oldest list:
  // its person becomes the main window's current person.
  void ShowRowPerson(reports::StatsPage page, int row);
  // The individual of a row of an oldest list, or 0.
  int RowPerson(reports::StatsPage page, int row) const;

 protected:
  bool event(QEvent* event) override;

 private:
  struct Page {
    std::vector<StatsGridModel*> models;
    std::vector<QTableView*> views;
    QLabel* memo = nullptr;
    std::vector<int> row_individuals;
  };

  QWidget* BuildRestraints();
  QWidget* BuildPages();
  QWidget* BuildPage(reports::StatsPage page);
  QTableView* AddGridView(reports::StatsPage page, const char* name);
  // After a box or the start person changed: the boxes as the restraints have them.
  void ShowRestraints();
  void ShowStart();
  void LimitNoExit();
  void btnFindClick();
  void FillPage(const reports::StatsPageResult& result);
  void FillCharts(const reports::StatsPageResult& result);
  void PersonMenu(reports::StatsPage page, QTableView* view, const QPoint& position);

  TFamTree& tree_;
  reports::StatsRestraints restraints_;
  QCheckBox* cb_all_ = nullptr;
  QCheckBox* cb_anc_ = nullptr;
  QCheckBox* cb_add_sib_ = nullptr;
  QCheckBox* cb_des_ = nullptr;
  QCheckBox* cb_add_spc_ = nullptr;
  QSpinBox* ud_anc_ = nullptr;
  QSpinBox* ud_des_ = nullptr;
  QLineEdit* limit_no_ = nullptr;
  QLabel* fam_name_ = nullptr;
  QPushButton* btn_update_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  std::array<Page, reports::kStatsPageCount> pages_;
  BarChart* dates_chart_ = nullptr;
  BarChart* counts_chart_ = nullptr;
};

}  // namespace kinloom::ui
