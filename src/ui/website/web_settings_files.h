#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class QLineEdit;
class QPushButton;

namespace kinloom::ui {

// Asks for a picture file, starting in `folder`; empty when cancelled.
using FileChooser = std::function<QString(const QString& folder, const QString& title)>;

FileChooser PictureFileDialog(QWidget* parent);

// The name a chosen picture is kept under: its file name in the image folder. A picture from
// elsewhere is copied into the image folder (unless one of that name is there already), since
// the site is built from that folder.
QString PictureNameInFolder(const QString& chosen, const QString& image_folder);

// An edit field for a picture's file name with a button that chooses the file.
class PictureFileField : public QWidget {
  Q_OBJECT

 public:
  PictureFileField(const QString& name, const QString& title, QWidget* parent);

  QLineEdit* edit() const { return edit_; }
  QPushButton* button() const { return button_; }

 private:
  QLineEdit* edit_;
  QPushButton* button_;
};

}  // namespace kinloom::ui
