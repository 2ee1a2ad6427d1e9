#include "ui/chart/chart_pictures.h"

#include "files/media_profile.h"

namespace kinloom::ui {
bool SyncChartPictures(files::TreeWorkspace& work, const std::vector<int>& people) {
  store::RecordStore& store = work.store();
  bool changed = false;
  for (int n : people) {
    store::IndividualRecord* person = store.individual(n);
    if (n == 0 || person == nullptr) continue;
    const uint16_t rows = person->boxLines;
    if (files::RefreshChartPicture(store, n, work.folders().media)) {
      changed = changed || person->boxLines != rows;
    }
  }
  return changed;
}

QPixmap ChartPictureCache::Picture(std::string_view path, QSize size) {
  // The path is a file name of the local file system, not a tree text.
  const QString file = QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
  const QString key = QStringLiteral("%1|%2x%3").arg(file).arg(size.width()).arg(size.height());
  auto found = pictures_.constFind(key);
  if (found != pictures_.constEnd()) return *found;
  QPixmap loaded(file);
  if (!loaded.isNull()) {
    loaded = loaded.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  pictures_.insert(key, loaded);
  return loaded;
}

}  // namespace kinloom::ui
