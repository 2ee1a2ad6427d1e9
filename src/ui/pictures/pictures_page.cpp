#include "ui/pictures/pictures_page.h"

#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "core/queries.h"
#include "files/data_folders.h"
#include "files/media_item_view.h"
#include "ui/main/fam_tree.h"
#include "ui/pictures/album_grid.h"
#include "ui/pictures/album_view.h"
#include "ui/pictures/crop_box.h"
#include "ui/pictures/media_item_editor.h"
#include "ui/pictures/media_preview.h"
#include "ui/pictures/picture_people_box.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

PicturesPage::PicturesPage(TFamTree& tree, QWidget* parent) : QWidget(parent), tree_(tree) {
  setObjectName(QStringLiteral("pictures"));
  choose_file_ = [](QWidget* owner, const QString& caption, const QString& folder,
                    const QString& filter) {
    return QFileDialog::getOpenFileName(owner, caption, folder, filter);
  };
  run_crop_ = [](TCropBox& box) { return box.exec() == QDialog::Accepted; };
  run_people_ = [](TPicturePeopleBox& box) { return box.exec() == QDialog::Accepted; };
  grid_ = new AlbumGrid(this);
  views_ = {new AlbumView(0, this), new AlbumView(1, this)};
  editor_ = new MediaItemEditor(this);
  preview_ = new MediaPreview(this);

  auto* lists = new QSplitter(Qt::Horizontal, this);
  lists->addWidget(views_[0]);
  lists->addWidget(views_[1]);
  lists->addWidget(editor_);
  lists->addWidget(preview_);
  lists->setChildrenCollapsible(false);
  lists->setStretchFactor(0, 2);
  lists->setStretchFactor(1, 2);
  lists->setStretchFactor(2, 3);
  lists->setStretchFactor(3, 3);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_);
  layout->addWidget(BuildAlbumBar());
  layout->addWidget(lists, 1);
  layout->addWidget(BuildItemButtons());

  connect(grid_, &AlbumGrid::albumRenamed, this, &PicturesPage::AlbumRenamed);
  connect(grid_, &AlbumGrid::albumPointed, this, &PicturesPage::ShowUnusedAndHint);
  connect(grid_, &QTableWidget::currentCellChanged, this,
          [this] { ShowUnusedAndHint(SelectedAlbum()); });
  for (AlbumView* view : views_) {
    connect(view, &AlbumView::albumChosen, this, &PicturesPage::AlbumChosen);
    connect(view, &AlbumView::itemChosen, this, &PicturesPage::ItemChosen);
  }
  connect(editor_, &MediaItemEditor::fieldsEdited, this, &PicturesPage::FieldsEdited);
  connect(editor_, &MediaItemEditor::addPersonClicked, this, &PicturesPage::AddShownPerson);
  connect(editor_, &MediaItemEditor::removePersonClicked, this,
          &PicturesPage::RemoveSelectedPerson);
  FillAll();
}

QPushButton* PicturesPage::AddButton(QBoxLayout* layout, const char* name, const QString& text,
                                     void (PicturesPage::*handler)()) {
  auto* button = new QPushButton(text, this);
  button->setObjectName(QString::fromLatin1(name));
  connect(button, &QPushButton::clicked, this, handler);
  layout->addWidget(button);
  return button;
}

QWidget* PicturesPage::BuildAlbumBar() {
  auto* bar = new QWidget(this);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);
  AddButton(row, "btnAddAlbum", QStringLiteral("Add Album"), &PicturesPage::btnAddAlbumClick);
  AddButton(row, "btnRemoveAlbum", QStringLiteral("Remove Album"),
            &PicturesPage::btnRemoveAlbumClick);
  AddButton(row, "btnAlbumEarlier", QStringLiteral("Move Album Earlier"),
            &PicturesPage::btnAlbumEarlierClick);
  AddButton(row, "btnAlbumLater", QStringLiteral("Move Album Later"),
            &PicturesPage::btnAlbumLaterClick);
  unused_ = new QLabel(bar);
  unused_->setObjectName(QStringLiteral("UnusedAlbums"));
  hint_ = new QLabel(bar);
  hint_->setObjectName(QStringLiteral("AlbumHint"));
  row->addSpacing(12);
  row->addWidget(unused_);
  row->addSpacing(12);
  row->addWidget(hint_, 1);
  return bar;
}

QWidget* PicturesPage::BuildItemButtons() {
  auto* bar = new QWidget(this);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);
  AddButton(row, "btnAddItem", QStringLiteral("Add Item"), &PicturesPage::btnAddItemClick);
  AddButton(row, "btnRemoveItem", QStringLiteral("Remove Item"), &PicturesPage::btnRemoveItemClick);
  AddButton(row, "btnRenameFile", QStringLiteral("Rename File"), &PicturesPage::btnRenameFileClick);
  profile_ = AddButton(row, "btnProfilePic", QStringLiteral("Make Profile Picture"),
                       &PicturesPage::btnProfilePicClick);
  crop_ = AddButton(row, "btnCropPicture", QStringLiteral("Crop Picture..."),
                    &PicturesPage::btnCropClick);
  people_ = AddButton(row, "btnPicturePeople", QStringLiteral("People in Picture..."),
                      &PicturesPage::btnPeopleClick);
  row->addStretch(1);
  return bar;
}

void PicturesPage::SetOpener(std::function<bool(const QUrl&)> opener) {
  preview_->SetOpener(std::move(opener));
}

// Moves between people are frequent: a hidden page only notes that it must fill again.
void PicturesPage::Refresh() {
  stale_ = !isVisible();
  if (!stale_) FillAll();
}

void PicturesPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (stale_) FillAll();
  stale_ = false;
}

void PicturesPage::FillAll() {
  const int selected = grid_->selected_slot();
  grid_->Fill(albums());
  if (selected >= 0) grid_->SelectSlot(selected);
  for (AlbumView* view : views_) view->Fill(albums());
  ShowUnusedAndHint(SelectedAlbum());
  ShowCurrentItem();
}

void PicturesPage::ShowCurrentItem() {
  const files::MediaItem* item = albums().item(albums().current_item());
  editor_->Show(item, tree_.store());
  const int shown = tree_.shown().individual;
  editor_->SetShownPerson(shown > 0 ? FromAnsi(core::PersonLabel(tree_.store(), shown))
                                    : QString());
  preview_->ShowFile(item == nullptr ? QString() : MediaPath(item->file),
                     item == nullptr ? std::string() : item->file);
  const bool picture =
      item != nullptr && files::PreviewOf(item->file) == files::MediaPreview::kPicture;
  profile_->setEnabled(picture && shown > 0);
  crop_->setEnabled(picture);
  people_->setEnabled(item != nullptr);
}

void PicturesPage::ShowUnusedAndHint(int pointed) {
  unused_->setText(FromAnsi(albums().UnusedAlbumsLabel()));
  hint_->setText(FromAnsi(albums().AlbumHint(pointed)));
}

files::MediaAlbums& PicturesPage::albums() {
  return tree_.work().albums();
}

QString PicturesPage::MediaPath(const std::string& file) const {
  if (file.empty()) return {};
  const std::string path =
      file.front() == '/' ? file : files::JoinPath(tree_.work().folders().media, file);
  return QFile::decodeName(path.c_str());
}

void PicturesPage::AlbumsChanged() {
  albums().set_changed(true);
  tree_.work().session().changed.albums_changed = true;
  tree_.UpdateCaption();
}

}  // namespace kinloom::ui
