#include "ui/main/qt_interaction.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QMessageBox>

#include "ui/chart/chart_font.h"
#include "ui/dialogs/fix_link_box.h"
#include "ui/dialogs/overwrite_box.h"
#include "ui/dialogs/parents_box.h"
#include "ui/dialogs/remove_spc_box.h"
#include "ui/main/progress_window.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

QMessageBox::Icon BoxIcon(Icon icon) {
  switch (icon) {
    case Icon::kInformation:
      return QMessageBox::Information;
    case Icon::kQuestion:
      return QMessageBox::Question;
    case Icon::kExclamation:
      return QMessageBox::Warning;
    case Icon::kStop:
      return QMessageBox::Critical;
    case Icon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(Buttons buttons) {
  switch (buttons) {
    case Buttons::kOk:
      return QMessageBox::Ok;
    case Buttons::kYesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case Buttons::kYesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

// Escape and the title bar's close give the safe answer: No, Cancel, or OK for a message.
QMessageBox::StandardButton EscapeButton(Buttons buttons) {
  switch (buttons) {
    case Buttons::kOk:
      return QMessageBox::Ok;
    case Buttons::kYesNo:
      return QMessageBox::No;
    case Buttons::kYesNoCancel:
      return QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

Answer AnswerOf(int button, Buttons buttons) {
  switch (button) {
    case QMessageBox::Yes:
      return Answer::kYes;
    case QMessageBox::No:
      return Answer::kNo;
    case QMessageBox::Cancel:
      return Answer::kCancel;
    case QMessageBox::Ok:
      return Answer::kOk;
    default:
      break;
  }
  // Closed with Escape or the title bar: the safe answer.
  if (buttons == Buttons::kYesNoCancel) return Answer::kCancel;
  if (buttons == Buttons::kYesNo) return Answer::kNo;
  return Answer::kOk;
}

}  // namespace

QtInteraction::QtInteraction(const platform::Clock* clock) : clock_(clock) {
  if (clock_ == nullptr) {
    own_clock_ = std::make_unique<platform::SystemClock>();
    clock_ = own_clock_.get();
  }
}

QtInteraction::~QtInteraction() {
  delete progress_.data();
}

void QtInteraction::SetParent(QWidget* parent) {
  parent_ = parent;
}

void QtInteraction::Message(std::string_view caption, std::string_view text, Icon icon) {
  (void)ShowBox(caption, text, icon, Buttons::kOk, {}, nullptr);
}

Answer QtInteraction::Ask(std::string_view caption, std::string_view text, Icon icon,
                          Buttons buttons) {
  return ShowBox(caption, text, icon, buttons, {}, nullptr);
}

Answer QtInteraction::AskWithCheck(std::string_view caption, std::string_view text, Icon icon,
                                   Buttons buttons, std::string_view check_text, bool* checked) {
  // The file-replacement question has its own window, with the file details laid out.
  if (buttons == Buttons::kYesNoCancel && !check_text.empty()) {
    return TOverWrtBox::Ask(parent_, MessageText(caption), MessageText(text),
                            MessageText(check_text), checked);
  }
  return ShowBox(caption, text, icon, buttons, check_text, checked);
}

// Texts are shown as written: a "<" in a name must not turn the box into rich text.
Answer QtInteraction::ShowBox(std::string_view caption, std::string_view text, Icon icon,
                              Buttons buttons, std::string_view check_text, bool* checked) {
  QMessageBox box(BoxIcon(icon), MessageText(caption), MessageText(text), BoxButtons(buttons),
                  parent_);
  box.setTextFormat(Qt::PlainText);
  box.setEscapeButton(EscapeButton(buttons));
  QCheckBox* check = nullptr;
  if (checked != nullptr || !check_text.empty()) {
    check = new QCheckBox(MessageText(check_text), &box);
    check->setChecked(checked != nullptr && *checked);
    box.setCheckBox(check);
  }
  const Answer answer = AnswerOf(box.exec(), buttons);
  if (check != nullptr && checked != nullptr) *checked = check->isChecked();
  return answer;
}

std::optional<int> QtInteraction::ChooseParentType(std::string_view father, std::string_view mother,
                                                   std::string_view child, int offered) {
  return TParentsBox::Choose(parent_, FromAnsi(father), FromAnsi(mother), FromAnsi(child), offered);
}

std::optional<int> QtInteraction::ChooseRemainingParent(std::string_view person,
                                                        std::string_view spouse) {
  return TRemoveSpc::Choose(parent_, FromAnsi(person), FromAnsi(spouse));
}

platform::LinkFixAnswer QtInteraction::FixLink(const platform::LinkProblem& problem) {
  return TFixLkBox::Choose(parent_, problem, store_);
}

ProgressWindow& QtInteraction::progress() {
  if (progress_.isNull()) progress_ = new ProgressWindow(parent_);
  return *progress_;
}

void QtInteraction::ProgressShow(std::string_view caption, std::string_view label) {
  progress().ShowProgress(FromAnsi(caption), FromAnsi(label));
}
void QtInteraction::ProgressRange(int maximum) {
  progress().SetRange(maximum);
}
void QtInteraction::ProgressPosition(int position) {
  progress().SetPosition(position);
}
void QtInteraction::ProgressText(std::string_view text) {
  progress().SetText(FromAnsi(text));
}
void QtInteraction::ProgressHide() {
  if (progress_) progress_->HideProgress();
}

bool QtInteraction::ProgressCancelRequested() {
  return progress_ && progress_->CancelRequested();
}

int QtInteraction::TextWidth(std::string_view text) {
  if (!chart_metrics_) chart_metrics_ = std::make_unique<QFontMetrics>(ChartFont());
  return chart_metrics_->horizontalAdvance(FromAnsi(text));
}

}  // namespace kinloom::ui
