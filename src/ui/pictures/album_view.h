#pragma once

#include <QWidget>

#include "files/media_albums.h"

class QComboBox;
class QListWidget;

namespace kinloom::ui {

// One of the two album lists: a chooser of the album shown and the album's items.
class AlbumView : public QWidget {
  Q_OBJECT

 public:
  // `list` is 0 (left) or 1 (right); the chooser is named ShowAlbum0 or ShowAlbum1, the item
  // list AlbumItems0 or AlbumItems1.
  AlbumView(int list, QWidget* parent);

  // Shows the album the albums give this list, with the current item selected when it is
  // among its items.
  void Fill(const files::MediaAlbums& albums);

  // The items' texts again after an edit of a title (the items stay as they are).
  void UpdateTexts(const files::MediaAlbums& albums);

  QComboBox* chooser() const { return chooser_; }
  QListWidget* items() const { return items_; }

 signals:
  void albumChosen(int list, int album);
  void itemChosen(files::ItemRef item);

 private:
  QString ItemText(const files::MediaItem& item) const;

  int list_;
  int album_ = -1;
  bool filling_ = false;
  QComboBox* chooser_;
  QListWidget* items_;
};

}  // namespace kinloom::ui
