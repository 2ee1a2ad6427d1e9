#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <utility>

class QBoxLayout;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kinloom::ui {

class TFamTree;

// The open dialog: the trees of the gedcom folder (or the backups), with open, merge, dual,
// delete and browse.
class TOpenBox : public QDialog {
  Q_OBJECT

 public:
  explicit TOpenBox(TFamTree& tree);

  // Starts a second copy of the program; true when it started.
  using Launcher = std::function<bool(const QString& program, const QStringList& arguments)>;
  // Asks for a tree file to copy in; empty when none was chosen.
  using FileChooser = std::function<QString(QWidget* parent, const QString& start_folder)>;
  // Tests replace the real process start and file dialog.
  void SetLauncher(Launcher launcher) { launch_ = std::move(launcher); }
  void SetFileChooser(FileChooser chooser) { choose_file_ = std::move(chooser); }
  // Asks for the folder a tree is copied from; empty when none was chosen.
  using FolderChooser = std::function<QString(QWidget* parent, const QString& start_folder)>;
  // Picks one of the trees found there; empty when none was picked.
  using TreeChooser = std::function<QString(QWidget* parent, const QStringList& trees)>;
  void SetFolderChooser(FolderChooser chooser) { choose_folder_ = std::move(chooser); }
  void SetTreeChooser(TreeChooser chooser) { choose_tree_ = std::move(chooser); }

  // Lists the trees again (or the backups while they are shown).
  void RefreshList();

 private:
  void BuildButtons(QBoxLayout* layout);
  void UpdateButtons();
  std::string ListedFolder() const;
  std::string SelectedPath() const;

  void btnOpenClick();
  void btnMergeClick();
  void btnDualClick();
  void btnDeleteClick();
  void btnBrowseClick();
  // Copies a tree file from another folder into the gedcom folder; false when nothing was
  // copied.
  bool CopyTreeIn(const std::string& path);
  // "Copy Family Tree From Another Folder": a tree with its side files and pictures from a
  // folder laid out as a data home (a USB stick the save dialog copied to).
  void btnCopyFromClick();
  // Asks before the open tree is replaced; false to stop.
  bool ConfirmCopyOverOpen(const std::string& folder, const std::string& name);

  TFamTree& tree_;
  Launcher launch_;
  FileChooser choose_file_;
  FolderChooser choose_folder_;
  TreeChooser choose_tree_;
  QListWidget* file_list_ = nullptr;
  QCheckBox* show_backups_ = nullptr;
  QLineEdit* new_tree_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* merge_ = nullptr;
  QPushButton* dual_ = nullptr;
  QPushButton* delete_ = nullptr;
};

}  // namespace kinloom::ui
