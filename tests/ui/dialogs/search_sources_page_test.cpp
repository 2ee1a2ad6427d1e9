#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "files/data_folders.h"
#include "files/search_sources.h"
#include "ui/dialogs/search_sources_page.h"
#include "ui_test_support.h"

using kinloom::files::SearchSite;
using kinloom::platform::Answer;
using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::WindowFixture;
using kinloom::ui::SearchSourcesPage;
using Sites = std::vector<SearchSite>;

namespace {

const std::vector<std::string> kOnePerson = {"0 @I000001@ INDI", "1 NAME John /Smith/"};

// The window's search page over the given sites, with the browser and the add-and-modify dialog
// replaced by recorders.
struct PageFixture {
  WindowFixture f;
  SearchSourcesPage* page = nullptr;
  QTableWidget* grid = nullptr;
  std::vector<QString> opened;
  std::vector<QString> captions;
  std::vector<SearchSite> offered;
  std::optional<SearchSite> answer;

  explicit PageFixture(const Sites& sites) {
    if (!f.Load(kOnePerson)) qFatal("tree not loaded");
    f.work.program_settings().search_sites = sites;
    page = f.window->search_sources_page();
    page->SetLinkOpener([this](const QString& link) { opened.push_back(link); });
    page->SetSiteEditor([this](const QString& caption, const SearchSite& site) {
      captions.push_back(caption);
      offered.push_back(site);
      return answer;
    });
    page->Refresh();
    grid = Child<QTableWidget>(page, "SchGrid");
  }

  const Sites& sites() { return f.work.program_settings().search_sites; }
  QPushButton* Button(const char* name) { return Child<QPushButton>(page, name); }
  QString Shown(int row, int column) const { return grid->item(row, column)->text(); }
  bool Changed() {
    return f.work.program_settings().sources_changed && f.work.session().changed.sources_changed;
  }
};

const Sites kThree = {{"Archive", "archive.example.org"},
                      {"Census", "https://census.example.org"},
                      {"Church", "church.example.org/records"}};

}  // namespace

class SearchSourcesPageTest : public QObject {
  Q_OBJECT

 private slots:
  // Where a site goes among the rows is the grid logic's own test; here: the page asks the
  // dialog with the right caption and row, and shows and marks what it answers.
  void AddAndModifyGoThroughTheDialogAtTheSelectedRow() {
    PageFixture p(kThree);
    Click(p.Button("btnSchNew"));  // cancelled: nothing changes
    Click(p.Button("btnSchModify"));
    QCOMPARE(p.sites(), kThree);
    QVERIFY(!p.Changed());

    p.answer = SearchSite{"Wills", "wills.example.org"};
    p.page->SelectRow(1);
    Click(p.Button("btnSchNew"));
    QCOMPARE(p.captions[2], QStringLiteral("Add New Internet Search Source"));
    QCOMPARE(p.offered[2], SearchSite{});
    QCOMPARE(p.sites(), (Sites{kThree[0], *p.answer, kThree[1], kThree[2]}));
    QCOMPARE(p.Shown(1, 0), QStringLiteral("Wills"));
    QCOMPARE(p.Shown(3, 0), QStringLiteral("Church"));
    QCOMPARE(p.page->SelectedRow(), size_t{1});
    QVERIFY(p.Changed());

    p.page->SelectRow(3);
    p.answer = SearchSite{"Parish", "parish.example.org"};
    Click(p.Button("btnSchModify"));
    QCOMPARE(p.captions[3], QStringLiteral("Modify Existing Source"));
    QCOMPARE(p.offered[3], kThree[2]);
    QCOMPARE(p.sites()[3], *p.answer);
    QCOMPARE(p.Shown(3, 1), QStringLiteral("parish.example.org"));
  }

  void DeleteAsksFirst() {
    PageFixture p(kThree);
    p.page->SelectRow(1);
    p.f.ui.QueueAnswer(Answer::kNo);
    Click(p.Button("btnSchDel"));
    QCOMPARE(p.sites(), kThree);
    QVERIFY(!p.Changed());
    QCOMPARE(p.f.ui.records().size(), size_t{1});
    QVERIFY(p.f.ui.records()[0].text.find("Name...: Census\n") != std::string::npos);

    p.f.ui.QueueAnswer(Answer::kYes);
    Click(p.Button("btnSchDel"));
    QCOMPARE(p.sites(), (Sites{kThree[0], kThree[2]}));
    QCOMPARE(p.Shown(1, 0), QStringLiteral("Church"));
    QVERIFY(p.Changed());

    p.page->SelectRow(20);  // an empty row below the list: nothing to ask
    Click(p.Button("btnSchDel"));
    QCOMPARE(p.f.ui.records().size(), size_t{2});
  }

  // The order of the rows after a move is the grid logic's; here the selection follows, a
  // press moves at once and a held button repeats, and a source moves on into the empty rows.
  void MovesFollowTheSelectionOnPressAndRepeatWhileHeld() {
    PageFixture p(kThree);
    QPushButton* down = p.Button("btnSchDown");
    QTest::mousePress(down, Qt::LeftButton);
    QCOMPARE(p.page->SelectedRow(), size_t{1});  // at once, before any release
    QCOMPARE(p.Shown(1, 0), QStringLiteral("Archive"));
    QVERIFY(p.Changed());
    QTRY_VERIFY_WITH_TIMEOUT(p.page->SelectedRow() >= 2, 3000);
    QTest::mouseRelease(down, Qt::LeftButton);
    const size_t held = p.page->SelectedRow();
    QTest::qWait(500);
    QCOMPARE(p.page->SelectedRow(), held);  // nothing more after the release
    QCOMPARE(p.sites()[held], kThree[0]);
    QVERIFY(p.Button("btnSchUp")->autoRepeat());
    Click(p.Button("btnSchUp"));
    QCOMPARE(p.page->SelectedRow(), held - 1);

    for (int i = 0; i < 40; ++i) Click(down);  // down to the grid's last row
    QCOMPARE(p.page->SelectedRow(), size_t{31});
    QCOMPARE(p.grid->rowCount(), 32);
    QCOMPARE(p.sites().size(), size_t{32});
    QCOMPARE(p.Shown(31, 0), QStringLiteral("Archive"));
  }

  void DoubleClickOpensTheAddress() {
    PageFixture p({{"Archive", "archive.example.org"},
                   {"Census", "https://census.example.org"},
                   {"Nothing", ""}});
    p.f.window->show();
    p.f.window->ShowPage("search");
    QVERIFY(QTest::qWaitForWindowExposed(p.f.window.get()));
    for (int row : {0, 1, 2, 10}) {
      const QRect cell = p.grid->visualRect(p.grid->model()->index(row, 1));
      QTest::mouseClick(p.grid->viewport(), Qt::LeftButton, {}, cell.center());
      QTest::mouseDClick(p.grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QCOMPARE(p.opened,
             (std::vector<QString>{"http://archive.example.org", "https://census.example.org"}));
  }

  // The page with its own dialog: it offers the row and writes back what the user typed.
  void ModifyThroughTheRealDialog() {
    WindowFixture f;
    QVERIFY(f.Load(kOnePerson));
    f.work.program_settings().search_sites = {{"Archive", "archive.example.org"}};
    f.window->search_sources_page()->Refresh();
    QString title, offered;  // read inside the dialog, checked after it closed
    int address_length = 0;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      title = box->windowTitle();
      offered = Child<QLineEdit>(box, "edSchName")->text();
      address_length = Child<QLineEdit>(box, "edSchAddress")->maxLength();
      Child<QLineEdit>(box, "edSchName")->setText(QStringLiteral("Archiv\u00e9"));
      Child<QLineEdit>(box, "edSchAddress")->setText(QStringLiteral("a.org/wills"));
      box->accept();
    });
    Click(Child<QPushButton>(f.window->search_sources_page(), "btnSchModify"));
    QCOMPARE(f.work.program_settings().search_sites, (Sites{{"Archiv\xE9", "a.org/wills"}}));
    QCOMPARE(title, QStringLiteral("Modify Existing Source"));
    QCOMPARE(offered, QStringLiteral("Archive"));
    QCOMPARE(address_length, 253);
  }

  void GridShowsTheSitesAndAnAddedOneSurvivesSaveAndReopen() {
    PageFixture p({{"Archive", "a.org"}, {}, {"Church", "c.org"}});
    QCOMPARE(p.grid->horizontalHeaderItem(0)->text(), QStringLiteral("  Source Name"));
    QCOMPARE(p.grid->horizontalHeaderItem(1)->text(),
             QStringLiteral("  Source Address - Double Click to Access"));
    QCOMPARE(p.grid->rowCount(), 32);
    QCOMPARE(p.Shown(0, 0), QStringLiteral("Archive"));
    QCOMPARE(p.Shown(2, 1), QStringLiteral("c.org"));
    QCOMPARE(p.page->SelectedRow(), size_t{0});
    QVERIFY(!p.Changed());

    p.answer = SearchSite{"Wills", "w.org"};
    p.page->SelectRow(2);
    Click(p.Button("btnSchNew"));
    p.f.window->SaveTree(false);
    QVERIFY(!p.Changed());
    p.f.work.program_settings().search_sites.clear();
    kinloom::files::OpenRequest request;
    request.path = p.f.GedcomPath();
    QVERIFY(p.f.window->OpenTreeFile(request));
    QCOMPARE(p.sites(), (Sites{{"Archive", "a.org"}, {}, {"Wills", "w.org"}, {"Church", "c.org"}}));
    QCOMPARE(p.Shown(1, 0), QString());  // the empty row stays empty
    QCOMPARE(p.Shown(2, 0), QStringLiteral("Wills"));
  }
};

QTEST_MAIN(SearchSourcesPageTest)
#include "search_sources_page_test.moc"
