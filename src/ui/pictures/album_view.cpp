#include "ui/pictures/album_view.h"

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

AlbumView::AlbumView(int list, QWidget* parent)
    : QWidget(parent), list_(list), chooser_(new QComboBox(this)), items_(new QListWidget(this)) {
  chooser_->setObjectName(QStringLiteral("ShowAlbum%1").arg(list));
  items_->setObjectName(QStringLiteral("AlbumItems%1").arg(list));
  chooser_->setMaxVisibleItems(20);
  items_->setSelectionMode(QAbstractItemView::SingleSelection);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(chooser_);
  layout->addWidget(items_, 1);
  connect(chooser_, &QComboBox::activated, this, [this](int index) {
    if (!filling_) emit albumChosen(list_, index);
  });
  connect(items_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!filling_ && row >= 0) emit itemChosen(files::ItemRef{album_, row});
  });
  // A click on the item already selected makes it the edited item again (after the other
  // list's item was edited).
  connect(items_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (!filling_) emit itemChosen(files::ItemRef{album_, items_->row(item)});
  });
}

void AlbumView::Fill(const files::MediaAlbums& albums) {
  filling_ = true;
  album_ = albums.shown_album(list_);
  chooser_->clear();
  for (int i = 0; i < albums.album_count(); ++i) chooser_->addItem(FromAnsi(albums.album(i).name));
  chooser_->setCurrentIndex(album_);
  items_->clear();
  if (album_ >= 0 && album_ < albums.album_count()) {
    for (const files::MediaItem& item : albums.album(album_).items) {
      items_->addItem(ItemText(item));
      items_->item(items_->count() - 1)->setToolTip(ItemText(item));
    }
  }
  const files::ItemRef current = albums.current_item();
  items_->setCurrentRow(current.album == album_ ? current.index : -1);
  filling_ = false;
}

void AlbumView::UpdateTexts(const files::MediaAlbums& albums) {
  if (album_ < 0 || album_ >= albums.album_count()) return;
  const auto& items = albums.album(album_).items;
  if (static_cast<int>(items.size()) != items_->count()) {
    Fill(albums);
    return;
  }
  for (int row = 0; row < items_->count(); ++row) {
    const QString text = ItemText(items[static_cast<size_t>(row)]);
    items_->item(row)->setText(text);
    items_->item(row)->setToolTip(text);
  }
}

QString AlbumView::ItemText(const files::MediaItem& item) const {
  const QString file = QFile::decodeName(item.file.c_str());
  const QString title = FromAnsi(item.title);
  QString text = item.number > 0 ? QStringLiteral("%1. ").arg(item.number) : QString();
  if (title.isEmpty()) return text + file;
  return file.isEmpty() ? text + title : text + title + QStringLiteral("  (") + file + u')';
}

}  // namespace kinloom::ui
