#include "ui/pictures/media_preview.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStringDecoder>
#include <QVBoxLayout>

#include "files/media_item_view.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

// Enough of a text file to read what it is about, without loading a large one.
constexpr qint64 kTextPreviewBytes = 64 * 1024;

// Text files of the tree may be UTF-8 or in the Windows set.
QString DecodeText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(bytes);
  if (!utf8.hasError()) return text;
  return FromAnsi(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace

MediaPreview::MediaPreview(QWidget* parent)
    : QWidget(parent),
      pages_(new QStackedWidget(this)),
      picture_label_(new QLabel(this)),
      text_(new QPlainTextEdit(this)),
      message_(new QLabel(this)),
      view_(new QPushButton(QStringLiteral("View Item"), this)) {
  open_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  picture_label_->setObjectName(QStringLiteral("ItemPicture"));
  picture_label_->setAlignment(Qt::AlignCenter);
  picture_label_->setMinimumSize(1, 1);
  // The label takes the room it is given; the picture is scaled to it, never the reverse.
  picture_label_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  picture_label_->installEventFilter(this);
  text_->setObjectName(QStringLiteral("ItemText"));
  text_->setReadOnly(true);
  message_->setObjectName(QStringLiteral("NoPreview"));
  message_->setAlignment(Qt::AlignCenter);
  message_->setWordWrap(true);
  QFont big = message_->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  message_->setFont(big);
  view_->setObjectName(QStringLiteral("btnView"));
  pages_->addWidget(picture_label_);
  pages_->addWidget(text_);
  pages_->addWidget(message_);
  pages_->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pages_, 1);
  layout->addWidget(view_);
  connect(view_, &QPushButton::clicked, this, &MediaPreview::btnViewClick);
  ShowFile(QString(), std::string());
}

void MediaPreview::ShowFile(const QString& path, const std::string& file) {
  if (file.empty()) {
    path_.clear();
    picture_ = QPixmap();
    ShowMessage(QStringLiteral("No Media Item Selected"));
    view_->setText(QStringLiteral("View Item"));
    view_->setEnabled(false);
    return;
  }
  if (path == path_ && !picture_.isNull()) return;  // a refresh: the picture stands
  path_ = path;
  picture_ = QPixmap();
  view_->setEnabled(true);
  view_->setText(QStringLiteral("View Item"));
  switch (files::PreviewOf(file)) {
    case files::MediaPreview::kPicture:
      ShowPicture();
      break;
    case files::MediaPreview::kText:
      ShowText();
      break;
    case files::MediaPreview::kNone:
      ShowMessage(QStringLiteral("No Preview\nAvailable"));
      view_->setText(QStringLiteral("View  %1  Item").arg(FromAnsi(files::FileTypeName(file))));
      break;
  }
}

void MediaPreview::ShowMessage(const QString& text) {
  message_->setText(text);
  pages_->setCurrentWidget(message_);
}

void MediaPreview::ShowPicture() {
  if (!QFileInfo::exists(path_)) {
    ShowMessage(QStringLiteral("Picture Not Found"));
    return;
  }
  // The reader takes the first frame of an animation, turns a photograph the way its camera
  // says, and refuses a picture too large to hold rather than failing later.
  QImageReader reader(path_);
  reader.setAutoTransform(true);
  const QImage image = reader.read();
  if (image.isNull()) {
    ShowMessage(QStringLiteral("Cannot show this picture\n%1").arg(QFileInfo(path_).fileName()));
    return;
  }
  picture_ = QPixmap::fromImage(image);
  pages_->setCurrentWidget(picture_label_);
  ScalePicture();
}

void MediaPreview::ShowText() {
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) {
    ShowMessage(QStringLiteral("File Not Found"));
    return;
  }
  text_->setPlainText(DecodeText(file.read(kTextPreviewBytes)));
  pages_->setCurrentWidget(text_);
}

void MediaPreview::ScalePicture() {
  if (picture_.isNull()) return;
  const QSize room = picture_label_->size();
  const bool fits = picture_.width() <= room.width() && picture_.height() <= room.height();
  picture_label_->setPixmap(
      fits ? picture_ : picture_.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

bool MediaPreview::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picture_label_ && event->type() == QEvent::Resize) ScalePicture();
  return QWidget::eventFilter(watched, event);
}

void MediaPreview::btnViewClick() {
  if (!path_.isEmpty()) open_(QUrl::fromLocalFile(path_));
}

}  // namespace kinloom::ui
