#pragma once

#include <QDialog>
#include <QImage>
#include <QWidget>

#include "files/picture_crop.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kinloom::ui {

// The picture with the rectangle being dragged over it. The arithmetic lives in
// files/picture_crop; this widget only draws and forwards the mouse.
class CropView : public QWidget {
  Q_OBJECT

 public:
  CropView(const QImage& picture, QWidget* parent);

  files::PixelRect selection() const { return selection_; }
  void SetSelection(const files::PixelRect& rect);
  // The width : height kept while dragging; {0, 0} for none.
  void SetAspect(files::PixelSize aspect);
  void SetZoomToFit(bool zoom);

  QSize sizeHint() const override { return {560, 420}; }

 signals:
  void selectionChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  files::PictureView View() const;
  files::PixelSize PictureSize() const;
  void DragTo(const QPointF& point);

  QImage picture_;
  files::PixelRect selection_;
  files::PixelSize aspect_;
  bool zoom_to_fit_ = true;
  bool dragging_ = false;
  double anchor_x_ = 0;
  double anchor_y_ = 0;
};

// "Crop Picture": a rectangle dragged over the picture, kept in shape when asked, saved as a
// new item of the album or as the shown person's profile picture.
class TCropBox : public QDialog {
  Q_OBJECT

 public:
  enum class Target { kNewItem, kProfilePicture };

  // `person` is the shown person's name; empty when there is none (no profile choice then).
  TCropBox(const QImage& picture, const QString& title, const QString& person, QWidget* parent);

  files::PixelRect selection() const;
  Target target() const;
  CropView& view() const { return *view_; }
  // The chosen part of the picture.
  QImage Cropped() const;

 private:
  void AspectChosen();
  void ShowSelection();

  QImage picture_;
  CropView* view_;
  QCheckBox* keep_aspect_;
  QComboBox* aspect_;
  QCheckBox* zoom_;
  QLabel* size_;
  QRadioButton* new_item_;
  QRadioButton* profile_;
  QPushButton* ok_ = nullptr;
};

}  // namespace kinloom::ui
