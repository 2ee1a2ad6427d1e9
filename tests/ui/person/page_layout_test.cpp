#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "ui/person/details_page.h"
#include "ui/person/person_page.h"
#include "ui_test_support.h"

using kinloom::testing::WindowFixture;

namespace {

// People whose event boxes show every kind of caption: a baptism (1), a christening with a
// death (2), a cremation (3), none at all (4); Ann (1) and Ben (2) married with an annulment.
const std::vector<std::string> kPeople = kinloom::testing::Records({
    "0 @I000001@ INDI|1 NAME Ann /Lee/|1 SEX F|1 BAPM|2 DATE 1850|1 FAMS @F000001@",
    "0 @I000002@ INDI|1 NAME Ben /Lee/|1 SEX M|1 CHR|1 DEAT|1 FAMS @F000001@",
    "0 @I000003@ INDI|1 NAME Cy /Lee/|1 SEX M|1 CREM",
    "0 @I000004@ INDI|1 NAME Di /Lee/",
    "0 @F000001@ FAM|1 HUSB @I000002@|1 WIFE @I000001@|1 ANUL",
});

int BoxLeft(QWidget* page, const char* name) {
  auto* box = page->findChild<QLineEdit*>(QString::fromLatin1(name));
  return box->mapTo(page, QPoint(0, 0)).x();
}

}  // namespace

class PageLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  // The date and place boxes keep their place whichever captions the event boxes show.
  void DateBoxesStayPutWhenCaptionsChange_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("box");
    const char* const rows[][3] = {{"person, birth", "person", "FamBirtDate"},
                                   {"person, death", "person", "FamDeatPlace"},
                                   {"person, marriage", "person", "FamMarrDate"},
                                   {"details", "details", "DetEmigDate"},
                                   {"details, marriage", "details", "DetAnulDate"}};
    for (const auto& row : rows) {
      QTest::newRow(row[0]) << QString::fromLatin1(row[1]) << QString::fromLatin1(row[2]);
    }
  }

  void DateBoxesStayPutWhenCaptionsChange() {
    QFETCH(QString, page);
    QFETCH(QString, box);
    WindowFixture f;
    QVERIFY(f.Load(kPeople, 1));
    f.window->show();
    f.window->ShowPage(page);
    QWidget* shown = page == QLatin1String("person")
                         ? static_cast<QWidget*>(f.window->person_page())
                         : f.window->details_page();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    const int left = BoxLeft(shown, box.toLatin1().constData());
    for (int person : {2, 3, 4, 1}) {
      f.window->ShowIndividual(person);
      QTest::qWait(1);  // the layout settles
      QCOMPARE(BoxLeft(shown, box.toLatin1().constData()), left);
    }
  }

  // No caption is cut off by the box beside it ("Parent Type"): the text as drawn keeps clear of
  // the caption's right edge.
  void CaptionsShowWhole() {
    WindowFixture f;
    QVERIFY(f.Load(kPeople, 1));
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    for (QLabel* label : f.window->person_page()->findChildren<QLabel*>()) {
      if (!label->isVisible() || label->buddy() == nullptr) continue;
      const QImage image = label->grab().toImage();
      const int edge = image.width() - 1;
      for (int y = 0; y < image.height(); ++y) {
        QVERIFY2(qGray(image.pixel(edge, y)) > 160, qPrintable(label->text()));
      }
    }
  }
};

QTEST_MAIN(PageLayoutTest)
#include "page_layout_test.moc"
