#pragma once

#include <QDialog>
#include <QString>

#include "files/tree_workspace.h"
#include "platform/interaction.h"

namespace kinloom::ui {

// The start window: reads the program's options, deletes old backups, lists the trees and
// takes the name of a new one.
class TStartBox : public QDialog {
  Q_OBJECT

 public:
  TStartBox(files::TreeWorkspace& work, platform::Interaction& ui, QWidget* parent = nullptr);

  // The .ged to open once the window was accepted (a new tree's file does not exist yet).
  QString chosen_path() const { return chosen_path_; }

 private:
  files::TreeWorkspace& work_;
  platform::Interaction& ui_;
  QString chosen_path_;
};

}  // namespace kinloom::ui
