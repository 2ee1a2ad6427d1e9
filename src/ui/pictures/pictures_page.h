#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "files/media_albums.h"

class QLabel;
class QPushButton;
class QBoxLayout;

namespace kinloom::ui {

class TFamTree;
class AlbumGrid;
class AlbumView;
class MediaItemEditor;
class MediaPreview;
class TCropBox;
class TPicturePeopleBox;

// The main window's pictures page: the tree's media albums, their items and the item editor.
class PicturesPage : public QWidget {
  Q_OBJECT

 public:
  PicturesPage(TFamTree& tree, QWidget* parent);

  // Shows the main window's shown state again (after a move to another person or an edit).
  void Refresh();

  // Asks for the file of a new item; empty when none was chosen. Tests replace the dialog.
  using FileChooser = std::function<QString(QWidget* parent, const QString& caption,
                                            const QString& start_folder, const QString& filter)>;
  void SetFileChooser(FileChooser chooser) { choose_file_ = std::move(chooser); }
  // Opens a file in the desktop's program for it; true when it started.
  void SetOpener(std::function<bool(const QUrl&)> opener);
  // Run the crop and people dialogs; true for OK. Tests fill them in instead.
  using CropRunner = std::function<bool(TCropBox& box)>;
  using PeopleRunner = std::function<bool(TPicturePeopleBox& box)>;
  void SetCropRunner(CropRunner runner) { run_crop_ = std::move(runner); }
  void SetPeopleRunner(PeopleRunner runner) { run_people_ = std::move(runner); }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Layout.
  QWidget* BuildAlbumBar();
  QWidget* BuildItemButtons();
  QPushButton* AddButton(QBoxLayout* layout, const char* name, const QString& text,
                         void (PicturesPage::*handler)());

  // Showing.
  void FillAll();
  void ShowCurrentItem();
  void ShowUnusedAndHint(int pointed);

  // Albums.
  int SelectedAlbum() const;
  void btnAddAlbumClick();
  void btnRemoveAlbumClick();
  void btnAlbumEarlierClick();
  void btnAlbumLaterClick();
  void MoveSelectedAlbum(int step);
  void AlbumRenamed(int index, const QString& name);
  void AlbumChosen(int list, int album);
  void ItemChosen(files::ItemRef item);

  // Items.
  void btnAddItemClick();
  void btnRemoveItemClick();
  void btnRenameFileClick();
  void btnProfilePicClick();
  void MakeProfilePicture(const std::string& file, int person);
  void btnCropClick();
  // Writes the cropped picture under a free name beside `file`; the name, or empty.
  std::string SaveCrop(const QImage& cropped, const std::string& file, bool profile);
  void btnPeopleClick();
  void FieldsEdited();
  void AddShownPerson();
  void RemoveSelectedPerson();
  bool CopyIntoMedia(const QString& path);
  void WriteAlbumsNow();
  void AlbumsChanged();

  files::MediaAlbums& albums();
  QString MediaPath(const std::string& file) const;

  TFamTree& tree_;
  FileChooser choose_file_;
  CropRunner run_crop_;
  PeopleRunner run_people_;
  bool stale_ = false;   // shown state or albums changed while the page was hidden
  int active_list_ = 0;  // the list whose album takes new items
  AlbumGrid* grid_ = nullptr;
  QLabel* unused_ = nullptr;
  QLabel* hint_ = nullptr;
  std::array<AlbumView*, 2> views_{};
  MediaItemEditor* editor_ = nullptr;
  MediaPreview* preview_ = nullptr;
  QPushButton* profile_ = nullptr;
  QPushButton* crop_ = nullptr;
  QPushButton* people_ = nullptr;
};

}  // namespace kinloom::ui
