#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;

namespace kinloom::ui {

// What a command shows: the action's object name, its menu text with the mnemonic ("Save
// &As..."), its shortcut (none when empty) and its hint.
struct CommandText {
  const char* name;
  QString text;
  QKeySequence keys;
  QString tip;
};

// One line of the keyboard shortcuts list.
struct ShortcutLine {
  QString menu;     // "File"
  QString command;  // "Save As"
  QString keys;     // "Ctrl+Shift+S"
};

// The main window's commands: one QAction per command, placed in the menus of the menu bar and
// shared with the tool bar. Adding an entry, or a menu with its first entry, is one call to Add.
// The Help menu stays last: a menu made after it goes before it.
class MainCommands {
 public:
  explicit MainCommands(QMainWindow& window);

  // Appends a command to the menu titled `menu` ("&Tools"), making the menu when it is new.
  // The hint shows by the cursor with the shortcut, and in the status bar.
  QAction* Add(const QString& menu, const CommandText& command, std::function<void()> run);
  // A line before the next entry of the menu.
  void AddSeparator(const QString& menu);
  // The menu of that title, made when it is new.
  QMenu* Menu(const QString& title);
  // The action of that object name; nullptr for none.
  QAction* Find(const QString& name) const;
  // The commands that have a shortcut, in menu order.
  std::vector<ShortcutLine> Shortcuts() const;

 private:
  QMainWindow& window_;
  std::vector<QMenu*> menus_;
};

// A menu title or command text as a list shows it: without the mnemonic and the trailing dots.
QString PlainText(const QString& text);

}  // namespace kinloom::ui
