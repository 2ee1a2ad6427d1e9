// Text between the widgets (Unicode) and the tree (Windows-1252). The mapping itself is
// charsets_test's; here the passage through QString (surrogate pairs included) and a widget.
#include <QLineEdit>
#include <QTest>
#include <string>

#include "ui/person/person_page.h"
#include "ui/widgets/text_codec.h"
#include "ui_test_support.h"

using kinloom::testing::Child;
using kinloom::testing::HasLine;
using kinloom::testing::WindowFixture;
using kinloom::ui::FromAnsi;
using kinloom::ui::ToAnsi;

class TextCodecTest : public QObject {
  Q_OBJECT

 private slots:
  void TypedTextMapsAsImportedTextAndEveryByteComesBack() {
    QCOMPARE(ToAnsi(QString::fromUtf8("Dvor\u030Ca\u0301k \u201CChrist\u2019s\u201D \u20AC "
                                      "\u0416 \U0001F600")),
             std::string("Dvor\xE1k \x93"
                         "Christ\x92s\x94 \x80 ? ?"));
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
