// The pictures page's album operations: the name grid, adding, removing and moving albums, and
// the albums the two lists show.
#include <QComboBox>
#include <QListWidget>

#include "ui/main/fam_tree.h"
#include "ui/pictures/album_grid.h"
#include "ui/pictures/album_view.h"
#include "ui/pictures/pictures_page.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

int PicturesPage::SelectedAlbum() const {
  const int slot = grid_->selected_slot();
  return slot < tree_.work().albums().album_count() ? slot : -1;
}

void PicturesPage::btnAddAlbumClick() {
  // A new album goes to the selected cell; without one, after the last album.
  const int slot = grid_->selected_slot();
  const int added = albums().AddAlbum(slot < 0 ? albums().album_count() : slot, tree_.ui());
  if (added < 0) return;
  AlbumsChanged();
  grid_->SelectSlot(added);
  FillAll();
}

void PicturesPage::btnRemoveAlbumClick() {
  const int index = SelectedAlbum();
  if (index < 0 || !albums().RemoveAlbum(index, tree_.ui())) return;
  AlbumsChanged();
  FillAll();
}

void PicturesPage::btnAlbumEarlierClick() {
  MoveSelectedAlbum(-1);
}

void PicturesPage::btnAlbumLaterClick() {
  MoveSelectedAlbum(1);
}

void PicturesPage::MoveSelectedAlbum(int step) {
  const int index = SelectedAlbum();
  if (index < 0) return;
  const int moved = albums().MoveAlbum(index, step);
  if (moved == index) return;
  AlbumsChanged();
  grid_->SelectSlot(moved);
  FillAll();
}

void PicturesPage::AlbumRenamed(int index, const QString& name) {
  albums().RenameAlbum(index, ToAnsi(name.trimmed()));
  AlbumsChanged();
  FillAll();
}

void PicturesPage::AlbumChosen(int list, int album) {
  active_list_ = list;
  albums().ShowAlbum(list, album, tree_.ui());
  // A refused choice puts the chooser back on the album the list shows.
  views_[static_cast<size_t>(list)]->Fill(albums());
}

void PicturesPage::ItemChosen(files::ItemRef item) {
  albums().SelectItem(item);
  for (size_t list = 0; list < views_.size(); ++list) {
    if (albums().shown_album(static_cast<int>(list)) == item.album) {
      active_list_ = static_cast<int>(list);
    } else {
      // Only one item is edited: the other list's selection goes.
      QListWidget* items = views_[list]->items();
      const QSignalBlocker quiet(items);
      items->setCurrentRow(-1);
    }
  }
  ShowCurrentItem();
}

}  // namespace kinloom::ui
