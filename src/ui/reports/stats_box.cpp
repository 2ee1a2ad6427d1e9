#include "ui/reports/stats_box.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "core/queries.h"
#include "ui/dialogs/search_box.h"
#include "ui/main/fam_tree.h"
#include "ui/reports/bar_chart.h"
#include "ui/reports/stats_box_grid.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

using reports::StatsPage;

constexpr std::array<const char*, reports::kStatsPageCount> kTabNames = {
    "Oldest Men",   "Oldest Women", "Names Men",      "Names Women", "Last Names",
    "Birth Places", "Death Places", "Marriage Place", "Dates",       "Counts"};
constexpr std::array<const char*, reports::kStatsPageCount> kMemoNames = {
    "omRecCk", "owRecCk", "mnRecCk", "wnRecCk", "snRecCk", "bpRecCk", "dpRecCk", "mpRecCk", "", ""};
constexpr std::array<const char*, 9> kGridNames = {"omGrid", "owGrid", "mnGrid", "wnGrid", "snGrid",
                                                   "bpGrid", "dpGrid", "mpGrid", "dsGrid"};
constexpr std::array<const char*, 3> kCountGridNames = {"rcGrid", "icGrid", "acGrid"};
constexpr int kStartDigits = 6;
constexpr int kGroupGap = 10;

bool IsOldestPage(StatsPage page) {
  return page == StatsPage::kOldestMen || page == StatsPage::kOldestWomen;
}

size_t Index(StatsPage page) {
  return static_cast<size_t>(page);
}

QCheckBox* MakeBox(QWidget* parent, const char* name, const char* text) {
  auto* box = new QCheckBox(QString::fromLatin1(text), parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QSpinBox* MakeGenerations(QWidget* parent, const char* name) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(QString::fromLatin1(name));
  spin->setRange(reports::kStatsMinGenerations, reports::kStatsMaxGenerations);
  spin->setValue(reports::kStatsDefaultGenerations);
  spin->setSuffix(QStringLiteral(" generations"));
  return spin;
}

}  // namespace

TStatsBox::TStatsBox(TFamTree& tree) : QDialog(&tree), tree_(tree) {
  setObjectName(QStringLiteral("StatsBox"));
  setWindowTitle(QStringLiteral(" Statistics"));
  setModal(false);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildRestraints());
  layout->addWidget(BuildPages(), 1);
  ShowRestraints();
  ShowStart();
  // Until the first update every grid shows its headings and ranks.
  reports::StatsRestraints nobody;
  nobody.SetAll(false);
  for (int p = 0; p < reports::kStatsPageCount; ++p) {
    FillPage(reports::UpdateStatistics(tree_.store(), nobody, static_cast<StatsPage>(p),
                                       tree_.work().albums().album_count()));
  }
  resize(1200, 740);
}

TStatsBox::~TStatsBox() = default;

TStatsBox& TStatsBox::ShowFor(TFamTree& tree) {
  auto* box = tree.findChild<TStatsBox*>(QStringLiteral("StatsBox"), Qt::FindDirectChildrenOnly);
  if (box == nullptr) box = new TStatsBox(tree);
  box->show();
  box->raise();
  box->activateWindow();
  box->FormActivate();
  return *box;
}

QWidget* TStatsBox::BuildRestraints() {
  auto* group = new QGroupBox(QStringLiteral(" Search Restraints "), this);
  auto* layout = new QVBoxLayout(group);
  cb_all_ = MakeBox(group, "cbAll", "Search Everyone");
  cb_anc_ = MakeBox(group, "cbAnc1", "Ancestors Subtree");
  cb_add_sib_ = MakeBox(group, "cbAddSib", "Include Siblings and Their Families");
  cb_des_ = MakeBox(group, "cbDes1", "Descendants Subtree");
  cb_add_spc_ = MakeBox(group, "cbAddSpc", "Include Spouses of Descendants");
  ud_anc_ = MakeGenerations(group, "udAnc");
  ud_des_ = MakeGenerations(group, "udDes");
  const auto on_box = [this](QCheckBox* box, void (reports::StatsRestraints::*set)(bool)) {
    connect(box, &QCheckBox::clicked, this, [this, set](bool on) {
      (restraints_.*set)(on);
      ShowRestraints();
    });
  };
  on_box(cb_all_, &reports::StatsRestraints::SetAll);
  on_box(cb_anc_, &reports::StatsRestraints::SetAncestors);
  on_box(cb_add_sib_, &reports::StatsRestraints::SetSiblings);
  on_box(cb_des_, &reports::StatsRestraints::SetDescendants);
  on_box(cb_add_spc_, &reports::StatsRestraints::SetSpouses);
  connect(ud_anc_, &QSpinBox::valueChanged, this,
          [this](int n) { restraints_.SetAncestorGenerations(n); });
  connect(ud_des_, &QSpinBox::valueChanged, this,
          [this](int n) { restraints_.SetDescendantGenerations(n); });
  layout->addWidget(cb_all_);
  layout->addSpacing(8);
  layout->addWidget(cb_anc_);
  layout->addWidget(ud_anc_);
  layout->addWidget(cb_add_sib_);
  layout->addSpacing(8);
  layout->addWidget(cb_des_);
  layout->addWidget(ud_des_);
  layout->addWidget(cb_add_spc_);
  layout->addSpacing(8);

  auto* start = new QLabel(QStringLiteral("Start person of the subtree:"), group);
  limit_no_ = new QLineEdit(group);
  limit_no_->setObjectName(QStringLiteral("LimitNo"));
  limit_no_->setMaxLength(kStartDigits);
  limit_no_->setFixedWidth(limit_no_->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) +
                           12);
  connect(limit_no_, &QLineEdit::editingFinished, this, [this] { LimitNoExit(); });
  auto* find = new QPushButton(QStringLiteral("&Find..."), group);
  find->setObjectName(QStringLiteral("btnFind"));
  connect(find, &QPushButton::clicked, this, [this] { btnFindClick(); });
  auto* row = new QHBoxLayout;
  row->addWidget(limit_no_);
  row->addWidget(find);
  row->addStretch();
  fam_name_ = new QLabel(group);
  fam_name_->setObjectName(QStringLiteral("FamName"));
  fam_name_->setWordWrap(true);
  layout->addWidget(start);
  layout->addLayout(row);
  layout->addWidget(fam_name_);
  layout->addStretch();

  btn_update_ = new QPushButton(QStringLiteral("&Update Chart"), group);
  btn_update_->setObjectName(QStringLiteral("btnUpdate"));
  btn_update_->setToolTip(QStringLiteral(" Tabulate the page showing "));
  connect(btn_update_, &QPushButton::clicked, this, [this] { btnUpdateClick(); });
  auto* close = new QPushButton(QStringLiteral("&Close"), group);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  layout->addWidget(btn_update_);
  layout->addWidget(close);
  group->setFixedWidth(group->sizeHint().width() + 20);
  return group;
}

QWidget* TStatsBox::BuildPages() {
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("StatsPages"));
  for (int p = 0; p < reports::kStatsPageCount; ++p) {
    tabs_->addTab(BuildPage(static_cast<StatsPage>(p)), QString::fromLatin1(kTabNames[p]));
  }
  return tabs_;
}

QTableView* TStatsBox::AddGridView(StatsPage page, const char* name) {
  auto* model = new StatsGridModel(this);
  auto* view = new QTableView(this);
  view->setObjectName(QString::fromLatin1(name));
  view->setModel(model);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setWordWrap(false);
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  view->verticalHeader()->hide();
  view->horizontalHeader()->setStretchLastSection(true);
  view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  pages_[Index(page)].models.push_back(model);
  pages_[Index(page)].views.push_back(view);
  if (IsOldestPage(page)) {
    connect(view, &QTableView::doubleClicked, this,
            [this, page](const QModelIndex& index) { ShowRowPerson(page, index.row()); });
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QTableView::customContextMenuRequested, this,
            [this, page, view](const QPoint& position) { PersonMenu(page, view, position); });
  }
  return view;
}

QWidget* TStatsBox::BuildPage(StatsPage page) {
  auto* widget = new QWidget(tabs_);
  auto* layout = new QVBoxLayout(widget);
  const size_t p = Index(page);
  if (page == StatsPage::kCounts) {
    auto* row = new QHBoxLayout;
    auto* grids = new QVBoxLayout;
    for (const char* name : kCountGridNames) {
      QTableView* view = AddGridView(page, name);
      view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      grids->addWidget(view);
    }
    grids->addStretch();
    row->addLayout(grids, 3);
    counts_chart_ = new BarChart(widget);
    counts_chart_->setObjectName(QStringLiteral("acChart"));
    row->addWidget(counts_chart_, 2);
    layout->addLayout(row);
    return widget;
  }
  QTableView* view = AddGridView(page, kGridNames[p]);
  if (page == StatsPage::kDates) {
    auto* row = new QHBoxLayout;
    row->addWidget(view, 1);
    dates_chart_ = new BarChart(widget);
    dates_chart_->setObjectName(QStringLiteral("dsChart"));
    row->addWidget(dates_chart_, 1);
    layout->addLayout(row);
    return widget;
  }
  layout->addWidget(view);
  auto* memo = new QLabel(widget);
  memo->setObjectName(QString::fromLatin1(kMemoNames[p]));
  memo->setFrameShape(QFrame::StyledPanel);
  pages_[p].memo = memo;
  layout->addWidget(memo);
  return widget;
}

StatsPage TStatsBox::page() const {
  return static_cast<StatsPage>(tabs_->currentIndex());
}

void TStatsBox::ShowPage(StatsPage page) {
  tabs_->setCurrentIndex(static_cast<int>(page));
}

const StatsGridModel& TStatsBox::grid(StatsPage page, int index) const {
  return *pages_[Index(page)].models.at(static_cast<size_t>(index));
}

QTableView& TStatsBox::grid_view(StatsPage page, int index) const {
  return *pages_[Index(page)].views.at(static_cast<size_t>(index));
}

bool TStatsBox::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return QDialog::event(event);
}

void TStatsBox::FormActivate() {
  restraints_.Activate(tree_.store(), tree_.store().home_person());
  ShowStart();
}

void TStatsBox::ShowRestraints() {
  const std::array<std::pair<QCheckBox*, bool>, 5> boxes = {{{cb_all_, restraints_.all()},
                                                             {cb_anc_, restraints_.ancestors()},
                                                             {cb_add_sib_, restraints_.siblings()},
                                                             {cb_des_, restraints_.descendants()},
                                                             {cb_add_spc_, restraints_.spouses()}}};
  for (auto [box, on] : boxes) box->setChecked(on);
  btn_update_->setEnabled(restraints_.CanUpdate());
}

void TStatsBox::ShowStart() {
  const int start = restraints_.start();
  limit_no_->setText(start > 0 ? QString::number(start) : QString());
  fam_name_->setText(start > 0 ? FromAnsi(core::PersonLabel(tree_.store(), start)) : QString());
}

void TStatsBox::LimitNoExit() {
  bool number = false;
  const int typed = limit_no_->text().trimmed().toInt(&number);
  // A number that names nobody puts the previous one back.
  if (number) restraints_.SetStart(tree_.store(), typed);
  ShowStart();
}

void TStatsBox::btnFindClick() {
  const int chosen = tree_.search_box().Run();
  if (chosen > 0) restraints_.SetStart(tree_.store(), chosen);
  ShowStart();
}

void TStatsBox::btnUpdateClick() {
  if (!restraints_.CanUpdate()) return;
  tree_.CommitPendingEdit();
  setCursor(Qt::WaitCursor);
  const reports::StatsPageResult result = reports::UpdateStatistics(
      tree_.store(), restraints_, page(), tree_.work().albums().album_count());
  unsetCursor();
  FillPage(result);
}

void TStatsBox::FillPage(const reports::StatsPageResult& result) {
  Page& shown = pages_[Index(result.page)];
  for (size_t g = 0; g < shown.models.size() && g < result.grids.size(); ++g) {
    shown.models[g]->SetGrid(result.grids[g]);
    QTableView* view = shown.views[g];
    view->resizeColumnsToContents();
    // The empty columns only part the groups of figures.
    for (int c = 0; c < shown.models[g]->columnCount(); ++c) {
      if (shown.models[g]->headerData(c, Qt::Horizontal).toString().isEmpty()) {
        view->setColumnWidth(c, kGroupGap);
      }
    }
    // The small grids of the counts page show all their rows.
    if (result.page == StatsPage::kCounts) {
      view->setFixedHeight(view->verticalHeader()->length() +
                           view->horizontalHeader()->sizeHint().height() + 2 * view->frameWidth());
    }
    view->clearSelection();
    view->scrollToTop();
  }
  shown.row_individuals = result.row_individuals;
  if (shown.memo != nullptr) {
    shown.memo->setText(FromAnsi(reports::RecordsCheckedText(result.records_checked)));
  }
  FillCharts(result);
}

void TStatsBox::FillCharts(const reports::StatsPageResult& result) {
  if (result.page == StatsPage::kDates) {
    const QStringList months = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::array<std::pair<const char*, QColor>, 3> kinds = {
        {{"Births", QColor(70, 130, 200)},
         {"Deaths", QColor(120, 120, 120)},
         {"Marriages", QColor(220, 140, 40)}}};
    std::vector<BarChart::Series> series;
    for (size_t k = 0; k < kinds.size(); ++k) {
      const auto& counts = result.per_month[k];
      series.push_back({QString::fromLatin1(kinds[k].first), kinds[k].second,
                        std::vector<int>(counts.begin(), counts.end())});
    }
    dates_chart_->SetData(QStringLiteral("Births, Deaths and Marriages by Month"), months,
                          std::move(series));
  } else if (result.page == StatsPage::kCounts) {
    const QStringList ages = {"5", "10", "20", "35", "50", "65", "80", "90", "100"};
    std::vector<BarChart::Series> series;
    const std::array<std::pair<const char*, QColor>, 2> sexes = {
        {{"Men", QColor(70, 130, 200)}, {"Women", QColor(200, 80, 120)}}};
    for (size_t s = 0; s < sexes.size(); ++s) {
      const auto& counts = result.ages_reached[s];
      series.push_back({QString::fromLatin1(sexes[s].first), sexes[s].second,
                        std::vector<int>(counts.begin(), counts.end())});
    }
    counts_chart_->SetData(QStringLiteral("People Who Reached Each Age (years)"), ages,
                           std::move(series));
  }
}

int TStatsBox::RowPerson(StatsPage page, int row) const {
  if (!IsOldestPage(page)) return 0;
  const std::vector<int>& people = pages_[Index(page)].row_individuals;
  // The list's index 0 stands for the headings.
  const size_t index = static_cast<size_t>(row) + 1;
  return row >= 0 && index < people.size() ? people[index] : 0;
}

void TStatsBox::ShowRowPerson(StatsPage page, int row) {
  const int individual = RowPerson(page, row);
  if (individual <= 0 || tree_.store().individual(individual) == nullptr) return;
  tree_.CommitPendingEdit();
  tree_.ShowIndividual(individual);
}

void TStatsBox::PersonMenu(StatsPage page, QTableView* view, const QPoint& position) {
  const QModelIndex index = view->indexAt(position);
  if (!index.isValid() || RowPerson(page, index.row()) <= 0) return;
  view->selectRow(index.row());
  QMenu menu(this);
  QAction* show = menu.addAction(QStringLiteral("&Show This Person"));
  if (menu.exec(view->viewport()->mapToGlobal(position)) == show) {
    ShowRowPerson(page, index.row());
  }
}

}  // namespace kinloom::ui
