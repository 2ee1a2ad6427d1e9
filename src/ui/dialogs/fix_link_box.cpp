#include "ui/dialogs/fix_link_box.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/dialog_link_records.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

QString Lines(const std::vector<std::string>& lines) {
  QStringList shown;
  for (const std::string& line : lines) shown.append(FromAnsi(line));
  return shown.join(QChar('\n'));
}

QGroupBox* PanelBox(const core::LinkPanel& panel, const QString& name, QWidget* parent) {
  auto* box = new QGroupBox(FromAnsi(panel.heading), parent);
  box->setObjectName(name);
  auto* layout = new QVBoxLayout(box);
  auto* text = new QLabel(Lines(panel.lines), box);
  text->setObjectName(name + QStringLiteral("Text"));
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  text->setMinimumHeight(text->fontMetrics().lineSpacing() * 3);
  text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  layout->addWidget(text);
  return box;
}

QPushButton* Button(const char* caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

QLabel* Label(const std::string& text, const char* name, QWidget* parent) {
  auto* label = new QLabel(FromAnsi(text), parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

TFixLkBox::TFixLkBox(QWidget* parent, const platform::LinkProblem& problem,
                     const store::RecordStore* store)
    : QDialog(parent) {
  setObjectName(QStringLiteral("TFixLkBox"));
  setWindowTitle(QStringLiteral("Fix Links"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MakeRecords(problem, store));
  layout->addWidget(MakeExplanation(problem));
  layout->addWidget(MakeFixes(problem));
  layout->addWidget(MakeChoices());
  setMinimumWidth(520);
}

QWidget* TFixLkBox::MakeRecords(const platform::LinkProblem& problem,
                                const store::RecordStore* store) {
  const core::LinkPanels panels = core::DescribeLinkProblem(problem, store);
  auto* records = new QWidget(this);
  auto* layout = new QVBoxLayout(records);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(PanelBox(panels.upper, QStringLiteral("gbUpper"), records));
  layout->addWidget(PanelBox(panels.lower, QStringLiteral("gbLower"), records));
  return records;
}

QWidget* TFixLkBox::MakeExplanation(const platform::LinkProblem& problem) {
  auto* box = new QGroupBox(this);
  auto* layout = new QVBoxLayout(box);
  QLabel* title = Label(problem.title, "lblTitle", box);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  auto* text = new QLabel(Lines(problem.texts), box);
  text->setObjectName(QStringLiteral("lblExplain"));
  layout->addWidget(title);
  layout->addWidget(text);
  return box;
}

QWidget* TFixLkBox::MakeFixes(const platform::LinkProblem& problem) {
  auto* box = new QGroupBox(this);
  auto* grid = new QGridLayout(box);
  QPushButton* fix_a = Button("Fix A", "btnFixA", box);
  fix_a->setToolTip(QStringLiteral(" Fix Reference Link by Adding the Missing Link "));
  fix_a->setEnabled(problem.fix_a_possible);
  QLabel* label_a = Label(problem.fix_a_label, "lblFixA", box);
  label_a->setEnabled(problem.fix_a_possible);
  QPushButton* fix_b = Button("Fix B", "btnFixB", box);
  fix_b->setToolTip(QStringLiteral(" Fix Problem Reference Link by Deleting It "));
  QPushButton* ignore = Button("Ignore", "btnIgnore", box);
  grid->addWidget(fix_a, 0, 0);
  grid->addWidget(label_a, 0, 1);
  grid->addWidget(fix_b, 1, 0);
  grid->addWidget(Label(problem.fix_b_label, "lblFixB", box), 1, 1);
  grid->addWidget(ignore, 2, 0);
  grid->setColumnStretch(1, 1);
  connect(fix_a, &QPushButton::clicked, this, &TFixLkBox::btnFixAClick);
  connect(fix_b, &QPushButton::clicked, this, &TFixLkBox::btnFixBClick);
  connect(ignore, &QPushButton::clicked, this, &TFixLkBox::btnIgnoreClick);
  return box;
}

QWidget* TFixLkBox::MakeChoices() {
  auto* box = new QGroupBox(this);
  auto* layout = new QVBoxLayout(box);
  auto* stop =
      new QRadioButton(QStringLiteral("Stop Checking -- Leave Missing Links Unchanged"), box);
  stop->setObjectName(QStringLiteral("rbStop"));
  auto* auto_fix =
      new QRadioButton(QStringLiteral("Auto Fix Missing Links -- Use Fix A if Available"), box);
  auto_fix->setObjectName(QStringLiteral("rbAutoFix"));
  auto* go_on =
      new QRadioButton(QStringLiteral("Continue Checking -- Manually Select Fix or Ignore"), box);
  go_on->setObjectName(QStringLiteral("rbContinue"));
  go_on->setChecked(true);
  layout->addWidget(stop);
  layout->addWidget(auto_fix);
  layout->addWidget(go_on);
  // Only a click by the user decides; setting the buttons from code does not close the box.
  connect(stop, &QRadioButton::clicked, this, &TFixLkBox::rbStopClick);
  connect(auto_fix, &QRadioButton::clicked, this, &TFixLkBox::rbAutoFixClick);
  return box;
}

void TFixLkBox::Answer(platform::LinkFixAnswer answer) {
  answer_ = answer;
  accept();
}

platform::LinkFixAnswer TFixLkBox::Choose(QWidget* parent, const platform::LinkProblem& problem,
                                          const store::RecordStore* store) {
  TFixLkBox box(parent, problem, store);
  if (box.exec() != QDialog::Accepted) return platform::LinkFixAnswer::kIgnore;
  return box.answer();
}

}  // namespace kinloom::ui
