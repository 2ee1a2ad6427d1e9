#include "ui/main/main_commands.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace kinloom::ui {

namespace {
const QString kHelpMenu = QStringLiteral("&Help");
}

QString PlainText(const QString& text) {
  QString plain = text;
  plain.replace(QLatin1String("&&"), QStringLiteral("\x01"));
  plain.remove(QLatin1Char('&'));
  plain.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  if (plain.endsWith(QLatin1String("..."))) plain.chop(3);
  return plain;
}

MainCommands::MainCommands(QMainWindow& window) : window_(window) {}

QMenu* MainCommands::Menu(const QString& title) {
  for (QMenu* menu : menus_) {
    if (menu->title() == title) return menu;
  }
  auto* menu = new QMenu(title, &window_);
  menu->setObjectName(QStringLiteral("menu") + PlainText(title).remove(QLatin1Char(' ')));
  QMenuBar* bar = window_.menuBar();
  const bool help_last = !menus_.empty() && menus_.back()->title() == kHelpMenu;
  if (help_last) {
    bar->insertMenu(menus_.back()->menuAction(), menu);
    menus_.insert(menus_.end() - 1, menu);
  } else {
    bar->addMenu(menu);
    menus_.push_back(menu);
  }
  return menu;
}

QAction* MainCommands::Add(const QString& menu, const CommandText& command,
                           std::function<void()> run) {
  auto* action = new QAction(command.text, &window_);
  action->setObjectName(QString::fromLatin1(command.name));
  QString tip = command.tip;
  if (!command.keys.isEmpty()) {
    action->setShortcut(command.keys);
    tip += QStringLiteral(" (%1)").arg(command.keys.toString(QKeySequence::NativeText));
  }
  action->setToolTip(tip);
  action->setStatusTip(command.tip);
  QObject::connect(action, &QAction::triggered, &window_, std::move(run));
  Menu(menu)->addAction(action);
  return action;
}

void MainCommands::AddSeparator(const QString& menu) {
  Menu(menu)->addSeparator();
}

QAction* MainCommands::Find(const QString& name) const {
  for (QMenu* menu : menus_) {
    for (QAction* action : menu->actions()) {
      if (action->objectName() == name) return action;
    }
  }
  return nullptr;
}

std::vector<ShortcutLine> MainCommands::Shortcuts() const {
  std::vector<ShortcutLine> lines;
  for (QMenu* menu : menus_) {
    for (QAction* action : menu->actions()) {
      if (action->isSeparator() || action->shortcut().isEmpty()) continue;
      lines.push_back({PlainText(menu->title()), PlainText(action->text()),
                       action->shortcut().toString(QKeySequence::NativeText)});
    }
  }
  return lines;
}

}  // namespace kinloom::ui
