#include "ui/main/fam_tree.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

#include "files/data_folders.h"
#include "files/media_profile.h"
#include "ui/chart/chart_page.h"
#include "ui/dialogs/exclude_box.h"
#include "ui/dialogs/merge_box.h"
#include "ui/dialogs/open_box.h"
#include "ui/dialogs/option_box.h"
#include "ui/dialogs/save_file_box.h"
#include "ui/dialogs/search_box.h"
#include "ui/dialogs/search_sources_page.h"
#include "ui/dialogs/sources_box.h"
#include "ui/dialogs/split_box.h"
#include "ui/main/option_effects.h"
#include "ui/person/details_page.h"
#include "ui/person/organizer_page.h"
#include "ui/person/person_page.h"
#include "ui/pictures/pictures_page.h"
#include "ui/website/web_settings_page.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

namespace {
constexpr std::string_view kProgramTitle = "Kinloom";
}

TFamTree::TFamTree(files::TreeWorkspace& work, platform::Interaction& ui, QWidget* parent)
    : QMainWindow(parent), work_(work), ui_(ui), history_(work.store()) {
  setObjectName(QStringLiteral("TFamTree"));
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
  statusBar();
}

void TFamTree::BuildActions() {
  QToolBar* bar = addToolBar(QStringLiteral("Main"));
  bar->setObjectName(QStringLiteral("mainToolBar"));
  bar->setMovable(false);
  auto add = [&](const QString& name, const QString& text, const QKeySequence& keys,
                 const QString& tip, auto handler) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcut(keys);
    action->setToolTip(tip);
    connect(action, &QAction::triggered, this, handler);
    bar->addAction(action);
    return action;
  };
  add(QStringLiteral("actOpen"), QStringLiteral("Open"), QKeySequence::Open,
      QStringLiteral("Open, merge or delete a family tree"), [this] { OpenClick(); });
  add(QStringLiteral("actSave"), QStringLiteral("Save"), QKeySequence::Save,
      QStringLiteral("Save the family tree"), [this] { SaveTree(false); });
  add(QStringLiteral("actSaveAs"), QStringLiteral("Save As..."), QKeySequence::SaveAs,
      QStringLiteral("Save under another name, or save a reduced copy"),
      [this] { SaveTree(true); });
  bar->addSeparator();
  back_action_ = add(QStringLiteral("actBack"), QStringLiteral("Back"), QKeySequence::Back,
                     QStringLiteral("The individual shown before"), [this] { GoBack(); });
  forward_action_ =
      add(QStringLiteral("actForward"), QStringLiteral("Forward"), QKeySequence::Forward,
          QStringLiteral("The individual shown after"), [this] { GoForward(); });
  add(QStringLiteral("actHome"), QStringLiteral("Home"), QKeySequence(Qt::ALT | Qt::Key_Home),
      QStringLiteral("The home person"), [this] { GoHome(); });
  add(QStringLiteral("actFind"), QStringLiteral("Find"), QKeySequence::Find,
      QStringLiteral("Search for an individual"), [this] { FindClick(); });
  bar->addSeparator();
  add(QStringLiteral("actSources"), QStringLiteral("Sources"), QKeySequence(Qt::CTRL | Qt::Key_R),
      QStringLiteral("Source records and citations"), [this] { SourcesClick(); });
  add(QStringLiteral("actOptions"), QStringLiteral("Options"),
      QKeySequence(Qt::CTRL | Qt::Key_Comma), QStringLiteral("The program's options"),
      [this] { OptionsClick(); });
  bar->addSeparator();
  add(QStringLiteral("actHide"), QStringLiteral("Hide Information"),
      QKeySequence(Qt::CTRL | Qt::Key_H),
      QStringLiteral("Which individuals and details the web site and copies leave out"),
      [this] { HideInformationClick(); });
  add(QStringLiteral("actSplit"), QStringLiteral("Split Tree"), QKeySequence(Qt::CTRL | Qt::Key_T),
      QStringLiteral("Choose the individuals of a split copy of the tree"),
      [this] { SplitTreeClick(); });
  UpdateNavigationActions();
}

void TFamTree::UpdateCaption() {
  setWindowTitle(FromAnsi(files::WindowCaption(work_.session(), kProgramTitle)));
}

void TFamTree::UpdateNavigationActions() {
  if (back_action_ != nullptr) back_action_->setEnabled(history_.CanGoBack());
  if (forward_action_ != nullptr) forward_action_->setEnabled(history_.CanGoForward());
}

void TFamTree::ShowWithoutHistory(int individual, int spouse_index) {
  store().set_current_individual(individual);
  shown_ = core::ComputeShownState(store(), individual, spouse_index);
  RefreshPages();
  UpdateNavigationActions();
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
  UpdateNavigationActions();
}

void TFamTree::GoForward() {
  CommitPendingEdit();
  for (int n = history_.Forward(); n >= 0; n = history_.Forward()) {
    if (store().individual(n) != nullptr) return ShowWithoutHistory(n, 0);
  }
  UpdateNavigationActions();
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

bool TFamTree::OpenTreeFile(const files::OpenRequest& request) {
  CommitPendingEdit();
  files::TakeStoreChanges(work_.session(), store());
  const Status opened =
      files::OpenTree(work_.session(), work_.folders(), request, work_.OpenStepsWired(), ui_);
  if (!opened.ok()) return false;
  if (!request.merge) {
    history_.Clear();
    selected_source_ = 0;
  }
  if (search_box_ != nullptr) search_box_->ListRebuilt();
  ApplyDisplayOptions(work_);
  files::FillChartPictures(store(), work_.folders().media);
  const int first = FirstIndividualToShow();
  history_.Visit(first);
  ShowWithoutHistory(first, 0);
  search_sources_page_->Refresh();
  web_settings_page_->Refresh();
  UpdateCaption();
  RestartAutoSave();
  return true;
}

void TFamTree::SaveTree(bool asked) {
  CommitPendingEdit();
  files::TakeStoreChanges(work_.session(), store());
  if (!files::CheckWritable(work_.session(), ui_)) return;
  if (asked) {
    TSaveFileBox box(*this);
    box.exec();
  } else if (!work_.session().tree_name.empty()) {
    (void)files::SaveWithoutDialog(work_.session(), work_.folders(), work_.SaveStepsWired(), ui_);
  }
  UpdateCaption();
  RestartAutoSave();
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

void TFamTree::OpenClick() {
  CommitPendingEdit();
  TOpenBox box(*this);
  box.exec();
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

void TFamTree::RestartAutoSave() {
  files::TreeSession& session = work_.session();
  files::RestartAutoSavePeriod(session, ui_.clock().Now());
  if (!session.auto_save.enabled || session.read_only) {
    auto_save_timer_->stop();
    return;
  }
  auto_save_timer_->start(files::AutoSavePeriodMs(session));
}

void TFamTree::AutoSaveTick() {
  // A tick during an edit only waits; otherwise the box being typed in is written first.
  if (store().busy_depth() == 0) CommitPendingEdit();
  files::TakeStoreChanges(work_.session(), store());
  const files::AutoSaveDecision decision = files::AutoSaveTick(
      work_.session(), work_.folders(), store().busy_depth() > 0, work_.SaveStepsWired(), ui_);
  if (decision.action == files::AutoSaveAction::kOff) return;
  if (decision.action == files::AutoSaveAction::kSave) UpdateCaption();
  auto_save_timer_->start(decision.next_tick_ms);
}

void TFamTree::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (first_shown_) return;
  first_shown_ = true;
  int individuals = 0;
  for (int n = 1; n <= store().highest_individual() && individuals < 2; ++n) {
    if (store().individual(n) != nullptr) ++individuals;
  }
  QTimer::singleShot(0, this, [this, individuals] {
    files::ShowFirstActivationMessages(work_.session(), individuals, ui_);
  });
}

void TFamTree::closeEvent(QCloseEvent* event) {
  CommitPendingEdit();
  files::TreeSession& session = work_.session();
  files::TakeStoreChanges(session, store());
  bool save = true;
  while (session.changed.TreeChanged() && save) {
    const files::SaveChangesAnswer answer = files::ConfirmSaveChanges(session, false, ui_);
    if (!answer.proceed) {
      event->ignore();
      return;
    }
    save = answer.save_first;
    if (save) {
      (void)files::SaveWithoutDialog(session, work_.folders(), work_.SaveStepsWired(), ui_);
      files::TakeStoreChanges(session, store());
    }
  }
  auto_save_timer_->stop();
  statusBar()->showMessage(QStringLiteral("Closing Family Tree File"));
  // The web-site settings and the options are kept whatever the answer; a failed write is
  // reported there.
  (void)files::WriteSettingsOnClose(session, work_.folders(), work_.SaveStepsWired(), ui_);
  event->accept();
}

}  // namespace kinloom::ui
