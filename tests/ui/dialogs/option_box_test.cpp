#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "files/data_folders.h"
#include "files/search_sources.h"
#include "ui/dialogs/option_box.h"
#include "ui/main/option_effects.h"
#include "ui_test_support.h"

using kinloom::files::ProgramSettings;
using kinloom::testing::Child;
using kinloom::testing::Click;
using kinloom::testing::WindowFixture;
using kinloom::ui::TOptionBox;

namespace {

const std::vector<std::string> kFamily = {
    "0 @I000001@ INDI", "1 NAME John /Smith/", "1 SEX M",          "1 FAMS @F000001@",
    "0 @I000002@ INDI", "1 NAME Mary /Brown/", "1 SEX F",          "1 FAMS @F000001@",
    "0 @I000003@ INDI", "1 NAME Anne /Smith/", "1 SEX F",          "1 FAMC @F000001@",
    "0 @F000001@ FAM",  "1 HUSB @I000001@",    "1 WIFE @I000002@", "1 CHIL @I000003@",
};

const char* const kReadOnlyRefused =
    "Uncheck \"Automatic Save\" check box before\n\"Read Only File\" check box can be enabled.";
const char* const kAutoSaveRefused =
    "Uncheck \"Read Only File\" check box before\n\"Automatic Save\" check box can be enabled.";

kinloom::files::OpenRequest Reopen(WindowFixture& f) {
  kinloom::files::OpenRequest request;
  request.path = f.GedcomPath();
  return request;
}

// Shown, so that clicks land on laid-out widgets.
void Show(TOptionBox& box) {
  box.show();
  if (!QTest::qWaitForWindowExposed(&box)) qFatal("options dialog not shown");
}

bool BothChanged(WindowFixture& f) {
  return f.work.program_settings().sources_changed && f.work.session().changed.sources_changed;
}

// Every check box of the dialog.
const char* const kBoxes[] = {"cbOptSurnCaps", "cbOptGivnCaps",   "cbOptDateCap", "cbOptParents",
                              "cbOptSrcNote",  "cbOptProfilePic", "cbOptHint",    "cbOptAutoSave"};

}  // namespace

class OptionBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void ReadOnlyAndAutomaticSaveExcludeEachOther() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily));
    kinloom::files::TreeSession& session = f.work.session();
    session.auto_save.enabled = true;
    TOptionBox box(*f.window);
    Show(box);
    auto* auto_save = Child<QCheckBox>(&box, "cbOptAutoSave");
    auto* read_only = Child<QCheckBox>(&box, "cbOptReadOnly");
    auto* minutes = Child<QSpinBox>(&box, "udOptMins");
    QVERIFY(auto_save->isChecked() && minutes->isEnabled());
    minutes->setValue(30);
    QCOMPARE(session.auto_save.minutes, 30);
    QCOMPARE(f.work.program_settings().auto_save_minutes, 30);
    QCOMPARE(f.window->auto_save_timer().interval(), 30 * 60000);
    QVERIFY(BothChanged(f));

    Click(read_only);  // refused while automatic save is on
    QVERIFY(!read_only->isChecked() && !session.read_only);
    QCOMPARE(f.ui.Captions(), std::vector<std::string>{" Configuration Conflict"});
    QCOMPARE(f.ui.records()[0].text, std::string(kReadOnlyRefused));

    Click(auto_save);
    QVERIFY(!session.auto_save.enabled && !f.work.program_settings().auto_save);
    QVERIFY(!minutes->isEnabled() && !f.window->auto_save_timer().isActive());
    Click(read_only);
    QVERIFY(session.read_only);

    Click(auto_save);  // refused while the file is read-only
    QVERIFY(!auto_save->isChecked() && !session.auto_save.enabled && !minutes->isEnabled());
    QCOMPARE(f.ui.records().size(), size_t{2});
    QCOMPARE(f.ui.records()[1].caption, std::string(" Configuration Conflict"));
    QCOMPARE(f.ui.records()[1].text, std::string(kAutoSaveRefused));

    Click(read_only);
    Click(auto_save);
    QVERIFY(session.auto_save.enabled && !session.read_only);
    QVERIFY(minutes->isEnabled() && f.window->auto_save_timer().isActive());
    QCOMPARE(f.ui.records().size(), size_t{2});
    minutes->setValue(1000);
    QCOMPARE(session.auto_save.minutes, 240);
  }

  void EachOptionIsTakenAtOnceAndMarkedChanged() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily));
    QVERIFY(!BothChanged(f));
    TOptionBox box(*f.window);
    Show(box);
    const ProgramSettings& options = f.work.program_settings();
    for (const char* name : {"cbOptSurnCaps", "cbOptGivnCaps", "cbOptDateCap", "cbOptParents",
                             "cbOptSrcNote", "cbOptProfilePic", "cbOptHint"}) {
      Click(Child<QCheckBox>(&box, name));
    }
    QVERIFY(BothChanged(f));
    QVERIFY(options.surname_capitals && options.given_name_capitals && options.date_capitals);
    QVERIFY(options.parents_on_family_page && options.notes_on_hover);
    QVERIFY(f.store.show_chart_pictures());
    QVERIFY(kinloom::ui::HintsShown());
    Click(Child<QCheckBox>(&box, "cbOptHint"));
    QVERIFY(!kinloom::ui::HintsShown());
    QCOMPARE(Child<QCheckBox>(&box, "cbOptSurnCaps")->text(),
             QStringLiteral("Convert surnames to all capital letters when entered."));
    QCOMPARE(Child<QCheckBox>(&box, "cbOptGivnCaps")->text(),
             QStringLiteral("Convert given names to all capital letters when entered."));

    // The date format shows on the example at once.
    auto* example = Child<QLabel>(&box, "lbDateExample");
    QVERIFY(Child<QRadioButton>(&box, "rbEuropean")->isChecked());
    QVERIFY(Child<QRadioButton>(&box, "rbEuropean")->text().endsWith("24 May 1927"));
    QVERIFY(Child<QRadioButton>(&box, "rbAmerican")->text().endsWith("May 24, 1927"));
    QCOMPARE(example->text(), QStringLiteral("Today:  06 December 2026"));
    f.work.program_settings().sources_changed = f.work.session().changed.sources_changed = false;
    Click(Child<QRadioButton>(&box, "rbAmerican"));
    QCOMPARE(options.date_display(), kinloom::core::DateDisplay::kAmerican);
    QVERIFY(BothChanged(f));
    QCOMPARE(example->text(), QStringLiteral("Today:  December 06, 2026"));
    Click(Child<QRadioButton>(&box, "rbEuropean"));
    QVERIFY(options.european_dates);
    QCOMPARE(example->text(), QStringLiteral("Today:  06 December 2026"));
  }

  // The options go to the settings file, the home person to the tree: both come back.
  void OptionsAndHomePersonSurviveSaveAndReopen() {
    WindowFixture f;
    QVERIFY(f.Load(kFamily, 3));
    QCOMPARE(f.store.home_person(), 1);
    f.work.session().auto_save.enabled = false;
    {
      TOptionBox box(*f.window);
      Show(box);
      for (const char* name : kBoxes) Click(Child<QCheckBox>(&box, name));
      Child<QSpinBox>(&box, "udOptMins")->setValue(45);
      Click(Child<QRadioButton>(&box, "rbAmerican"));
      auto* label = Child<QLabel>(&box, "lbHomePerson");
      QCOMPARE(label->text(), QStringLiteral("John Smith (1)"));
      Click(Child<QPushButton>(&box, "btnOptHome"));
      QCOMPARE(label->text(), QStringLiteral("Anne Smith (3)"));
    }
    QCOMPARE(f.store.home_person(), 3);
    QVERIFY(f.work.session().changed.TreeChanged());  // the save-changes question covers it
    f.window->SaveTree(false);
    QVERIFY(!f.work.session().changed.Any());
    QVERIFY(!BothChanged(f));
    f.work.program_settings() = ProgramSettings{};
    f.store.set_show_chart_pictures(false);
    kinloom::ui::SetHintsShown(false);
    f.window->ShowIndividual(2);
    QVERIFY(f.window->OpenTreeFile(Reopen(f)));
    f.window->GoHome();
    QCOMPARE(f.window->shown().individual, 3);
    TOptionBox box(*f.window);
    Show(box);
    for (const char* name : kBoxes) QVERIFY2(Child<QCheckBox>(&box, name)->isChecked(), name);
    QCOMPARE(Child<QSpinBox>(&box, "udOptMins")->value(), 45);
    QVERIFY(Child<QRadioButton>(&box, "rbAmerican")->isChecked());
    QVERIFY(f.store.show_chart_pictures());  // put in force when the options were read
    QVERIFY(kinloom::ui::HintsShown());
    QVERIFY(!BothChanged(f));
  }
};

QTEST_MAIN(OptionBoxTest)
#include "option_box_test.moc"
