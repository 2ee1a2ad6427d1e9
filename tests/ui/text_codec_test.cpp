// Text between the widgets (Unicode) and the tree (Windows-1252): typed and pasted text maps as
// a UTF-8 file's text does, and every character of the tree's set shows as itself.
#include <QLineEdit>
#include <QTest>
#include <string>

#include "ui/person_page.h"
#include "ui/text_codec.h"
#include "ui_test_support.h"

using kinloom::testing::Child;
using kinloom::testing::HasLine;
using kinloom::testing::WindowFixture;
using kinloom::ui::FromAnsi;
using kinloom::ui::ToAnsi;

class TextCodecTest : public QObject {
  Q_OBJECT

 private slots:
  void TypedTextMapsAsImportedText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("kept");
    QTest::newRow("letter the set lacks")
        << QString::fromUtf8("Dvo\u0159\u00E1k") << QByteArray("Dvor\xE1k");
    QTest::newRow("decomposed accents")
        << QString::fromUtf8("Dvor\u030Ca\u0301k") << QByteArray("Dvor\xE1k");
    QTest::newRow("quotation marks and dash")
        << QString::fromUtf8("\u201Cthe Aged\u201D \u2013 Christ\u2019s \u20AC")
        << QByteArray("\x93the Aged\x94 \x96 Christ\x92s \x80");
    QTest::newRow("nothing near") << QString::fromUtf8("\u0416 \U0001F600") << QByteArray("? ?");
  }

  void TypedTextMapsAsImportedText() {
    QFETCH(QString, typed);
    QFETCH(QByteArray, kept);
    QCOMPARE(QByteArray::fromStdString(ToAnsi(typed)), kept);
  }

  void EveryByteShowsAsItselfAndComesBack() {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
    QCOMPARE(ToAnsi(FromAnsi(all)), all);
    QCOMPARE(FromAnsi("\x80\x8A\x93\x9F"), QString::fromUtf8("\u20AC\u0160\u201C\u0178"));
  }

  void PastedNameIsKeptWithItsPlainLetter() {
    WindowFixture f;
    QVERIFY(f.Load({"0 @I000001@ INDI", "1 NAME Eve /Stone/", "1 SEX F"}));
    f.window->show();
    f.window->ShowPage(QStringLiteral("person"));
    auto* surname = Child<QLineEdit>(f.window->person_page(), "FamSurNameI");
    surname->setFocus();
    surname->setText(QString::fromUtf8("Dvo\u0159\u00E1k"));
    emit surname->editingFinished();
    QVERIFY(HasLine(f.Person(1), "1 NAME Eve /Dvor\xE1k/"));
  }
};

QTEST_MAIN(TextCodecTest)
#include "text_codec_test.moc"
