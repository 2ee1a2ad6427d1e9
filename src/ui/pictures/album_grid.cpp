#include "ui/pictures/album_grid.h"

#include <QHeaderView>
#include <QScrollBar>

#include "files/media_albums.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

constexpr int kRows = files::kAlbumGridRows;
constexpr int kMinColumnWidth = 60;

int SlotOf(int row, int column) {
  return column * kRows + row;
}

}  // namespace

AlbumGrid::AlbumGrid(QWidget* parent) : QTableWidget(kRows, kColumns, parent) {
  setObjectName(QStringLiteral("AlbumList"));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  // All 13 columns in view; a name too long for its cell shows whole in the cell's hint.
  horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  horizontalHeader()->setMinimumSectionSize(kMinColumnWidth);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  viewport()->setMouseTracking(true);  // pointing at a cell shows its hint
  setWordWrap(false);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFixedHeight(kRows * verticalHeader()->defaultSectionSize() + 2 * frameWidth() +
                 horizontalScrollBar()->sizeHint().height());
  setMinimumWidth(kColumns * kMinColumnWidth / 2);
  connect(this, &QTableWidget::itemChanged, this, &AlbumGrid::CellEdited);
  connect(this, &QTableWidget::cellEntered, this,
          [this](int row, int column) { emit albumPointed(SlotOf(row, column)); });
}

void AlbumGrid::Fill(const files::MediaAlbums& albums) {
  filling_ = true;
  album_count_ = albums.album_count();
  for (int slot = 0; slot < kRows * kColumns; ++slot) {
    QTableWidgetItem* cell = item(slot % kRows, slot / kRows);
    if (cell == nullptr) {
      cell = new QTableWidgetItem;
      setItem(slot % kRows, slot / kRows, cell);
    }
    const bool used = slot < album_count_;
    cell->setText(used ? FromAnsi(albums.album(slot).name) : QString());
    cell->setToolTip(used ? FromAnsi(albums.AlbumHint(slot)) : QString());
    cell->setFlags(used ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable
                        : Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  }
  filling_ = false;
}

int AlbumGrid::selected_slot() const {
  const int row = currentRow();
  const int column = currentColumn();
  return row < 0 || column < 0 ? -1 : SlotOf(row, column);
}

void AlbumGrid::SelectSlot(int slot) {
  if (slot < 0 || slot >= kRows * kColumns) return;
  setCurrentCell(slot % kRows, slot / kRows);
}

void AlbumGrid::CellEdited(QTableWidgetItem* cell) {
  if (filling_) return;
  const int slot = SlotOf(cell->row(), cell->column());
  if (slot >= album_count_) return;
  emit albumRenamed(slot, cell->text());
}

}  // namespace kinloom::ui
