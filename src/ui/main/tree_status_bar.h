#pragma once

#include <QStatusBar>
#include <QString>
#include <optional>

#include "platform/clock.h"

class QLabel;

namespace kinloom::store {
class RecordStore;
}

namespace kinloom::ui {

// The last save of the session: under which name, when, and whether the timer made it.
struct SaveMark {
  QString tree;
  platform::DateTime at;
  bool automatic = false;
};

// What the status bar tells of the open tree.
struct TreeStatus {
  QString tree;
  int people = 0;
  int families = 0;
  bool changed = false;  // changes only a save keeps
  std::optional<SaveMark> saved;
};

// The main window's status bar: the tree's name, its people and families, and whether it has
// unsaved changes or when it was saved. Hints and passing messages show at its left.
class TreeStatusBar : public QStatusBar {
  Q_OBJECT

 public:
  explicit TreeStatusBar(QWidget* parent);

  void Show(const TreeStatus& status);

  // "62 people, 25 families".
  static QString CountsText(int people, int families);
  // "Unsaved changes", "Saved at 14:32", "Unsaved changes (saved at 14:32)", "No changes".
  static QString StateText(const TreeStatus& status);

 private:
  QLabel* tree_ = nullptr;
  QLabel* counts_ = nullptr;
  QLabel* state_ = nullptr;
};

// People and families of the tree (the marker family of a tree without families not counted).
int CountPeople(const store::RecordStore& store);
int CountFamilies(const store::RecordStore& store);

}  // namespace kinloom::ui
