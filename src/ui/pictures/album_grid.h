#pragma once

#include <QTableWidget>

namespace kinloom::files {
class MediaAlbums;
}

namespace kinloom::ui {

// The album-name grid: 13 columns of 8 names, album i in column i / 8, row i % 8. Editing a
// cell renames its album; pointing at a cell shows the album's name and picture count.
class AlbumGrid : public QTableWidget {
  Q_OBJECT

 public:
  static constexpr int kColumns = 13;

  explicit AlbumGrid(QWidget* parent);

  // Shows the albums' names and hints; the selected cell stays.
  void Fill(const files::MediaAlbums& albums);
  // The album index of the selected cell (column * 8 + row), also for a cell past the last
  // album (where a new album goes).
  int selected_slot() const;
  void SelectSlot(int slot);

 signals:
  void albumRenamed(int index, const QString& name);
  void albumPointed(int index);

 private:
  void CellEdited(QTableWidgetItem* cell);

  bool filling_ = false;
  int album_count_ = 0;
};

}  // namespace kinloom::ui
