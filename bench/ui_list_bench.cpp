// Times the windows that list the whole individual search list (the find dialog, hide
// information, split tree) on a big tree: opening each one until its rows are painted, and
// scrolling it a page at a time by keys, by the wheel and by a jump of the scroll bar, each
// step painted. Each figure is the median and the worst of several runs, in elapsed time and
// in the processor time of the program's thread (which other programs on the machine do not
// inflate). Runs on the offscreen platform unless another is set.
//
//   kinloom-bench-ui-list TREE.ged [--grab DIR]   (--grab: saves a picture of each window)
#include <time.h>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "files/data_folders.h"
#include "files/tree_workspace.h"
#include "platform/file_io.h"
#include "platform/headless_interaction.h"
#include "reports/tree_opening.h"
#include "store/record_store.h"
#include "ui/dialogs/exclude_box.h"
#include "ui/dialogs/search_box.h"
#include "ui/dialogs/split_box.h"
#include "ui/main/fam_tree.h"
#include "ui/widgets/record_list_view.h"
#include "ui/widgets/search_list_model.h"

namespace {

using Clock = std::chrono::steady_clock;
using kinloom::ui::RecordListView;

constexpr int kOpenings = 5;

double ThreadCpuMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

template <typename Work>
double Milliseconds(Work work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Layout, posted events and a full paint of the window, as the user first sees it.
void Settle(QWidget& window) {
  QApplication::processEvents();
  window.repaint();
}

// Elapsed and processor times of repeated steps.
class Steps {
 public:
  template <typename Work>
  void Time(Work work) {
    const double cpu_start = ThreadCpuMilliseconds();
    wall_.push_back(Milliseconds(work));
    cpu_.push_back(ThreadCpuMilliseconds() - cpu_start);
  }
  void Print(const char* what) {
    std::printf("  %-24s elapsed %s, processor %s (%zu runs)\n", what, Figures(wall_).c_str(),
                Figures(cpu_).c_str(), wall_.size());
  }

 private:
  static std::string Figures(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    char text[64];
    std::snprintf(text, sizeof text, "median %6.2f ms, worst %6.2f ms", ms[ms.size() / 2],
                  ms.back());
    return text;
  }
  std::vector<double> wall_, cpu_;
};

void Key(RecordListView& view, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(&view, &press);
}

void Wheel(RecordListView& view, int angle) {
  const QPointF at(view.viewport()->width() / 2.0, view.viewport()->height() / 2.0);
  QWheelEvent event(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view.viewport(), &event);
}

// A page at a time by keys (down, then back up), a few notches of the wheel, and jumps of the
// scroll bar across the whole list; each step ends with the rows painted.
void Scroll(RecordListView& view) {
  view.setFocus();
  view.SetCurrent(view.top());
  Steps keys, wheel, jumps;
  for (int i = 0; i < 20; ++i) {
    keys.Time([&] {
      Key(view, i < 10 ? Qt::Key_PageDown : Qt::Key_PageUp);
      view.viewport()->repaint();
    });
  }
  const int page_of_notches = (view.visible_rows() + 2) / 3;  // three rows a notch
  for (int i = 0; i < 20; ++i) {
    wheel.Time([&] {
      Wheel(view, (i < 10 ? -120 : 120) * page_of_notches);
      view.viewport()->repaint();
    });
  }
  QScrollBar* bar = view.verticalScrollBar();
  for (int i = 1; i <= 20; ++i) {
    jumps.Time([&] {
      bar->setValue(static_cast<int>(static_cast<long long>(bar->maximum()) * (i % 7) / 6));
      view.viewport()->repaint();
    });
  }
  keys.Print("page keys:");
  wheel.Print("wheel, a page a step:");
  jumps.Print("scroll bar jumps:");
}

// A picture of the window, with a row highlighted.
void Grab(QWidget& window, RecordListView& view, const QString& folder, const char* name) {
  if (folder.isEmpty()) return;
  view.SetCurrent(view.top() + 3);
  const QString path = QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
  if (!window.grab().save(path)) std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() != 2 && !(args.size() == 4 && args[2] == QLatin1String("--grab"))) {
    std::fprintf(stderr, "usage: kinloom-bench-ui-list TREE.ged [--grab DIR]\n");
    return 1;
  }
  const QString grab_folder = args.size() == 4 ? args[3] : QString();
  using namespace kinloom;
  QTemporaryDir home;
  platform::HeadlessInteraction ui;
  store::RecordStore store(ui);
  platform::LocalFileSystem file_system;
  reports::LinkCheckSession links;
  files::TreeWorkspace work(store, files::DataFoldersAt(home.path().toStdString(), ""), file_system,
                            reports::CheckedTreeReader(links));
  (void)files::MakeDataFolders(work.folders());
  ui::TFamTree window(work, ui);
  files::OpenRequest request;
  request.path = args[1].toStdString();
  bool opened = false;
  const double open_ms = Milliseconds([&] { opened = window.OpenTreeFile(request); });
  if (!opened) {
    std::fprintf(stderr, "cannot open %s\n", argv[1]);
    return 2;
  }
  const int people = store.individual_search_list().size();
  std::printf("tree %s: %d people in the search list, opened in %.0f ms\n", argv[1], people,
              open_ms);

  {
    Steps first, again;
    ui::TSearchBox* box = nullptr;
    first.Time([&] {
      box = &window.search_box();
      box->result_list().Reload();
      box->show();
      Settle(*box);
    });
    for (int i = 0; i < kOpenings; ++i) {
      box->hide();
      again.Time([&] {
        box->result_list().Reload();
        box->show();
        Settle(*box);
      });
    }
    std::printf("find dialog\n");
    first.Print("made and opened:");
    again.Print("opened again:");
    Scroll(box->result_list());
    Grab(*box, box->result_list(), grab_folder, "find");
    box->hide();
  }
  {
    Steps opening, closing;
    std::unique_ptr<ui::TExcludeBox> box;
    for (int i = 0; i < kOpenings; ++i) {
      opening.Time([&] {
        box = std::make_unique<ui::TExcludeBox>(window);
        box->show();
        Settle(*box);
      });
      if (i + 1 == kOpenings) break;
      closing.Time([&] { box->reject(); });
    }
    std::printf("hide information\n");
    opening.Print("opened:");
    closing.Print("closed (death lines):");
    Scroll(box->grid());
    Grab(*box, box->grid(), grab_folder, "hide");
    box->reject();
  }
  {
    Steps opening;
    std::unique_ptr<ui::TSplitBox> box;
    for (int i = 0; i < kOpenings; ++i) {
      box.reset();
      opening.Time([&] {
        box = std::make_unique<ui::TSplitBox>(window);
        box->show();
        Settle(*box);
      });
    }
    std::printf("split tree\n");
    opening.Print("opened:");
    Scroll(box->list());
    Grab(*box, box->list(), grab_folder, "split");
  }
  {
    ui::SearchListModel model(store.individual_search_list());
    model.SetColumns({ui::SearchKeyColumn(store.individual_search_list())});
    Steps reload;
    for (int i = 0; i < kOpenings; ++i) reload.Time([&] { model.Reload(); });
    std::printf("model without views\n");
    reload.Print("reload:");
  }
  return 0;
}
