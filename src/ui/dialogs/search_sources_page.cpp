#include "ui/dialogs/search_sources_page.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "files/search_sources.h"
#include "ui/dialogs/search_source_box.h"
#include "ui/main/fam_tree.h"
#include "ui/main/option_effects.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

// Up and Down repeat while held: first after this delay, then at this interval.
constexpr int kMoveRepeatDelayMs = 400;
constexpr int kMoveRepeatIntervalMs = 200;

QTableWidgetItem* Cell(const std::string& text) {
  auto* item = new QTableWidgetItem(FromAnsi(text));
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  return item;
}

std::vector<files::SearchSite>& Sites(TFamTree& tree) {
  return tree.work().program_settings().search_sites;
}

// Rows between and after the sites are real rows of the list; they are filled in before a
// site moves onto one.
void CoverRows(std::vector<files::SearchSite>& sites, size_t count) {
  if (sites.size() < count) sites.resize(count);
}

}  // namespace

SearchSourcesPage::SearchSourcesPage(TFamTree& tree, QWidget* parent)
    : QWidget(parent), tree_(tree) {
  setObjectName(QStringLiteral("search"));
  open_link_ = [](const QString& link) { QDesktopServices::openUrl(QUrl(link)); };
  edit_site_ = [this](const QString& caption, const files::SearchSite& site) {
    return TSearchSourceBox::Edit(this, caption, site);
  };
  grid_ = new QTableWidget(0, 2, this);
  grid_->setObjectName(QStringLiteral("SchGrid"));
  grid_->setHorizontalHeaderLabels(
      {FromAnsi(files::kSearchNameHeading), FromAnsi(files::kSearchAddressHeading)});
  grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->setColumnWidth(0, 320);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setWordWrap(false);
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 8);
  connect(grid_, &QTableWidget::cellDoubleClicked, this,
          [this](int row, int) { SchGridDblClick(row); });

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(
      AddButton("btnSchNew", QStringLiteral("&New"), &SearchSourcesPage::btnSchNewClick));
  buttons->addWidget(
      AddButton("btnSchModify", QStringLiteral("&Modify"), &SearchSourcesPage::btnSchModifyClick));
  buttons->addWidget(
      AddButton("btnSchDel", QStringLiteral("De&lete"), &SearchSourcesPage::btnSchDelClick));
  buttons->addSpacing(16);
  buttons->addWidget(
      AddButton("btnSchUp", QStringLiteral("Move &Up"), &SearchSourcesPage::btnSchUpClick));
  buttons->addWidget(
      AddButton("btnSchDown", QStringLiteral("Move Do&wn"), &SearchSourcesPage::btnSchDownClick));
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addLayout(buttons);
  ShowRows(0);
}

QPushButton* SearchSourcesPage::AddButton(const char* name, const QString& text,
                                          void (SearchSourcesPage::*handler)()) {
  auto* button = new QPushButton(text, this);
  button->setObjectName(QString::fromLatin1(name));
  const bool moves = handler == &SearchSourcesPage::btnSchUpClick ||
                     handler == &SearchSourcesPage::btnSchDownClick;
  if (moves) {
    // A move happens as the button goes down and again while it is held.
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(kMoveRepeatDelayMs);
    button->setAutoRepeatInterval(kMoveRepeatIntervalMs);
    connect(button, &QPushButton::pressed, this, handler);
  } else {
    connect(button, &QPushButton::clicked, this, handler);
  }
  return button;
}

void SearchSourcesPage::Refresh() {
  ShowRows(SelectedRow());
}

void SearchSourcesPage::ShowRows(size_t select) {
  const std::vector<files::SearchSite>& sites = Sites(tree_);
  const size_t rows = std::max(files::kSearchGridMinimumRows, sites.size());
  grid_->setRowCount(static_cast<int>(rows));
  for (size_t row = 0; row < rows; ++row) {
    const files::SearchSite site = row < sites.size() ? sites[row] : files::SearchSite{};
    grid_->setItem(static_cast<int>(row), 0, Cell(site.name));
    grid_->setItem(static_cast<int>(row), 1, Cell(site.address));
  }
  SelectRow(select);
}

size_t SearchSourcesPage::SelectedRow() const {
  const int row = grid_->currentRow();
  return row < 0 ? 0 : static_cast<size_t>(row);
}

void SearchSourcesPage::SelectRow(size_t row) {
  const int last = grid_->rowCount() - 1;
  grid_->setCurrentCell(std::min(static_cast<int>(row), last), 0);
}

void SearchSourcesPage::SitesChanged(size_t select) {
  MarkSourcesChanged(tree_.work());
  ShowRows(select);
}

bool SearchSourcesPage::RowsEmpty(size_t first, size_t second) const {
  const std::vector<files::SearchSite>& sites = Sites(tree_);
  const auto empty = [&](size_t row) { return row >= sites.size() || sites[row].empty(); };
  return empty(first) && empty(second);
}

void SearchSourcesPage::btnSchNewClick() {
  const size_t row = SelectedRow();
  const auto site = edit_site_(FromAnsi(files::kAddSearchSiteCaption), {});
  if (!site) return;
  if (files::AddSearchSite(&tree_.work().program_settings(), row, *site)) SitesChanged(row);
}

void SearchSourcesPage::btnSchModifyClick() {
  const size_t row = SelectedRow();
  const std::vector<files::SearchSite>& sites = Sites(tree_);
  const files::SearchSite now = row < sites.size() ? sites[row] : files::SearchSite{};
  const auto site = edit_site_(FromAnsi(files::kModifySearchSiteCaption), now);
  if (!site) return;
  if (files::ModifySearchSite(&tree_.work().program_settings(), row, *site)) SitesChanged(row);
}

void SearchSourcesPage::btnSchDelClick() {
  const size_t row = SelectedRow();
  const std::vector<files::SearchSite>& sites = Sites(tree_);
  if (row >= sites.size()) return;  // an empty row below the list: nothing to remove
  const platform::Answer answer =
      tree_.ui().Ask("Confirm", files::DeleteSearchSiteQuestion(sites[row]),
                     platform::Icon::kQuestion, platform::Buttons::kYesNo);
  if (answer != platform::Answer::kYes) return;
  if (files::DeleteSearchSite(&tree_.work().program_settings(), row)) SitesChanged(row);
}

void SearchSourcesPage::btnSchUpClick() {
  const size_t row = SelectedRow();
  if (row == 0) return;
  if (RowsEmpty(row, row - 1)) return SelectRow(row - 1);
  CoverRows(Sites(tree_), row + 1);
  SitesChanged(files::MoveSearchSiteUp(&tree_.work().program_settings(), row));
}

void SearchSourcesPage::btnSchDownClick() {
  const size_t row = SelectedRow();
  if (row + 1 >= static_cast<size_t>(grid_->rowCount())) return;
  if (RowsEmpty(row, row + 1)) return SelectRow(row + 1);
  CoverRows(Sites(tree_), row + 2);
  SitesChanged(files::MoveSearchSiteDown(&tree_.work().program_settings(), row));
}

void SearchSourcesPage::SchGridDblClick(int row) {
  const std::vector<files::SearchSite>& sites = Sites(tree_);
  if (row < 0 || static_cast<size_t>(row) >= sites.size()) return;
  const std::string link = files::SearchSiteLink(sites[static_cast<size_t>(row)].address);
  if (!link.empty()) open_link_(FromAnsi(link));
}

}  // namespace kinloom::ui
