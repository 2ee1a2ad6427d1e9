#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <string_view>
#include <vector>

#include "files/tree_workspace.h"

namespace kinloom::ui {

// Brings the chart picture path of each person up to date with the person's profile picture
// (the ".jpg" beside it in the media folder, when that file exists), and their box rows with
// it. True when any box changed height, so that a chart laid out before must be laid out again.
bool SyncChartPictures(files::TreeWorkspace& work, const std::vector<int>& people);

// Chart pictures loaded on first use and kept scaled, one per file.
class ChartPictureCache {
 public:
  // The picture scaled to fit `size`; a null pixmap when the file cannot be read.
  QPixmap Picture(std::string_view path, QSize size);
  void Clear() { pictures_.clear(); }

 private:
  QHash<QString, QPixmap> pictures_;
};

}  // namespace kinloom::ui
