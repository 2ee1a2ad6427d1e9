#include "ui/chart_pictures.h"

#include "core/chart_cache.h"
#include "files/media_albums.h"

namespace kinloom::ui {
namespace {

std::string ChartPictureOf(const files::TreeWorkspace& work,
                           const store::IndividualRecord& person) {
  const std::string picture = files::ProfilePictureFile(person.lines);
  if (picture.empty()) return {};
  return files::ChartPicturePath(work.folders().media, picture);
}

}  // namespace

bool SyncChartPictures(files::TreeWorkspace& work, const std::vector<int>& people) {
  store::RecordStore& store = work.store();
  bool changed = false;
  for (int n : people) {
    store::IndividualRecord* person = store.individual(n);
    if (n == 0 || person == nullptr) continue;
    const std::string path = ChartPictureOf(work, *person);
    if (path == person->thumbPath.view()) continue;
    if (path.empty()) {
      person->thumbPath.Reset();
    } else {
      person->thumbPath.Set(path);
    }
    const uint16_t rows = person->boxLines;
    core::RefreshPersonTexts(store, n);
    changed = changed || person->boxLines != rows;
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
