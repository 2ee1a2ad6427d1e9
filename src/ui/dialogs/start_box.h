#pragma once

#include <QDialog>
#include <QString>
#include <string>

#include "files/tree_workspace.h"
#include "platform/interaction.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace kinloom::ui {

// The start window: reads the program's options, deletes old backups, lists the trees and
// takes the name of a new one.
class TStartBox : public QDialog {
  Q_OBJECT

 public:
  TStartBox(files::TreeWorkspace& work, platform::Interaction& ui, QWidget* parent = nullptr);

  // The .ged to open once the window was accepted (a new tree's file does not exist yet).
  QString chosen_path() const { return QString::fromStdString(chosen_file_); }
  // The same path byte for byte, as the file system names it.
  const std::string& chosen_file() const { return chosen_file_; }

  // Reads sources.web and deletes the backups older than the days to keep; runs once, when
  // the window is first shown.
  void FormShow();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void btnOpenClick();
  void UpdateButtons();

  files::TreeWorkspace& work_;
  platform::Interaction& ui_;
  std::string chosen_file_;
  bool shown_ = false;
  QListWidget* file_list_ = nullptr;
  QLineEdit* new_tree_ = nullptr;
  QPushButton* open_ = nullptr;
};

}  // namespace kinloom::ui
