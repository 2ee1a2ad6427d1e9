#include "ui/reports/verify_box.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/main/fam_tree.h"
#include "ui/reports/problem_box.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

using reports::CapitalsCheck;
using reports::VerifierSettings;

// The checks by kind, one page each: the capitalization groups (by their first error) and the
// numbered check boxes, in the order the page lists them.
struct ChecksPage {
  const char* name;
  const char* title;
  std::vector<int> capital_groups;
  std::vector<int> checks;
};

const std::vector<ChecksPage>& Pages() {
  static const std::vector<ChecksPage> pages = {
      {"pgNames", "Names", {1, 3}, {27, 29, 30, 31, 32, 35, 36, 37, 33}},
      {"pgDates", "Dates and Ages", {5}, {19, 14, 17, 18, 7, 8}},
      {"pgFamilies", "Marriages and Children", {}, {9, 20, 21, 15, 10, 11, 12, 13, 34, 25, 16}},
      {"pgLinks", "Gender, Links and Duplicates", {}, {22, 23, 24, 26, 28}},
  };
  return pages;
}

QString ObjectName(const char* prefix, int error) {
  return QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(error, 2, 10, QLatin1Char('0'));
}

CapitalsCheck* CapitalsOf(VerifierSettings& settings, int group) {
  if (group == 0) return &settings.given_name_capitals;
  if (group == 1) return &settings.surname_capitals;
  return &settings.date_capitals;
}

// The caption of an error's check box and the text after its up-down: the description split
// at its "%i". An unlinked tree's count is the row's own, so its caption stops before it.
std::pair<QString, QString> CheckCaption(int error) {
  const QString text = FromAnsi(reports::ErrorTemplate(error));
  const qsizetype at = text.indexOf(QLatin1String("%i"));
  if (at < 0) return {text, {}};
  if (reports::ThresholdOf(error) == nullptr) {
    const qsizetype dash = text.lastIndexOf(QLatin1String(" - "), at);
    return {text.left(dash < 0 ? at : dash).trimmed(), {}};
  }
  return {text.left(at).trimmed(), text.mid(at + 2).trimmed()};
}

}  // namespace

TVerifyBox::TVerifyBox(TFamTree& tree) : QDialog(&tree), tree_(tree) {
  setObjectName(QStringLiteral("TVerifyBox"));
  setWindowTitle(FromAnsi(reports::kVerifierCaption));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildOptions());
  layout->addWidget(BuildChecks(), 1);
  layout->addWidget(BuildButtons());
  Apply(tree_.work().program_settings().verifier);
}

QWidget* TVerifyBox::BuildOptions() {
  auto* box = new QGroupBox(QStringLiteral("Verify"), this);
  auto* layout = new QHBoxLayout(box);
  auto* modes = new QVBoxLayout;
  partial_mode_ = new QRadioButton(FromAnsi(reports::kPartialModeCaption), box);
  partial_mode_->setObjectName(QStringLiteral("rbVerSkip"));
  complete_mode_ = new QRadioButton(FromAnsi(reports::kCompleteModeCaption), box);
  complete_mode_->setObjectName(QStringLiteral("rbVerAll"));
  partial_mode_->setChecked(true);
  modes->addWidget(partial_mode_);
  modes->addWidget(complete_mode_);
  layout->addLayout(modes);
  layout->addSpacing(24);
  ignore_before_1600_ = new QCheckBox(FromAnsi(reports::kIgnoreBefore1600Caption), box);
  ignore_before_1600_->setObjectName(QStringLiteral("cb1600"));
  ignore_before_1600_->setToolTip(
      QStringLiteral("The age checks leave out people born before 1600"));
  layout->addWidget(ignore_before_1600_, 0, Qt::AlignTop);
  layout->addStretch(1);
  return box;
}

QTabWidget* TVerifyBox::BuildChecks() {
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("tabChecks"));
  for (const ChecksPage& page : Pages()) {
    tabs->addTab(BuildPage(page.name, page.checks, page.capital_groups),
                 QString::fromLatin1(page.title));
  }
  return tabs;
}

QWidget* TVerifyBox::BuildPage(const char* name, const std::vector<int>& checks,
                               const std::vector<int>& capital_groups) {
  auto* page = new QWidget;
  page->setObjectName(QString::fromLatin1(name));
  auto* layout = new QVBoxLayout(page);
  if (!capital_groups.empty()) {
    auto* row = new QHBoxLayout;
    for (int group : capital_groups) row->addWidget(BuildCapitalsGroup(group, page));
    row->addStretch(1);
    layout->addLayout(row);
  }
  for (int error : checks) layout->addWidget(BuildCheckRow(error, page));
  layout->addStretch(1);
  return page;
}

QGroupBox* TVerifyBox::BuildCapitalsGroup(int group, QWidget* parent) {
  static const char* const kTitles[] = {"Given Names", "Last Names", "Dates"};
  const int index = (group - 1) / 2;
  auto* box = new QGroupBox(QString::fromLatin1(kTitles[index]), parent);
  box->setObjectName(ObjectName("rbVer", group));
  auto* layout = new QVBoxLayout(box);
  auto* buttons = new QButtonGroup(box);
  const auto choices = reports::CapitalsChoices(group);
  for (int choice = 0; choice < 3; ++choice) {
    auto* button = new QRadioButton(FromAnsi(choices[static_cast<size_t>(choice)]), box);
    button->setObjectName(ObjectName("rbVer", group) + QStringLiteral("_%1").arg(choice));
    buttons->addButton(button, choice);
    layout->addWidget(button);
  }
  box->setToolTip(QStringLiteral("Errors %1 and %2").arg(group).arg(group + 1));
  capitals_[static_cast<size_t>(index)] = buttons;
  return box;
}

QWidget* TVerifyBox::BuildCheckRow(int error, QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  const auto [caption, after] = CheckCaption(error);
  auto* check = new QCheckBox(caption, row);
  check->setObjectName(ObjectName("cbVer", error));
  check->setToolTip(QStringLiteral("Error %1").arg(error));
  checks_[static_cast<size_t>(error)] = check;
  layout->addWidget(check);
  if (const reports::ThresholdSetting* t = reports::ThresholdOf(error)) {
    auto* up_down = new QSpinBox(row);
    up_down->setObjectName(ObjectName("udVer", error));
    up_down->setRange(t->low, t->high);
    up_down->setToolTip(QStringLiteral("%1 to %2").arg(t->low).arg(t->high));
    up_downs_[static_cast<size_t>(error)] = up_down;
    connect(check, &QCheckBox::toggled, up_down, &QWidget::setEnabled);
    layout->addWidget(up_down);
    if (!after.isEmpty()) layout->addWidget(new QLabel(after, row));
  }
  layout->addStretch(1);
  return row;
}

QWidget* TVerifyBox::BuildButtons() {
  auto* buttons = new QDialogButtonBox(this);
  auto* verify = buttons->addButton(FromAnsi(reports::kVerifyButton), QDialogButtonBox::ActionRole);
  verify->setObjectName(QStringLiteral("btnCheck"));
  verify->setToolTip(QStringLiteral("Run the checks over the whole tree"));
  auto* reset = buttons->addButton(FromAnsi(reports::kResetButton), QDialogButtonBox::ResetRole);
  reset->setObjectName(QStringLiteral("btnReSet"));
  reset->setToolTip(QStringLiteral("Put back the kept settings"));
  auto* close = buttons->addButton(QDialogButtonBox::Close);
  close->setObjectName(QStringLiteral("btnClose"));
  verify->setDefault(true);
  connect(verify, &QPushButton::clicked, this, &TVerifyBox::btnCheckClick);
  connect(reset, &QPushButton::clicked, this, &TVerifyBox::btnReSetClick);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  return buttons;
}

QCheckBox* TVerifyBox::check_box(int error) const {
  return error >= 0 && error <= reports::kVerifierErrors ? checks_[static_cast<size_t>(error)]
                                                         : nullptr;
}

QSpinBox* TVerifyBox::up_down(int error) const {
  return error >= 0 && error <= reports::kVerifierErrors ? up_downs_[static_cast<size_t>(error)]
                                                         : nullptr;
}

void TVerifyBox::Apply(const VerifierSettings& settings) {
  VerifierSettings copy = settings;
  for (int group = 0; group < 3; ++group) {
    const int choice = static_cast<int>(*CapitalsOf(copy, group));
    if (QAbstractButton* button = capitals_[static_cast<size_t>(group)]->button(choice)) {
      button->setChecked(true);
    }
  }
  for (int error = VerifierSettings::kFirstCheckedError; error <= reports::kVerifierErrors;
       ++error) {
    check_box(error)->setChecked(settings.check_on(error));
    if (QSpinBox* box = up_down(error)) {
      box->setValue(settings.*reports::ThresholdOf(error)->member);
      box->setEnabled(settings.check_on(error));
    }
  }
}

VerifierSettings TVerifyBox::Collect() const {
  VerifierSettings settings;
  for (int group = 0; group < 3; ++group) {
    const int choice = capitals_[static_cast<size_t>(group)]->checkedId();
    *CapitalsOf(settings, group) = static_cast<CapitalsCheck>(choice < 0 ? 0 : choice);
  }
  for (int error = VerifierSettings::kFirstCheckedError; error <= reports::kVerifierErrors;
       ++error) {
    settings.set_check(error, check_box(error)->isChecked());
    if (const QSpinBox* box = up_down(error)) {
      settings.*reports::ThresholdOf(error)->member = box->value();
    }
  }
  return settings;
}

reports::VerifyOptions TVerifyBox::Options() const {
  return {Collect(), complete_mode_->isChecked(), ignore_before_1600_->isChecked()};
}

void TVerifyBox::StoreSettings() {
  files::ProgramSettings& program = tree_.work().program_settings();
  const VerifierSettings settings = Collect();
  if (program.verifier == settings) return;
  program.verifier = settings;
  program.sources_changed = true;
}

void TVerifyBox::btnReSetClick() {
  Apply(tree_.work().program_settings().kept_verifier);
}

void TVerifyBox::btnCheckClick() {
  tree_.CommitPendingEdit();
  StoreSettings();
  setEnabled(false);
  const reports::VerifyOutcome outcome = reports::RunVerifier(tree_.store(), Options(), &problems_);
  setEnabled(true);
  cancelled_ = outcome.cancelled;
  const std::vector<std::string> lines =
      reports::SummaryLines(problems_.counts(), problems_.total(), problems_.descriptions());
  tree_.ui().Message(reports::kSummaryCaption, reports::SummaryText(lines),
                     platform::Icon::kInformation);
  if (!problems_.empty()) ShowProblems();
}

void TVerifyBox::ShowProblems() {
  TProblemBox box(tree_, problems_, this);
  box.exec();
}

void AddVerifierCommand(TFamTree& tree) {
  tree.commands().Add(QStringLiteral("&Reports"),
                      {"actVerifier",
                       QStringLiteral("&Verifier..."),
                       {},
                       QStringLiteral("Look for potential problems: impossible dates and ages, "
                                      "names and places, unlinked trees and duplicates")},
                      [&tree] {
                        tree.CommitPendingEdit();
                        TVerifyBox box(tree);
                        box.exec();
                        tree.TreeEdited();
                      });
}

void TVerifyBox::done(int result) {
  StoreSettings();
  QDialog::done(result);
}

}  // namespace kinloom::ui
