#include <QImage>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "ui/chart/chart_family_view.h"
#include "ui/chart/chart_outline_view.h"
#include "ui/chart/chart_page.h"
#include "ui/chart/chart_tree_view.h"
#include "ui/main/option_effects.h"
#include "ui_test_support.h"

using kinloom::core::ChartNodeRef;
using kinloom::testing::Child;
using kinloom::testing::WindowFixture;
using kinloom::ui::ChartPage;

namespace {

using Lines = std::vector<std::string>;

std::string Xref(char kind, int n) {
  char text[16];
  std::snprintf(text, sizeof text, "@%c%06i@", kind, n);
  return text;
}

// A person's record: name, sex, the parent family (with its "2 PEDI" kind when given) and the
// families the person is a spouse in.
void AddPerson(Lines* lines, int n, const std::string& name, char sex, int famc = 0,
               const std::vector<int>& fams = {}, const std::string& pedi = "") {
  lines->push_back("0 " + Xref('I', n) + " INDI");
  lines->push_back("1 NAME " + name);
  lines->push_back(std::string("1 SEX ") + sex);
  if (famc != 0) {
    lines->push_back("1 FAMC " + Xref('F', famc));
    if (!pedi.empty()) lines->push_back("2 PEDI " + pedi);
  }
  for (int f : fams) lines->push_back("1 FAMS " + Xref('F', f));
}

void AddFamily(Lines* lines, int n, int husband, int wife, const std::vector<int>& children) {
  lines->push_back("0 " + Xref('F', n) + " FAM");
  if (husband != 0) lines->push_back("1 HUSB " + Xref('I', husband));
  if (wife != 0) lines->push_back("1 WIFE " + Xref('I', wife));
  for (int c : children) lines->push_back("1 CHIL " + Xref('I', c));
}

// Eight generations of fathers' lines: person 1 is the youngest; person 2k is the father and
// 2k + 1 the mother of person k while k < 128. Each couple k is family k.
Lines Pedigree() {
  Lines lines;
  for (int n = 1; n < 256; ++n) {
    const int famc = n < 128 ? n : 0;
    const std::vector<int> fams = n > 1 ? std::vector<int>{n / 2} : std::vector<int>{};
    AddPerson(&lines, n, "P" + std::to_string(n) + " /Line/", n % 2 == 0 ? 'M' : 'F', famc, fams);
  }
  for (int f = 1; f < 128; ++f) AddFamily(&lines, f, 2 * f, 2 * f + 1, {f});
  return lines;
}

ChartPage* OpenChart(WindowFixture& f, int view) {
  f.window->show();
  f.window->ShowPage(QStringLiteral("chart"));
  ChartPage* page = f.window->chart_page();
  Child<QTabWidget>(page, "chartViews")->setCurrentIndex(view);
  return page;
}

const kinloom::core::ChartNode* FindNode(const kinloom::core::ChartTreeLayout& layout, char kind,
                                         int individual, int family = 0) {
  for (const auto& level : layout.chart().levels) {
    for (const auto& node : level) {
      if (node.kind == kind && node.individual == individual &&
          (family == 0 || node.family == family)) {
        return &node;
      }
    }
  }
  return nullptr;
}

// Where a node's box is drawn in the view.
QPoint PointOf(const kinloom::ui::ChartTreeView* view, const kinloom::core::ChartNode* n) {
  const auto& levels = view->layout().chart().levels;
  for (size_t level = 0; level < levels.size(); ++level) {
    for (size_t i = 0; i < levels[level].size(); ++i) {
      if (&levels[level][i] == n) return view->NodePoint({int(level), int(i)});
    }
  }
  return {};
}

// Every line of an outline view as shown.
QStringList Shown(const kinloom::ui::ChartOutlineView* view) {
  QStringList lines;
  for (size_t i = 0; i < view->outline().entries.size(); ++i) lines << view->LineText(int(i));
  return lines;
}

void ClickNode(kinloom::ui::ChartTreeView* view, const kinloom::core::ChartNode* n,
               Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(view->viewport(), button, {}, PointOf(view, n));
}

}  // namespace

class ChartPageTest : public QObject {
  Q_OBJECT

 private slots:
  // The outlines' contents are checked where they are built (generation_walks_test); here the
  // views show them and the generation boxes and clicks drive them.
  void OutlinesFollowTheGenerationBoxesAndClicks() {
    WindowFixture f;
    QVERIFY(f.Load(Pedigree(), 1));
    ChartPage* page = OpenChart(f, 1);
    const auto* ancestor = page->ancestor_view();
    // Generations 0 to 5 of a full pedigree, the father's father's ... father first.
    QCOMPARE(ancestor->outline().entries.size(), size_t{63});
    QCOMPARE(ancestor->LineText(0), QStringLiteral("P32 Line (32)"));
    auto* ancestors = Child<QSpinBox>(page, "udChtAnc");
    QCOMPARE(ancestors->minimum(), 3);
    QCOMPARE(ancestors->maximum(), 34);
    ancestors->setValue(3);
    QCOMPARE(ancestor->outline().entries.size(), size_t{7});
    QCOMPARE(ancestors->toolTip(),
             QStringLiteral(" Viewing up to: 3 Generations -- Click to Increase or Decrease"));
    ancestors->setValue(34);
    QCOMPARE(ancestor->outline().entries.size(), size_t{255});
    QCOMPARE(ancestors->toolTip(), QStringLiteral(" Reached Maximum Number of Generations"));

    f.window->ShowIndividual(64);  // the top of a fathers' line, six generations down
    Child<QTabWidget>(page, "chartViews")->setCurrentIndex(2);
    const auto* descendant = page->descendant_view();
    auto* descendants = Child<QSpinBox>(page, "udChtDes");
    QCOMPARE(descendants->minimum(), 2);
    QCOMPARE(descendants->value(), 6);
    // 64, his wife 65, then 32, 33, 16, 17, 8, 9, 4, 5 (6 generations).
    QCOMPARE(descendant->outline().entries.size(), size_t{12});
    descendants->setValue(2);
    QCOMPARE(Shown(descendant).mid(0, 2), (QStringList{"1 P64 Line (64)", "+  P65 Line (65)"}));
    QCOMPARE(descendant->outline().entries.size(), size_t{4});
    QCOMPARE(descendants->toolTip(),
             QStringLiteral(" Viewing up to: 2 Generations -- Click to Increase or Decrease"));
    // A click on a line shows that person.
    const int third = descendant->outline().entries[2].individual;
    QTest::mouseClick(page->descendant_view()->viewport(), Qt::LeftButton, {},
                      descendant->LinePoint(2));
    QCOMPARE(f.window->shown().individual, third);
    QVERIFY(third != 64);
  }

  void AdoptedFatherStandsInTheFathersPlace() {
    Lines lines;
    AddPerson(&lines, 1, "Ann /Kid/", 'F', 1, {}, "Adopt Fth");
    AddPerson(&lines, 2, "Abel /Adopter/", 'M', 0, {1});
    AddPerson(&lines, 3, "Mary /Mother/", 'F', 0, {1});
    AddFamily(&lines, 1, 2, 3, {1});
    WindowFixture f;
    QVERIFY(f.Load(lines, 1));
    const auto& entries = OpenChart(f, 1)->ancestor_view()->outline().entries;
    std::string marked;
    for (const auto& entry : entries) marked += std::to_string(entry.individual) + entry.mark;
    QCOMPARE(marked, std::string("2M1I3F"));
  }

  void StepChildrenAreListedUnderTheParentTheyLiveWith() {
    Lines lines;
    AddPerson(&lines, 1, "Sam /Step/", 'M', 0, {1});
    AddPerson(&lines, 2, "Meg /Mum/", 'F', 0, {1});
    AddPerson(&lines, 3, "Tom /Kid/", 'M', 1, {}, "Step Fth");
    AddPerson(&lines, 4, "Bea /Kid/", 'F', 1);
    AddFamily(&lines, 1, 1, 2, {3, 4});
    WindowFixture f;
    QVERIFY(f.Load(lines, 2));
    ChartPage* page = OpenChart(f, 2);
    const auto* view = page->descendant_view();
    QCOMPARE(Shown(view),
             (QStringList{"1 Meg Mum (2)", "+  Sam Step (1)", "2 Tom Kid (3)", "2 Bea Kid (4)"}));
    f.window->ShowIndividual(1);  // the step-father lists only his own child
    QCOMPARE(Shown(view), (QStringList{"1 Sam Step (1)", "+  Meg Mum (2)", "2 Bea Kid (4)"}));
    // A click on a line shows that person.
    QTest::mouseClick(page->descendant_view()->viewport(), Qt::LeftButton, {}, view->LinePoint(2));
    QCOMPARE(f.window->shown().individual, 4);
  }

  void FamilyReachedTwiceIsCollapsedUntilRightClicked() {
    // Cousins Eve (5) and Gil (7) marry; their family 4 is met under each of them.
    Lines lines;
    AddPerson(&lines, 1, "Al /Top/", 'M', 0, {1});
    AddPerson(&lines, 2, "Bo /Top/", 'F', 0, {1});
    AddPerson(&lines, 3, "Cy /Top/", 'M', 1, {2});
    AddPerson(&lines, 4, "Di /Top/", 'F', 1, {3});
    AddPerson(&lines, 5, "Eve /Top/", 'F', 2, {4});
    AddPerson(&lines, 6, "Xa /In/", 'F', 0, {2});
    AddPerson(&lines, 7, "Gil /Other/", 'M', 3, {4});
    AddPerson(&lines, 8, "Yul /Other/", 'M', 0, {3});
    AddPerson(&lines, 9, "Hal /Other/", 'M', 4);
    AddFamily(&lines, 1, 1, 2, {3, 4});
    AddFamily(&lines, 2, 3, 6, {5});
    AddFamily(&lines, 3, 8, 4, {7});
    AddFamily(&lines, 4, 7, 5, {9});
    WindowFixture f;
    QVERIFY(f.Load(lines, 5));
    ChartPage* page = OpenChart(f, 0);
    auto* view = page->tree_view();
    QCOMPARE(view->top_ancestor(), 1);
    const auto* first = FindNode(view->layout(), 'S', 7, 4);   // under Eve: Gil
    const auto* second = FindNode(view->layout(), 'S', 5, 4);  // under Gil: Eve
    QVERIFY(first != nullptr && second != nullptr);
    QVERIFY(!first->collapsed);
    QVERIFY(second->collapsed);
    QVERIFY(second->row < view->layout().rows());
    // The collapsed family shows the hint row above Eve's box.
    QCOMPARE(view->layout().LeadRows(*second), 2);

    ClickNode(view, second, Qt::RightButton);
    second = FindNode(view->layout(), 'S', 5, 4);
    first = FindNode(view->layout(), 'S', 7, 4);
    QVERIFY(!second->collapsed);
    QVERIFY(first->collapsed);  // the toggle folds the family's first appearance instead
    QCOMPARE(f.window->shown().individual, 5);  // a right click does not move
  }

  void ClickOnATreeOrFamilyBoxShowsThatPerson() {
    WindowFixture f;
    QVERIFY(f.Load(Pedigree(), 1));
    auto* view = OpenChart(f, 0)->tree_view();
    QCOMPARE(view->top_ancestor(), 128);
    const auto* node = FindNode(view->layout(), 'I', 16);
    QVERIFY(node != nullptr);
    ClickNode(view, node);
    QCOMPARE(f.window->shown().individual, 16);
    // The chart followed: the shown person's box is in view.
    QVERIFY(view->viewport()->rect().contains(PointOf(view, FindNode(view->layout(), 'I', 16))));
    ClickNode(view, FindNode(view->layout(), 'S', 17));
    QCOMPARE(f.window->shown().individual, 17);

    // The family view's boxes are clickable too.
    f.window->ShowIndividual(4);
    auto* family = OpenChart(f, 3)->family_view();
    const auto& boxes = family->boxes();
    QCOMPARE(boxes.size(), size_t{3});  // P4, his wife P5, their child P2
    QVERIFY(boxes[0].box.individual == 4 && boxes[1].box.individual == 5 &&
            boxes[2].box.individual == 2);
    QTest::mouseClick(family->viewport(), Qt::LeftButton, {}, family->BoxPoint(2));
    QCOMPARE(f.window->shown().individual, 2);
    QCOMPARE(family->boxes()[0].box.individual, 2);
  }

  void ProfilePicturesMakeBoxesSixRowsHigh() {
    Lines lines;
    AddPerson(&lines, 1, "Pia /Photo/", 'F', 0, {1});
    lines.push_back("1 OBJE");
    lines.push_back("2 FILE pia.png");
    AddPerson(&lines, 2, "Ned /Plain/", 'M', 0, {1});
    AddPerson(&lines, 3, "Kit /Plain/", 'M', 1);
    AddFamily(&lines, 1, 2, 1, {3});
    WindowFixture f;
    QImage picture(40, 50, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(QString::fromStdString(f.work.folders().media + "/pia.jpg")));
    QVERIFY(f.Load(lines, 3));
    f.work.program_settings().profile_picture = true;
    kinloom::ui::ApplyDisplayOptions(f.work);
    auto* view = OpenChart(f, 0)->tree_view();
    const auto* pia = FindNode(view->layout(), 'S', 1);
    QVERIFY(pia != nullptr);
    QCOMPARE(view->layout().BoxRows(1), 6);
    QCOMPARE(view->layout().BoxRows(2), 1);
    QCOMPARE(f.store.individual(1)->thumbPath.str(), f.work.folders().media + "/pia.jpg");
    // Ned's block: his own row, the marriage row and Pia's six rows.
    QCOMPARE(FindNode(view->layout(), 'I', 2)->rows, 8);
    QVERIFY(!view->viewport()->grab().isNull());  // draws the picture

    f.work.program_settings().profile_picture = false;
    kinloom::ui::ApplyDisplayOptions(f.work);
    f.window->RefreshPages();
    QCOMPARE(view->layout().BoxRows(1), 1);
  }

  void AncestryLoopIsReportedWhenTheChartIsBuilt() {
    // 1 is the father of 2, 2 of 3, and 3 of 1.
    Lines lines;
    AddPerson(&lines, 1, "Al /Loop/", 'M', 3, {1});
    AddPerson(&lines, 2, "Bo /Loop/", 'M', 1, {2});
    AddPerson(&lines, 3, "Cy /Loop/", 'M', 2, {3});
    AddFamily(&lines, 1, 1, 0, {2});
    AddFamily(&lines, 2, 2, 0, {3});
    AddFamily(&lines, 3, 3, 0, {1});
    WindowFixture f;
    QVERIFY(f.Load(lines, 1));
    QVERIFY(f.ui.records().empty());  // nothing is walked while the page is hidden
    auto* view = OpenChart(f, 0)->tree_view();
    // The message's text is checked where the walk is (generation_walks_test).
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{"*** Critical Error ***"});
    QVERIFY(view->layout().levels() > 0);  // drawn from the last person reached
  }

  // Top (1) has Ann (2) and Bob (3), each with eighty children: the middle of Top's descendants
  // lies eighty rows from either child. The view opens on Top with a child beside them.
  void TheTreeViewOpensWithAChildOfThePersonInSight() {
    Lines lines;
    AddPerson(&lines, 1, "Top /Far/", 'M', 0, {1});
    AddPerson(&lines, 2, "Ann /Far/", 'F', 1, {2});
    AddPerson(&lines, 3, "Bob /Far/", 'M', 1, {3});
    std::vector<int> anns, bobs;
    for (int n = 4; n < 164; ++n) {
      AddPerson(&lines, n, "K" + std::to_string(n) + " /Far/", 'M', n < 84 ? 2 : 3);
      (n < 84 ? anns : bobs).push_back(n);
    }
    AddFamily(&lines, 1, 1, 0, {2, 3});
    AddFamily(&lines, 2, 0, 2, anns);
    AddFamily(&lines, 3, 3, 0, bobs);
    WindowFixture f;
    QVERIFY(f.Load(lines, 1));
    auto* view = OpenChart(f, 0)->tree_view();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    const QRect visible = view->viewport()->rect();
    QVERIFY(visible.contains(PointOf(view, FindNode(view->layout(), 'I', 1))));
    const bool ann = visible.contains(PointOf(view, FindNode(view->layout(), 'I', 2)));
    const bool bob = visible.contains(PointOf(view, FindNode(view->layout(), 'I', 3)));
    QVERIFY(ann || bob);
  }

  // Files that align dates in columns pad a year alone; the chart shows it without the gap.
  void PaddedDatesShowWithoutGaps() {
    WindowFixture f;
    QVERIFY(f.Load({"0 @I000001@ INDI", "1 NAME Al /Gap/", "1 BIRT", "2 DATE        1863", "1 DEAT",
                    "2 DATE ABT   1901", "1 FAMS @F000001@", "0 @I000002@ INDI", "1 NAME Bo /Gap/",
                    "1 FAMC @F000001@", "0 @F000001@ FAM", "1 HUSB @I000001@", "1 CHIL @I000002@",
                    "1 MARR", "2 DATE     1880"},
                   1));
    const kinloom::store::IndividualRecord* al = f.store.individual(1);
    QCOMPARE(std::string(al->birthText.view()), std::string("b. 1863"));
    QCOMPARE(std::string(al->deathText.view()), std::string("d. ABT 1901"));
    QCOMPARE(std::string(f.store.family(1)->marriageText.view()), std::string("m. 1880"));
    // The record keeps the date as it was written.
    QVERIFY(kinloom::testing::HasLine(f.Person(1), "2 DATE        1863"));
  }
};

QTEST_MAIN(ChartPageTest)
#include "chart_page_test.moc"
