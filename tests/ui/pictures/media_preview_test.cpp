#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include "ui/pictures/media_preview.h"
#include "ui_test_support.h"

using kinloom::testing::Child;
using kinloom::testing::TempDir;
using kinloom::ui::MediaPreview;

namespace {

// A 1 x 1 animated GIF of two frames: red, then blue (palette red, blue; LZW codes of one
// pixel of index 0, then of index 1).
const QByteArray kAnimatedGif = QByteArray::fromHex(
    "474946383961"                    // GIF89a
    "01000100800000"                  // 1 x 1, a global palette of two colours
    "ff00000000ff"                    // red, blue
    "21f904000a000000"                // frame 1: shown for 0.1 s
    "2c0000000001000100000202440100"  // its pixel: index 0
    "21f904000a000000"                // frame 2
    "2c00000000010001000002024c0100"  // its pixel: index 1
    "3b");

const QByteArray kNotAPicture = "This is a letter saved with the wrong extension.\n";

QByteArray PngOf(QColor colour) {
  QImage image(3, 2, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

}  // namespace

class MediaPreviewTest : public QObject {
  Q_OBJECT

 private slots:
  // A picture that reads shows its first frame; one that does not shows what went wrong and
  // the file's name, whatever is in it.
  void EachFileShowsItsPictureOrWhyNot_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QColor>("shown");  // invalid: a message instead
    QTest::newRow("png") << "photo.png" << PngOf(Qt::green) << QColor(Qt::green);
    QTest::newRow("animated gif: first frame") << "dance.gif" << kAnimatedGif << QColor(Qt::red);
    QTest::newRow("upper-case extension") << "DANCE.GIF" << kAnimatedGif << QColor(Qt::red);
    QTest::newRow("text named .jpg") << "letter.jpg" << kNotAPicture << QColor();
    QTest::newRow("empty file") << "empty.png" << QByteArray() << QColor();
    QTest::newRow("gif cut short") << "cut.gif" << kAnimatedGif.left(20) << QColor();
    QTest::newRow("png cut in its header") << "half.png" << PngOf(Qt::green).left(30) << QColor();
    QTest::newRow("bmp header only") << "scan.bmp" << QByteArray("BM\x10\x00", 4) << QColor();
  }

  void EachFileShowsItsPictureOrWhyNot() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QColor, shown);
    TempDir dir;
    const QString path = QString::fromStdString(dir.path()) + "/" + file;
    kinloom::testing::WriteFileBytes(path.toStdString(), bytes.toStdString());

    MediaPreview preview(nullptr);
    preview.resize(300, 300);
    preview.show();
    preview.ShowFile(path, file.toStdString());
    auto* pages = preview.findChild<QStackedWidget*>();
    QVERIFY(pages != nullptr);
    if (shown.isValid()) {
      auto* picture = Child<QLabel>(&preview, "ItemPicture");
      QCOMPARE(pages->currentWidget(), picture);
      const QImage image = picture->pixmap().toImage();
      QVERIFY(!image.isNull());
      QCOMPARE(QColor(image.pixel(0, 0)), shown);
    } else {
      auto* label = Child<QLabel>(&preview, "NoPreview");
      QCOMPARE(pages->currentWidget(), label);
      QCOMPARE(label->text(), "Cannot show this picture\n" + file);
    }
    // The desktop's program can still open the file.
    QVERIFY(Child<QPushButton>(&preview, "btnView")->isEnabled());
  }

  void AMissingPictureSaysSo() {
    MediaPreview preview(nullptr);
    preview.ShowFile(QStringLiteral("/nonexistent/folder/gone.jpg"), "gone.jpg");
    QCOMPARE(Child<QLabel>(&preview, "NoPreview")->text(), QStringLiteral("Picture Not Found"));
  }
};

QTEST_MAIN(MediaPreviewTest)
#include "media_preview_test.moc"
