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

constexpr const char* kHintFilterName = "kinloom-hint-filter";

// The application owns the filter, so the setting lives as long as the program does and there
// is one for every window.
HintFilter* ProgramHintFilter(bool make) {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) return nullptr;
  auto* filter = static_cast<HintFilter*>(
      app->findChild<QObject*>(kHintFilterName, Qt::FindDirectChildrenOnly));
  if (filter == nullptr && make) {
    filter = new HintFilter(app);
    filter->setObjectName(kHintFilterName);
    app->installEventFilter(filter);
  }
  return filter;
}

}  // namespace

void SetHintsShown(bool shown) {
  if (HintFilter* filter = ProgramHintFilter(true); filter != nullptr) filter->shown = shown;
}

bool HintsShown() {
  const HintFilter* filter = ProgramHintFilter(false);
  return filter == nullptr || filter->shown;
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
