#include "ui/main/option_effects.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include "core/chart_cache.h"

namespace kinloom::ui {
namespace {

// Swallows tool tip and status tip events while hints are off; installed once on the
// application, so it covers every window.
class HintFilter : public QObject {
 public:
  explicit HintFilter(QObject* parent) : QObject(parent) {}
  bool shown = true;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!shown && (event->type() == QEvent::ToolTip || event->type() == QEvent::StatusTip)) {
      return true;
    }
    return QObject::eventFilter(watched, event);
  }
};

HintFilter* hint_filter = nullptr;
bool hints_shown = true;

void InstallHintFilter() {
  QCoreApplication* app = QCoreApplication::instance();
  if (hint_filter != nullptr || app == nullptr) return;
  hint_filter = new HintFilter(app);
  QObject::connect(hint_filter, &QObject::destroyed, [] { hint_filter = nullptr; });
  app->installEventFilter(hint_filter);
}

}  // namespace

void SetHintsShown(bool shown) {
  hints_shown = shown;
  InstallHintFilter();
  if (hint_filter != nullptr) hint_filter->shown = shown;
}

bool HintsShown() {
  return hints_shown;
}

void ApplyDisplayOptions(files::TreeWorkspace& work) {
  const files::ProgramSettings& options = work.program_settings();
  SetHintsShown(options.hints);
  store::RecordStore& store = work.store();
  // The chart's box heights depend on the pictures, so the caches are built again.
  if (store.show_chart_pictures() != options.profile_picture) {
    store.set_show_chart_pictures(options.profile_picture);
    core::InitializeChart(store);
  }
}

void MarkSourcesChanged(files::TreeWorkspace& work) {
  work.program_settings().sources_changed = true;
  work.session().changed.sources_changed = true;
}

}  // namespace kinloom::ui
