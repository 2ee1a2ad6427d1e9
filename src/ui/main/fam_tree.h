#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/shown_state.h"
#include "files/tree_files.h"
#include "files/tree_workspace.h"
#include "platform/interaction.h"
#include "reports/link_checker.h"
#include "ui/main/main_commands.h"
#include "ui/main/tree_status_bar.h"

class QTabWidget;
class QTimer;

namespace kinloom::ui {

class PersonPage;
class DetailsPage;
class OrganizerPage;
class SearchSourcesPage;
class WebSettingsPage;
class ChartPage;
class PicturesPage;
class TSearchBox;
class TMergeBox;
class TPrintBox;
class TRelateBox;

// What the file commands ask beyond the interaction layer's questions; tests answer them.
struct FilePrompts {
  // The name of a new tree; empty when the user cancels.
  std::function<QString(QWidget* parent)> new_tree_name;
  // A tree file to merge into the open one; empty when none was chosen.
  std::function<QString(QWidget* parent, const QString& folder)> merge_file;
  // The start window after Close: the .ged chosen; empty when it was cancelled.
  std::function<std::string(files::TreeWorkspace& work, platform::Interaction& ui)> start_window;
};

// The dialogs of FilePrompts.
FilePrompts DefaultFilePrompts();

// The main window: one individual at a time with the relatives around, on the person,
// details and organizer pages, and the program's options and search sources. Every edit goes
// through the core's operations; the pages call TreeEdited afterwards. Every command is in the
// menu bar (see commands()); the tool bar holds the common ones.
class TFamTree : public QMainWindow {
  Q_OBJECT

 public:
  TFamTree(files::TreeWorkspace& work, platform::Interaction& ui, QWidget* parent = nullptr);
  ~TFamTree() override;

  // The menus' commands: a later window adds its entry with commands().Add(...).
  MainCommands& commands() { return commands_; }
  FilePrompts& prompts() { return prompts_; }
  TreeStatusBar& status_bar() { return *status_bar_; }

  files::TreeWorkspace& work() { return work_; }
  store::RecordStore& store() { return work_.store(); }
  platform::Interaction& ui() { return ui_; }
  const core::ShownState& shown() const { return shown_; }
  core::NavigationHistory& history() { return history_; }

  // Writes the box being typed in on the person or details page, as leaving it would. Every
  // move to another person, page, dialog or tree, and every save and closing, calls it first,
  // so what was typed belongs to the person it was typed for and is saved.
  void CommitPendingEdit();

  // Moving between people. ShowIndividual adds a history entry; an individual that does not
  // exist is not shown.
  void ShowIndividual(int individual);
  // Another marriage of the shown individual (index into shown().families).
  void ShowSpouse(int spouse_index);
  void GoBack();
  void GoForward();
  void GoHome();

  // After an edit: takes the store's changes into the session, works out the shown state again
  // (the shown person or family may be gone) and refreshes every page and the caption.
  void TreeEdited();
  void RefreshPages();

  // The source the person page's citation button cites (0 for none).
  int selected_source() const { return selected_source_; }
  void SetSelectedSource(int source);

  // Pages by name: "person", "details", "organizer", "chart", "pictures", "search", "web".
  // False for an unknown name.
  bool ShowPage(const QString& name);
  PersonPage* person_page() { return person_page_; }
  DetailsPage* details_page() { return details_page_; }
  OrganizerPage* organizer_page() { return organizer_page_; }
  SearchSourcesPage* search_sources_page() { return search_sources_page_; }
  WebSettingsPage* web_settings_page() { return web_settings_page_; }
  ChartPage* chart_page() { return chart_page_; }
  PicturesPage* pictures_page() { return pictures_page_; }

  // Files. OpenTreeFile opens (or merges) and shows the tree's first person; false when the
  // tree could not be read (the message was shown).
  bool OpenTreeFile(const files::OpenRequest& request);
  // The save button: with `asked`, the save dialog; without, save all under the tree's name.
  void SaveTree(bool asked);
  // The caption and the status bar, after an edit, an open or a save.
  void UpdateCaption();

  // The file commands of the menu.
  void NewTreeClick();
  void MergeFileClick();
  void SaveCopyClick();
  // Closes the tree as closing the window does, then shows the start window; the program ends
  // when that is cancelled.
  void CloseTreeClick();
  void CheckLinksClick();

  // Deletes an individual after the question, with the album items of their pictures; false
  // when nothing was deleted.
  bool DeleteIndividual(int individual);

  // The dialogs of the window.
  void FindClick();
  void OpenClick();
  void OptionsClick();
  void SourcesClick();
  void HideInformationClick();
  void SplitTreeClick();
  TSearchBox& search_box();
  // The merge box on two individuals: the organizer's pair, or two found elsewhere. True when
  // the user merged them.
  bool ShowMergeBox(int first, int second);
  TMergeBox& merge_box();
  // The reports window and the relationship calculator (kept, so their settings and numbers
  // stay between openings). ShowRelationship opens the calculator on two individuals.
  void ShowReports();
  void ShowRelationship(int person1, int person2);
  TPrintBox& print_box();
  TRelateBox& relate_box();

  // Restarts the automatic-save timer after an open, a save or a change of the options.
  void RestartAutoSave();
  // One tick of the automatic-save timer: saves when the period has run out and something
  // changed, retries shortly while an edit is running, and sets the timer for the next tick.
  void AutoSaveTick();
  const QTimer& auto_save_timer() const { return *auto_save_timer_; }

 signals:
  void shownChanged();
  // TreeEdited ran: windows beside the main one show the tree as it is now.
  void treeEdited();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildPages();
  // The menus and the tool bar (fam_tree_commands.cpp).
  void BuildActions();
  void BuildFileMenu();
  void BuildEditMenu();
  void BuildGoAndToolsMenus();
  void BuildReportsMenu();
  void BuildHelpMenu();
  void BuildToolBar();
  void UpdateActions();
  // Runs a command of the person page on the shown person, on that page.
  void PersonCommand(void (PersonPage::*command)());
  void ShortcutsClick();
  void AboutClick();

  int FirstIndividualToShow() const;
  void ShowWithoutHistory(int individual, int spouse_index);
  void UpdateStatus();

  // Files (fam_tree_files.cpp).
  // The save dialog, with the focus on the reduced copies for `copies`.
  void RunSaveDialog(bool copies);
  void NoteSave(bool automatic);
  // Asks to save the changes before another tree comes, and saves with the save dialog; false
  // when the user cancels or the save did not happen.
  bool ConfirmLeavingTree();
  // The steps of closing a tree: the save question, then the .cfg and sources.web; false when
  // the user cancels.
  bool CloseTree();
  // The instructions for a new tree, once, when the window shows it.
  void ShowPendingInstructions();
  // What an import or merge did not carry over, once the window shows.
  void ShowDroppedLines();

  files::TreeWorkspace& work_;
  platform::Interaction& ui_;
  core::NavigationHistory history_;
  core::ShownState shown_;
  int selected_source_ = 0;
  bool first_shown_ = false;

  QTabWidget* pages_ = nullptr;
  PersonPage* person_page_ = nullptr;
  DetailsPage* details_page_ = nullptr;
  OrganizerPage* organizer_page_ = nullptr;
  SearchSourcesPage* search_sources_page_ = nullptr;
  WebSettingsPage* web_settings_page_ = nullptr;
  ChartPage* chart_page_ = nullptr;
  PicturesPage* pictures_page_ = nullptr;
  TSearchBox* search_box_ = nullptr;
  TMergeBox* merge_box_ = nullptr;
  TPrintBox* print_box_ = nullptr;
  TRelateBox* relate_box_ = nullptr;
  QTimer* auto_save_timer_ = nullptr;
  MainCommands commands_;
  FilePrompts prompts_;
  TreeStatusBar* status_bar_ = nullptr;
  std::optional<SaveMark> last_save_;
  bool tree_closed_ = false;                // Close ended the program: the window goes unasked
  bool instructions_pending_ = false;       // a new tree waits for its instructions
  bool dropped_pending_ = false;            // the last read's dropped lines wait to be shown
  reports::LinkCheckSession link_session_;  // the ignores confirmed by Check Links
};

}  // namespace kinloom::ui
