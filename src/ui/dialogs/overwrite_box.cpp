#include "ui/dialogs/overwrite_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kinloom::ui {

using platform::Answer;

TOverWrtBox::TOverWrtBox(const QString& caption, const QString& text, const QString& check_text,
                         QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("TOverWrtBox"));
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  auto* icon = new QLabel(this);
  const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(size, size));
  icon->setAlignment(Qt::AlignTop);
  top->addWidget(icon);
  message_ = new QLabel(text, this);
  message_->setObjectName(QStringLiteral("Message"));
  message_->setTextFormat(Qt::PlainText);
  top->addWidget(message_, 1);
  layout->addLayout(top);
  ask_no_more_ = new QCheckBox(check_text, this);
  ask_no_more_->setObjectName(QStringLiteral("cbNoMoreMessages"));
  layout->addWidget(ask_no_more_);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  const std::pair<const char*, Answer> choices[] = {
      {"&Yes", Answer::kYes}, {"&No", Answer::kNo}, {"Cancel", Answer::kCancel}};
  const char* names[] = {"btnYes", "btnNo", "btnCancel"};
  for (int i = 0; i < 3; ++i) {
    auto* button = new QPushButton(QString::fromLatin1(choices[i].first), this);
    button->setObjectName(QString::fromLatin1(names[i]));
    const Answer answer = choices[i].second;
    connect(button, &QPushButton::clicked, this, [this, answer] { Answered(answer); });
    buttons->addWidget(button);
    if (answer == Answer::kNo) button->setDefault(true);
  }
  layout->addLayout(buttons);
}

bool TOverWrtBox::checked() const {
  return ask_no_more_->isChecked();
}
void TOverWrtBox::SetChecked(bool checked) {
  ask_no_more_->setChecked(checked);
}

void TOverWrtBox::Answered(Answer answer) {
  answer_ = answer;
  accept();
}

Answer TOverWrtBox::Ask(QWidget* parent, const QString& caption, const QString& text,
                        const QString& check_text, bool* checked) {
  TOverWrtBox box(caption, text, check_text, parent);
  box.SetChecked(checked != nullptr && *checked);
  box.exec();
  if (checked != nullptr) *checked = box.checked();
  return box.answer();
}

}  // namespace kinloom::ui
