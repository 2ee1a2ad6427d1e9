#include "ui/pictures/crop_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kinloom::ui {
namespace {

QRect ToQRect(const files::PixelRect& rect) {
  return {rect.x, rect.y, rect.width, rect.height};
}

}  // namespace

CropView::CropView(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
  setObjectName(QStringLiteral("CropView"));
  setMinimumSize(240, 180);
  setCursor(Qt::CrossCursor);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

files::PixelSize CropView::PictureSize() const {
  return {picture_.width(), picture_.height()};
}

files::PictureView CropView::View() const {
  return files::FitPicture(PictureSize(), {width(), height()}, zoom_to_fit_);
}

void CropView::SetSelection(const files::PixelRect& rect) {
  selection_ = files::CropFromCorners(rect.x, rect.y, rect.x + rect.width, rect.y + rect.height,
                                      PictureSize(), aspect_);
  update();
  emit selectionChanged();
}

void CropView::SetAspect(files::PixelSize aspect) {
  aspect_ = aspect;
  SetSelection(selection_.empty() ? files::CentredCrop(PictureSize(), aspect) : selection_);
}

void CropView::SetZoomToFit(bool zoom) {
  zoom_to_fit_ = zoom;
  update();
}

void CropView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Dark));
  const files::PictureView view = View();
  const files::PixelRect whole =
      files::PictureToView(view, {0, 0, picture_.width(), picture_.height()});
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(ToQRect(whole), picture_);
  if (selection_.empty()) return;
  // The part left out is dimmed; the rectangle is drawn twice so it shows on any picture.
  const QRect kept = ToQRect(files::PictureToView(view, selection_));
  QRegion outside(ToQRect(whole));
  outside -= QRegion(kept);
  painter.setClipRegion(outside);
  painter.fillRect(ToQRect(whole), QColor(0, 0, 0, 110));
  painter.setClipping(false);
  painter.setPen(QPen(Qt::white, 1));
  painter.drawRect(kept.adjusted(0, 0, -1, -1));
  painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
  painter.drawRect(kept.adjusted(0, 0, -1, -1));
}

void CropView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const files::PictureView view = View();
  anchor_x_ = files::ViewToPictureX(view, event->position().x());
  anchor_y_ = files::ViewToPictureY(view, event->position().y());
  dragging_ = true;
  DragTo(event->position());
}

void CropView::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) DragTo(event->position());
}

void CropView::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragging_ || event->button() != Qt::LeftButton) return;
  DragTo(event->position());
  dragging_ = false;
}

void CropView::DragTo(const QPointF& point) {
  const files::PictureView view = View();
  selection_ =
      files::CropFromCorners(anchor_x_, anchor_y_, files::ViewToPictureX(view, point.x()),
                             files::ViewToPictureY(view, point.y()), PictureSize(), aspect_);
  update();
  emit selectionChanged();
}

TCropBox::TCropBox(const QImage& picture, const QString& title, const QString& person,
                   QWidget* parent)
    : QDialog(parent),
      picture_(picture),
      view_(new CropView(picture, this)),
      keep_aspect_(new QCheckBox(QStringLiteral("&Keep the shape"), this)),
      aspect_(new QComboBox(this)),
      zoom_(new QCheckBox(QStringLiteral("&Zoom to fit"), this)),
      size_(new QLabel(this)),
      new_item_(new QRadioButton(
          QStringLiteral("As a &new item of the album: \"%1 (cropped)\"").arg(title), this)),
      profile_(
          new QRadioButton(QStringLiteral("As the &profile picture of %1").arg(person), this)) {
  setObjectName(QStringLiteral("TCropBox"));
  setWindowTitle(QStringLiteral("Crop Picture"));
  keep_aspect_->setObjectName(QStringLiteral("cbKeepAspect"));
  aspect_->setObjectName(QStringLiteral("CropAspect"));
  aspect_->addItem(QStringLiteral("3 : 4 (portrait)"), QSize(3, 4));
  aspect_->addItem(QStringLiteral("1 : 1 (square)"), QSize(1, 1));
  aspect_->addItem(QStringLiteral("4 : 3 (landscape)"), QSize(4, 3));
  aspect_->addItem(QStringLiteral("As the whole picture"), picture.size());
  aspect_->setEnabled(false);
  zoom_->setObjectName(QStringLiteral("cbZoomToFit"));
  zoom_->setChecked(true);
  size_->setObjectName(QStringLiteral("CropSize"));
  new_item_->setObjectName(QStringLiteral("rbNewItem"));
  new_item_->setChecked(true);
  profile_->setObjectName(QStringLiteral("rbProfile"));
  profile_->setEnabled(!person.isEmpty());
  if (person.isEmpty()) profile_->setText(QStringLiteral("As a profile picture (no person shown)"));

  auto* options = new QHBoxLayout;
  options->addWidget(keep_aspect_);
  options->addWidget(aspect_);
  options->addSpacing(16);
  options->addWidget(zoom_);
  options->addStretch(1);
  options->addWidget(size_);
  auto* save_as = new QGroupBox(QStringLiteral("Save the part kept"), this);
  auto* targets = new QVBoxLayout(save_as);
  targets->addWidget(new_item_);
  targets->addWidget(profile_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  ok_->setObjectName(QStringLiteral("btnOk"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel(QStringLiteral("Drag a rectangle over the part of the picture to keep."), this));
  layout->addWidget(view_, 1);
  layout->addLayout(options);
  layout->addWidget(save_as);
  layout->addWidget(buttons);

  connect(view_, &CropView::selectionChanged, this, &TCropBox::ShowSelection);
  connect(keep_aspect_, &QCheckBox::toggled, this, &TCropBox::AspectChosen);
  connect(aspect_, &QComboBox::activated, this, &TCropBox::AspectChosen);
  connect(zoom_, &QCheckBox::toggled, view_, &CropView::SetZoomToFit);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  ShowSelection();
}

files::PixelRect TCropBox::selection() const {
  return view_->selection();
}

TCropBox::Target TCropBox::target() const {
  return profile_->isChecked() ? Target::kProfilePicture : Target::kNewItem;
}

QImage TCropBox::Cropped() const {
  return picture_.copy(ToQRect(selection()));
}

void TCropBox::AspectChosen() {
  aspect_->setEnabled(keep_aspect_->isChecked());
  const QSize shape = aspect_->currentData().toSize();
  view_->SetAspect(keep_aspect_->isChecked() ? files::PixelSize{shape.width(), shape.height()}
                                             : files::PixelSize{});
}

void TCropBox::ShowSelection() {
  const files::PixelRect rect = selection();
  const bool usable = files::UsableCrop(rect, {picture_.width(), picture_.height()});
  size_->setText(
      rect.empty()
          ? QStringLiteral("Picture: %1 x %2 pixels").arg(picture_.width()).arg(picture_.height())
          : QStringLiteral("Kept: %1 x %2 pixels").arg(rect.width).arg(rect.height));
  ok_->setEnabled(usable);
}

}  // namespace kinloom::ui
