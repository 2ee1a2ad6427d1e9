// The main window's file commands: open, new, merge, save, close, automatic save and the link
// check of the open tree.
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QPushButton>
#include <QTimer>

#include "core/chart_cache.h"
#include "files/data_folders.h"
#include "files/media_profile.h"
#include "files/report_files.h"
#include "store/search_lists.h"
#include "ui/dialogs/open_box.h"
#include "ui/dialogs/save_file_box.h"
#include "ui/dialogs/search_box.h"
#include "ui/dialogs/search_sources_page.h"
#include "ui/dialogs/start_box.h"
#include "ui/main/fam_tree.h"
#include "ui/main/option_effects.h"
#include "ui/website/web_settings_page.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

namespace {

using platform::Icon;

QString AskNewTreeName(QWidget* parent) {
  bool ok = false;
  const QString name = QInputDialog::getText(parent, QStringLiteral("New Family Tree"),
                                             QStringLiteral("Name of the new family tree:"),
                                             QLineEdit::Normal, QString(), &ok);
  return ok ? name : QString();
}

QString ChooseMergeFile(QWidget* parent, const QString& folder) {
  return QFileDialog::getOpenFileName(parent, QStringLiteral("Merge Family Tree File"), folder,
                                      QStringLiteral("Family Tree Files (GED) (*.ged)"));
}

std::string RunStartWindow(files::TreeWorkspace& work, platform::Interaction& ui) {
  TStartBox start(work, ui);
  return start.exec() == QDialog::Accepted ? start.chosen_file() : std::string();
}

std::string LinkCheckSummary(const reports::LinkCheckResult& result) {
  if (result.problems == 0) return "No broken links were found.";
  std::string text = std::to_string(result.problems) + " broken links were found.\n\n" +
                     std::to_string(result.repaired) + " repaired\n" +
                     std::to_string(result.removed) + " removed\n" +
                     std::to_string(result.problems - result.repaired - result.removed) +
                     " left unchanged";
  if (result.stopped) text += "\n\nThe check was stopped before the end.";
  return text;
}

}  // namespace

FilePrompts DefaultFilePrompts() {
  return {AskNewTreeName, ChooseMergeFile, RunStartWindow};
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
    last_save_.reset();
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
  dropped_pending_ = !work_.last_dropped().empty();
  if (dropped_pending_ && isVisible()) QTimer::singleShot(0, this, [this] { ShowDroppedLines(); });
  // A tree that was not read is a new one: how to begin, once, when the window shows it.
  if (!request.merge) {
    instructions_pending_ = work_.session().save_state < 0;
    if (instructions_pending_ && isVisible()) {
      QTimer::singleShot(0, this, [this] { ShowPendingInstructions(); });
    }
  }
  return true;
}

void TFamTree::ShowPendingInstructions() {
  if (!instructions_pending_) return;
  instructions_pending_ = false;
  files::ShowNewTreeInstructions(ui_);
}

void TFamTree::ShowDroppedLines() {
  if (!dropped_pending_) return;
  dropped_pending_ = false;
  files::ReportSaveContext context{ui_, work_.file_system(), work_.folders().my_files,
                                   work_.program_settings()};
  if (files::OfferDroppedLinesReport(context, work_.last_dropped()).outcome ==
      files::SaveOutcome::kSaved) {
    MarkSourcesChanged(work_);  // the report file counter moved on
  }
}

void TFamTree::OpenClick() {
  CommitPendingEdit();
  TOpenBox box(*this);
  box.exec();
}

void TFamTree::NewTreeClick() {
  CommitPendingEdit();
  const std::string name =
      files::NewTreeNameFromField(ToAnsi(prompts_.new_tree_name(this).trimmed()));
  if (name.empty()) return;
  if (const Status usable = files::CheckTreeName(name); !usable.ok()) {
    ui_.Message(files::kTreeNameCaption, usable.message(), Icon::kExclamation);
    return;
  }
  files::OpenRequest request;
  request.path = files::TreeFile(work_.folders().gedcom, name, ".ged");
  if (files::FileExists(request.path)) {
    ui_.Message(files::kTreeNameCaption,
                "There is already a family tree named \"" + name +
                    "\".\n\nOpen it with \"Open\", or choose another name.",
                Icon::kExclamation);
    return;
  }
  if (ConfirmLeavingTree()) OpenTreeFile(request);
}

void TFamTree::MergeFileClick() {
  CommitPendingEdit();
  const QString chosen = prompts_.merge_file(this, QString::fromStdString(work_.folders().gedcom));
  if (chosen.isEmpty()) return;
  files::OpenRequest request;
  request.path = chosen.toStdString();
  request.merge = true;
  OpenTreeFile(request);
}

void TFamTree::SaveTree(bool asked) {
  if (asked) return RunSaveDialog(false);
  CommitPendingEdit();
  files::TreeSession& session = work_.session();
  files::TakeStoreChanges(session, store());
  if (!files::CheckWritable(session, ui_)) return;
  if (!session.tree_name.empty() &&
      files::SaveWithoutDialog(session, work_.folders(), work_.SaveStepsWired(), ui_).ok()) {
    NoteSave(false);
  }
  UpdateCaption();
  RestartAutoSave();
}

void TFamTree::SaveCopyClick() {
  RunSaveDialog(true);
}

void TFamTree::RunSaveDialog(bool copies) {
  CommitPendingEdit();
  files::TakeStoreChanges(work_.session(), store());
  if (!files::CheckWritable(work_.session(), ui_)) return;
  TSaveFileBox box(*this);
  // The reduced copies are the dialog's lower part: their first button takes the focus.
  if (auto* split = box.findChild<QPushButton*>(QStringLiteral("btnSaveSplit")); copies && split) {
    split->setFocus();
  }
  if (box.exec() == QDialog::Accepted) NoteSave(false);
  UpdateCaption();
  RestartAutoSave();
}

void TFamTree::NoteSave(bool automatic) {
  last_save_ = SaveMark{FromAnsi(work_.session().tree_name), ui_.clock().Now(), automatic};
}

bool TFamTree::ConfirmLeavingTree() {
  files::TreeSession& session = work_.session();
  files::TakeStoreChanges(session, store());
  const files::SaveChangesAnswer answer = files::ConfirmSaveChanges(session, true, ui_);
  if (!answer.proceed && !answer.save_first) return false;
  if (!answer.save_first) return true;
  SaveTree(true);
  files::TakeStoreChanges(session, store());
  // The save was cancelled or failed: the changes would be lost.
  return !session.changed.TreeChanged();
}

bool TFamTree::CloseTree() {
  CommitPendingEdit();
  files::TreeSession& session = work_.session();
  files::TakeStoreChanges(session, store());
  bool save = true;
  while (session.changed.TreeChanged() && save) {
    const files::SaveChangesAnswer answer = files::ConfirmSaveChanges(session, false, ui_);
    if (!answer.proceed) return false;
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
  return true;
}

void TFamTree::CloseTreeClick() {
  if (!CloseTree()) return;
  // The start window stands alone while the main window is hidden; closing it must not end
  // the program by itself.
  const bool quit_on_close = QApplication::quitOnLastWindowClosed();
  QApplication::setQuitOnLastWindowClosed(false);
  hide();
  bool opened = false;
  while (!opened) {
    const std::string chosen = prompts_.start_window(work_, ui_);
    if (chosen.empty()) break;
    files::OpenRequest request;
    request.path = chosen;
    opened = OpenTreeFile(request);
  }
  QApplication::setQuitOnLastWindowClosed(quit_on_close);
  if (opened) {
    status_bar_->clearMessage();
    show();
    activateWindow();
    return;
  }
  tree_closed_ = true;
  close();
  // The window was hidden already, so closing it does not end the program by itself.
  QCoreApplication::quit();
}

void TFamTree::CheckLinksClick() {
  CommitPendingEdit();
  ui_.ProgressShow("Check Links", "");
  const reports::LinkCheckResult result = reports::CheckLinks(store(), link_session_);
  ui_.ProgressHide();
  if (result.repaired + result.removed > 0) {
    // Records may have come or gone: the chart texts and search lists are built again, as
    // after reading the tree.
    core::InitializeChart(store());
    store::BuildIndividualSearchList(store(), 1);
    store::BuildFamilySearchList(store(), 1);
    if (search_box_ != nullptr) search_box_->ListRebuilt();
  }
  TreeEdited();
  ui_.Message("Check Links", LinkCheckSummary(result), Icon::kInformation);
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
  if (decision.action == files::AutoSaveAction::kSave) {
    // A failed save was reported and leaves the tree changed.
    if (!work_.session().changed.TreeChanged()) NoteSave(true);
    UpdateCaption();
  }
  auto_save_timer_->start(decision.next_tick_ms);
}

void TFamTree::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (first_shown_) {
    if (instructions_pending_) QTimer::singleShot(0, this, [this] { ShowPendingInstructions(); });
    if (dropped_pending_) QTimer::singleShot(0, this, [this] { ShowDroppedLines(); });
    return;
  }
  first_shown_ = true;
  QTimer::singleShot(0, this, [this] {
    files::ShowFirstActivationMessages(work_.session(), ui_);
    ShowDroppedLines();
    ShowPendingInstructions();
  });
}

void TFamTree::closeEvent(QCloseEvent* event) {
  if (tree_closed_ || CloseTree()) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace kinloom::ui
