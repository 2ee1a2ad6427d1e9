#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

#include "core/shown_state.h"
#include "files/tree_files.h"
#include "files/tree_workspace.h"
#include "platform/interaction.h"

class QTabWidget;
class QTimer;
class QAction;

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

// The main window: one individual at a time with the relatives around, on the person,
// details and organizer pages, and the program's options and search sources. Every edit goes
// through the core's operations; the pages call TreeEdited afterwards.
class TFamTree : public QMainWindow {
  Q_OBJECT

 public:
  TFamTree(files::TreeWorkspace& work, platform::Interaction& ui, QWidget* parent = nullptr);
  ~TFamTree() override;

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
  void UpdateCaption();

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

  // Restarts the automatic-save timer after an open, a save or a change of the options.
  void RestartAutoSave();
  // One tick of the automatic-save timer: saves when the period has run out and something
  // changed, retries shortly while an edit is running, and sets the timer for the next tick.
  void AutoSaveTick();
  const QTimer& auto_save_timer() const { return *auto_save_timer_; }

 signals:
  void shownChanged();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildPages();
  void BuildActions();
  void UpdateNavigationActions();
  int FirstIndividualToShow() const;
  void ShowWithoutHistory(int individual, int spouse_index);

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
  QTimer* auto_save_timer_ = nullptr;
  QAction* back_action_ = nullptr;
  QAction* forward_action_ = nullptr;
};

}  // namespace kinloom::ui
