#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "files/tree_workspace.h"
#include "platform/file_io.h"
#include "platform/headless_interaction.h"
#include "store/record_store.h"
#include "support/test_support.h"
#include "ui/main/fam_tree.h"

namespace kinloom::testing {

// The main window over a tree of its own, in a temporary data home, with a fixed clock and
// scripted answers: every question the window asks goes to `ui`.
struct WindowFixture {
  TempDir home;
  platform::FixedClock clock{TestNow()};
  platform::HeadlessInteraction ui{&clock};
  store::RecordStore store{ui};
  platform::LocalFileSystem file_system;
  reports::LinkCheckSession links;
  files::TreeWorkspace work;
  std::unique_ptr<ui::TFamTree> window;

  WindowFixture();
  ~WindowFixture();

  // Writes the records (lines of an own-format file, without header and trailer) as the tree
  // `name` of the gedcom folder, opens it and shows `show` (when not 0). False when the open
  // failed.
  bool Load(const std::vector<std::string>& record_lines, int show = 1,
            const std::string& name = "Test");
  std::string GedcomPath(const std::string& name = "Test") const;
  // The lines of an individual or family record as they are now.
  std::vector<std::string> Person(int n) const;
  std::vector<std::string> Family(int n) const;
};

// The child widget of that object name and type; the test fails (fatally) without one.
template <typename T>
T* Child(QWidget* parent, const char* name) {
  T* found = parent->findChild<T*>(QString::fromLatin1(name));
  if (found == nullptr) qFatal("no widget named %s", name);
  return found;
}

// Types a text into a line edit as a user does (replacing what it held) and leaves the box.
void TypeAndLeave(QLineEdit* edit, const QString& text);
// Clicks a button (a check box toggles).
void Click(QAbstractButton* button);

// True when `lines` holds a line equal to `text`.
bool HasLine(const std::vector<std::string>& lines, const std::string& text);

}  // namespace kinloom::testing
