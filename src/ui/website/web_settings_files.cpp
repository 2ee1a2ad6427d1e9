#include "ui/website/web_settings_files.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace kinloom::ui {

FileChooser PictureFileDialog(QWidget* parent) {
  return [parent](const QString& folder, const QString& title) {
    return QFileDialog::getOpenFileName(
        parent, title, folder, QStringLiteral("Pictures (*.jpg *.jpeg *.gif *.png *.bmp *.ico)"));
  };
}

QString PictureNameInFolder(const QString& chosen, const QString& image_folder) {
  const QFileInfo file(chosen);
  const QString name = file.fileName();
  if (image_folder.isEmpty()) return name;
  const QDir folder(image_folder);
  const QString target = folder.filePath(name);
  if (QFileInfo(target).absoluteFilePath() != file.absoluteFilePath() && !QFile::exists(target)) {
    folder.mkpath(QStringLiteral("."));
    QFile::copy(file.absoluteFilePath(), target);
  }
  return name;
}

PictureFileField::PictureFileField(const QString& name, const QString& title, QWidget* parent)
    : QWidget(parent),
      edit_(new QLineEdit(this)),
      button_(new QPushButton(QStringLiteral("..."), this)) {
  edit_->setObjectName(name);
  button_->setObjectName(name + QStringLiteral("Btn"));
  button_->setToolTip(title);
  button_->setFixedWidth(button_->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 20);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(edit_, 1);
  row->addWidget(button_);
}

}  // namespace kinloom::ui
