#include "ui/main/program.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>
#include <charconv>
#include <iostream>

#include "files/data_folders.h"
#include "files/program_files.h"
#include "files/tree_workspace.h"
#include "platform/file_io.h"
#include "platform/headless_interaction.h"
#include "reports/tree_opening.h"
#include "store/record_store.h"
#include "ui/dialogs/start_box.h"
#include "ui/main/fam_tree.h"
#include "ui/main/qt_interaction.h"
#include "ui/reports/print_box.h"
#include "ui/reports/stats_box.h"

namespace kinloom::ui {
namespace {

constexpr const char* kUsage =
    "usage: kinloom [--home DIR] [--screenshot OUT.png [--page NAME]] [TREE.ged [COPY]]\n"
    "       kinloom --version | --help\n";

bool ParseCopyNumber(const std::string& text, int* number) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *number);
  return error == std::errc() && end == text.data() + text.size() && *number >= 0;
}

files::DataFolders MakeFolders(const std::string& home_option, std::string* error) {
  const std::string home = files::DataHome(home_option, files::Environment::FromProcess());
  files::DataFolders folders = files::DataFoldersAt(home, files::FindProgramFiles().data);
  const Status made = files::MakeDataFolders(folders);
  if (!made.ok()) *error = made.message();
  return folders;
}

bool ShowInnerTab(QWidget& window, const QString& tab) {
  if (tab.isEmpty()) return true;
  for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
    if (!tabs->isVisibleTo(&window)) continue;
    for (int i = 0; i < tabs->count(); ++i) {
      if (tabs->tabText(i).remove(QLatin1Char('&')).compare(tab, Qt::CaseInsensitive) != 0)
        continue;
      tabs->setCurrentIndex(i);
      return true;
    }
  }
  return false;
}

files::OpenRequest RequestFor(files::TreeWorkspace& work, const ProgramArgs& args) {
  files::OpenRequest request;
  request.path = work.ResolveTree(args.tree);
  request.sole_argument = args.tree_arguments == 1;
  request.copy_number = args.copy_number;
  return request;
}

// The window rendered off screen on a tree, without questions: every question takes its
// default answer and the data home is a temporary one unless --home names one.
int RunScreenshot(const ProgramArgs& args) {
  QTemporaryDir temporary_home;
  ProgramArgs used = args;
  if (used.home.empty()) used.home = temporary_home.path().toStdString();
  std::string error;
  files::DataFolders folders = MakeFolders(used.home, &error);
  if (!error.empty()) {
    std::cerr << "kinloom: cannot make the data folders: " << error << "\n";
    return 1;
  }
  platform::HeadlessInteraction ui;
  ui.EchoTo(&std::cerr);
  store::RecordStore store(ui);
  platform::LocalFileSystem file_system;
  reports::LinkCheckSession links;
  files::TreeWorkspace work(store, folders, file_system, reports::CheckedTreeReader(links));
  TFamTree window(work, ui);
  files::OpenRequest request;
  if (used.tree.empty()) {
    request.path = files::TreeFile(folders.gedcom, "New Family Tree", ".ged");
  } else {
    request = RequestFor(work, used);
  }
  if (!window.OpenTreeFile(request)) return 1;
  window.show();
  if (!SaveScreenshot(window, QString::fromStdString(used.page),
                      QString::fromStdString(used.screenshot), &error)) {
    std::cerr << "kinloom: " << error << "\n";
    return 1;
  }
  return 0;
}

int RunWindow(const ProgramArgs& args) {
  std::string error;
  files::DataFolders folders = MakeFolders(args.home, &error);
  if (!error.empty()) {
    std::cerr << "kinloom: cannot make the data folders: " << error << "\n";
    return 1;
  }
  QtInteraction ui;
  store::RecordStore store(ui);
  ui.SetStore(&store);  // the link fixer shows the records a broken link concerns
  platform::LocalFileSystem file_system;
  reports::LinkCheckSession links;
  files::TreeWorkspace work(store, folders, file_system, reports::CheckedTreeReader(links));
  TFamTree window(work, ui);
  ui.SetParent(&window);

  files::OpenRequest request;
  if (args.tree.empty()) {
    TStartBox start(work, ui);
    if (start.exec() != QDialog::Accepted) return 0;
    request.path = start.chosen_file();
  } else {
    request = RequestFor(work, args);
  }
  if (!window.OpenTreeFile(request)) return 1;
  window.show();
  window.activateWindow();
  return QApplication::exec();
}

}  // namespace

std::optional<ProgramArgs> ParseProgramArgs(const std::vector<std::string>& args,
                                            std::string* error) {
  ProgramArgs parsed;
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (arg == "--home" || arg == "--screenshot" || arg == "--page") {
      if (!has_value) {
        *error = arg + " needs a value";
        return std::nullopt;
      }
      std::string& target = arg == "--home"         ? parsed.home
                            : arg == "--screenshot" ? parsed.screenshot
                                                    : parsed.page;
      target = args[++i];
    } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
      *error = "unknown option " + arg;
      return std::nullopt;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() > 2) {
    *error = "too many arguments";
    return std::nullopt;
  }
  parsed.tree_arguments = static_cast<int>(positional.size());
  if (!positional.empty()) parsed.tree = positional[0];
  if (positional.size() == 2 && !ParseCopyNumber(positional[1], &parsed.copy_number)) {
    *error = "the copy number must be a number: " + positional[1];
    return std::nullopt;
  }
  return parsed;
}

bool SaveScreenshot(TFamTree& window, const QString& page, const QString& path,
                    std::string* error) {
  // "chart:Descendants" shows a tab of a page's own tabs (the chart's views).
  const QString page_name = page.section(QLatin1Char(':'), 0, 0);
  const QString tab_name = page.section(QLatin1Char(':'), 1);
  // "reports" is the reports window over the main window ("reports:Wall Chart" one of its pages);
  // "statistics" the statistics window with the page named tabulated ("statistics:Dates").
  QWidget* shown = &window;
  TStatsBox* stats = nullptr;
  if (page_name == QStringLiteral("reports")) {
    window.ShowReports();
    shown = &window.print_box();
  } else if (page_name == QStringLiteral("statistics")) {
    stats = &TStatsBox::ShowFor(window);
    shown = stats;
  } else if (!window.ShowPage(page_name)) {
    shown = nullptr;
  }
  if (shown == nullptr || !ShowInnerTab(*shown, tab_name)) {
    *error = "unknown page " + page.toStdString();
    return false;
  }
  if (stats != nullptr) stats->btnUpdateClick();
  QApplication::processEvents();
  const QPixmap shot = shown->grab();
  if (!shot.save(path, "PNG")) {
    *error = "cannot write " + path.toStdString();
    return false;
  }
  return true;
}

int RunProgram(int argc, char** argv) {
  std::vector<std::string> list(argv + 1, argv + argc);
  if (list.size() == 1 && (list[0] == "--version" || list[0] == "--help")) {
    if (list[0] == "--version") std::cout << "kinloom " << files::ProgramVersion() << "\n";
    if (list[0] == "--help") std::cout << kUsage;
    return 0;
  }
  std::string error;
  const std::optional<ProgramArgs> args = ParseProgramArgs(list, &error);
  if (!args) {
    std::cerr << "kinloom: " << error << "\n" << kUsage;
    return 2;
  }
  if (!args->screenshot.empty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kinloom"));
  QApplication::setApplicationVersion(QString::fromUtf8(files::ProgramVersion()));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kinloom")));
  return args->screenshot.empty() ? RunWindow(*args) : RunScreenshot(*args);
}

}  // namespace kinloom::ui
