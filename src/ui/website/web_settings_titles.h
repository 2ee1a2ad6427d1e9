#pragma once

#include <QString>
#include <QWidget>

#include "ui/website/web_settings_binder.h"
#include "ui/website/web_settings_files.h"

class QFormLayout;
class QGroupBox;
class QLineEdit;

namespace kinloom::ui {

// The title of the site's pages: its two lines and their fonts, text or picture, the title
// area's background, the full-page background pattern and the browser icon.
class WebTitlesPage : public QWidget {
  Q_OBJECT

 public:
  WebTitlesPage(WebSettingsBinder& binder, QWidget* parent);

  void SetImageFolder(const QString& folder) { image_folder_ = folder; }
  // Tests answer instead of the file dialog.
  void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

 private:
  QGroupBox* TitleLines();
  void AddTitleLine(QFormLayout* form, int line);
  QGroupBox* TitleKind();
  QGroupBox* TitleBackground();
  QGroupBox* PageBackground();
  // A picture file field bound to a setting, whose button asks for the file.
  PictureFileField* PictureField(const QString& name, const QString& title,
                                 WebSettingsBinder::TextRef field);
  void ChoosePicture(QLineEdit* edit, const QString& title);

  WebSettingsBinder& binder_;
  QString image_folder_;
  FileChooser chooser_;
};

}  // namespace kinloom::ui
