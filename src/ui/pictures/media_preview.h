#pragma once

#include <QPixmap>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace kinloom::ui {

// The preview of the edited item's file: pictures scaled to fit (the first frame of an
// animation), text files as text, other files as "No Preview Available". A picture that cannot
// be read shows "Cannot show this picture" with its file name. The view button opens the file in
// the desktop's program for its type.
class MediaPreview : public QWidget {
  Q_OBJECT

 public:
  explicit MediaPreview(QWidget* parent);

  // Opens a file in another program; true when it started. Tests replace the desktop's.
  using Opener = std::function<bool(const QUrl&)>;
  void SetOpener(Opener opener) { open_ = std::move(opener); }

  // Shows the file at `path` (the item's `file` in the media folder); an empty file name
  // means no item is selected.
  void ShowFile(const QString& path, const std::string& file);

  QString shown_path() const { return path_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowMessage(const QString& text);
  void ShowPicture();
  void ShowText();
  void ScalePicture();
  void btnViewClick();

  Opener open_;
  QString path_;
  QPixmap picture_;
  QStackedWidget* pages_;
  QLabel* picture_label_;
  QPlainTextEdit* text_;
  QLabel* message_;
  QPushButton* view_;
};

}  // namespace kinloom::ui
