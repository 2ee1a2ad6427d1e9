#include "ui/main/fam_tree.h"

#include <QTabWidget>
#include <QTimer>

#include "ui/chart/chart_page.h"
#include "ui/dialogs/exclude_box.h"
#include "ui/dialogs/merge_box.h"
#include "ui/dialogs/option_box.h"
#include "ui/dialogs/search_box.h"
#include "ui/dialogs/search_sources_page.h"
#include "ui/dialogs/sources_box.h"
#include "ui/dialogs/split_box.h"
#include "ui/main/option_effects.h"
#include "ui/person/details_page.h"
#include "ui/person/organizer_page.h"
#include "ui/person/person_page.h"
#include "ui/pictures/pictures_page.h"
#include "ui/reports/print_box.h"
#include "ui/reports/relate_box.h"
#include "ui/website/web_settings_page.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

namespace {
constexpr std::string_view kProgramTitle = "Kinloom";
}

TFamTree::TFamTree(files::TreeWorkspace& work, platform::Interaction& ui, QWidget* parent)
    : QMainWindow(parent),
      work_(work),
      ui_(ui),
      history_(work.store()),
      commands_(*this),
      prompts_(DefaultFilePrompts()) {
  setObjectName(QStringLiteral("TFamTree"));
  // Hints show by the cursor also while another window is active (under some window managers
  // the program's window is not activated when it opens).
  setAttribute(Qt::WA_AlwaysShowToolTips);
  BuildPages();
  BuildActions();
  auto_save_timer_ = new QTimer(this);
  auto_save_timer_->setSingleShot(true);
  connect(auto_save_timer_, &QTimer::timeout, this, [this] { AutoSaveTick(); });
  resize(1280, 800);
  UpdateCaption();
}

TFamTree::~TFamTree() {
  // The pages go while the window is whole: a box that loses the focus as widgets are destroyed
  // writes its text through the window. The focus leaves first, so what was typed is kept, and
  // nothing is edited after that.
  if (QWidget* focused = focusWidget()) focused->clearFocus();
  for (QObject* child : findChildren<QObject*>()) child->blockSignals(true);
  delete pages_;
}

void TFamTree::BuildPages() {
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("pages"));
  person_page_ = new PersonPage(*this, pages_);
  details_page_ = new DetailsPage(*this, pages_);
  organizer_page_ = new OrganizerPage(*this, pages_);
  chart_page_ = new ChartPage(*this, pages_);
  pictures_page_ = new PicturesPage(*this, pages_);
  search_sources_page_ = new SearchSourcesPage(*this, pages_);
  web_settings_page_ = new WebSettingsPage(*this, pages_);
  pages_->addTab(person_page_, QStringLiteral("&Person"));
  pages_->addTab(details_page_, QStringLiteral("&Details"));
  pages_->addTab(organizer_page_, QStringLiteral("&Organizer"));
  pages_->addTab(chart_page_, QStringLiteral("&Chart"));
  pages_->addTab(pictures_page_, QStringLiteral("P&ictures"));
  pages_->addTab(search_sources_page_, QStringLiteral("&Search Sources"));
  pages_->addTab(web_settings_page_, QStringLiteral("&Web Site"));
  // A box left typed in on the page before (when the focus did not leave it) is written now;
  // the person shown has not changed.
  connect(pages_, &QTabWidget::currentChanged, this, [this] { CommitPendingEdit(); });
  setCentralWidget(pages_);
  status_bar_ = new TreeStatusBar(this);
  setStatusBar(status_bar_);
}

void TFamTree::UpdateCaption() {
  setWindowTitle(FromAnsi(files::WindowCaption(work_.session(), kProgramTitle)));
  UpdateStatus();
}

void TFamTree::UpdateStatus() {
  files::TakeStoreChanges(work_.session(), store());
  TreeStatus status;
  status.tree = FromAnsi(work_.session().tree_name);
  status.people = CountPeople(store());
  status.families = CountFamilies(store());
  status.changed = work_.session().changed.TreeChanged();
  status.saved = last_save_;
  status_bar_->Show(status);
}

void TFamTree::ShowWithoutHistory(int individual, int spouse_index) {
  store().set_current_individual(individual);
  shown_ = core::ComputeShownState(store(), individual, spouse_index);
  RefreshPages();
  UpdateActions();
  emit shownChanged();
}

void TFamTree::CommitPendingEdit() {
  person_page_->CommitPendingEdit();
  details_page_->CommitPendingEdit();
}

void TFamTree::ShowIndividual(int individual) {
  CommitPendingEdit();
  if (store().individual(individual) == nullptr) return;
  history_.Visit(individual);
  ShowWithoutHistory(individual, 0);
}

void TFamTree::ShowSpouse(int spouse_index) {
  CommitPendingEdit();
  ShowWithoutHistory(shown_.individual, spouse_index);
}

void TFamTree::GoBack() {
  CommitPendingEdit();
  for (int n = history_.Back(); n >= 0; n = history_.Back()) {
    if (store().individual(n) != nullptr) return ShowWithoutHistory(n, 0);
  }
  UpdateActions();
}

void TFamTree::GoForward() {
  CommitPendingEdit();
  for (int n = history_.Forward(); n >= 0; n = history_.Forward()) {
    if (store().individual(n) != nullptr) return ShowWithoutHistory(n, 0);
  }
  UpdateActions();
}

void TFamTree::GoHome() {
  CommitPendingEdit();
  const int home = store().home_person();
  ShowIndividual(store().individual(home) != nullptr ? home : FirstIndividualToShow());
}

int TFamTree::FirstIndividualToShow() const {
  const store::RecordStore& tree = work_.store();
  if (tree.individual(tree.current_individual()) != nullptr) return tree.current_individual();
  if (tree.individual(tree.home_person()) != nullptr) return tree.home_person();
  for (int n = 1; n <= tree.highest_individual(); ++n) {
    if (tree.individual(n) != nullptr) return n;
  }
  return 0;
}

void TFamTree::TreeEdited() {
  files::TakeStoreChanges(work_.session(), store());
  int individual = shown_.individual;
  if (store().individual(individual) == nullptr) individual = FirstIndividualToShow();
  ShowWithoutHistory(individual, shown_.spouse_index);
  UpdateCaption();
  emit treeEdited();
}

void TFamTree::RefreshPages() {
  person_page_->Refresh();
  details_page_->Refresh();
  organizer_page_->Refresh();
  chart_page_->Refresh();
  pictures_page_->Refresh();
}

void TFamTree::SetSelectedSource(int source) {
  selected_source_ = source;
  person_page_->Refresh();
}

bool TFamTree::ShowPage(const QString& name) {
  QWidget* page = nullptr;
  if (name == QLatin1String("person")) page = person_page_;
  if (name == QLatin1String("details")) page = details_page_;
  if (name == QLatin1String("organizer")) page = organizer_page_;
  if (name == QLatin1String("chart")) page = chart_page_;
  if (name == QLatin1String("pictures")) page = pictures_page_;
  if (name == QLatin1String("search")) page = search_sources_page_;
  if (name == QLatin1String("web")) page = web_settings_page_;
  if (page == nullptr) return false;
  CommitPendingEdit();
  pages_->setCurrentWidget(page);
  return true;
}

void TFamTree::FindClick() {
  CommitPendingEdit();
  const int chosen = search_box().Run();
  if (chosen >= 0) ShowIndividual(chosen);
}

TSearchBox& TFamTree::search_box() {
  if (search_box_ == nullptr) search_box_ = new TSearchBox(store(), this);
  return *search_box_;
}

bool TFamTree::ShowMergeBox(int first, int second) {
  CommitPendingEdit();
  return merge_box().Run(first, second);
}

TMergeBox& TFamTree::merge_box() {
  if (merge_box_ == nullptr) merge_box_ = new TMergeBox(*this);
  return *merge_box_;
}

void TFamTree::ShowReports() {
  print_box().Open();
}

void TFamTree::ShowRelationship(int person1, int person2) {
  relate_box().OpenWith(person1, person2);
}

TPrintBox& TFamTree::print_box() {
  if (print_box_ == nullptr) print_box_ = new TPrintBox(*this);
  return *print_box_;
}

TRelateBox& TFamTree::relate_box() {
  if (relate_box_ == nullptr) relate_box_ = new TRelateBox(*this);
  return *relate_box_;
}

void TFamTree::OptionsClick() {
  CommitPendingEdit();
  TOptionBox box(*this);
  box.exec();
  RefreshPages();
  RestartAutoSave();
}

void TFamTree::SourcesClick() {
  CommitPendingEdit();
  TSourcesBox box(*this);
  box.exec();
  TreeEdited();
}

void TFamTree::HideInformationClick() {
  CommitPendingEdit();
  TExcludeBox box(*this);
  box.exec();
  TreeEdited();
}

void TFamTree::SplitTreeClick() {
  CommitPendingEdit();
  TSplitBox box(*this);
  box.exec();
  TreeEdited();
}

}  // namespace kinloom::ui
