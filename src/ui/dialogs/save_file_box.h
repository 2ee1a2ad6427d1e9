#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kinloom::ui {

class TFamTree;

// The save dialog: the tree's name with the live explanation of what saving will do, and the
// buttons of the reduced copies.
class TSaveFileBox : public QDialog {
  Q_OBJECT

 public:
  explicit TSaveFileBox(TFamTree& tree);

  // Asks for the folder a tree is copied to (a USB stick); empty when none was chosen. Tests
  // replace the folder dialog.
  using FolderChooser = std::function<QString(QWidget* parent, const QString& start_folder)>;
  void SetFolderChooser(FolderChooser chooser) { choose_folder_ = std::move(chooser); }

 private:
  QWidget* BuildNamePart();
  QWidget* BuildCopyPart();
  QWidget* BuildBackupPart();
  QWidget* BuildDrivePart();
  // Rebuilds the explanation for the name typed; cuts a typed ".ged".
  void SaveNameChange();
  void btnSaveNormalClick();
  void SaveCopy(int kind);
  // Copies the saved tree with its side files and pictures to a chosen folder.
  void btnCopyTreeClick();

  TFamTree& tree_;
  FolderChooser choose_folder_;
  std::string startup_name_;  // the tree name when the dialog opened
  bool updating_ = false;     // the dialog's own change of the name field
  QLineEdit* save_name_ = nullptr;
  QListWidget* explanation_ = nullptr;
  QPushButton* save_ = nullptr;
  QLabel* split_file_ = nullptr;
  QLabel* hide_file_ = nullptr;
};

}  // namespace kinloom::ui
