#pragma once

#include <QDialog>
#include <QString>

#include "platform/interaction.h"

class QCheckBox;
class QLabel;

namespace kinloom::ui {

// The question whether to replace an existing file while a group of files is copied, with the
// box that stops the questions for the rest of the group.
class TOverWrtBox : public QDialog {
  Q_OBJECT

 public:
  TOverWrtBox(const QString& caption, const QString& text, const QString& check_text,
              QWidget* parent = nullptr);

  // Shows the question; *checked holds the box's state going in and coming out.
  static platform::Answer Ask(QWidget* parent, const QString& caption, const QString& text,
                              const QString& check_text, bool* checked);

  platform::Answer answer() const { return answer_; }
  bool checked() const;
  void SetChecked(bool checked);

 private:
  void Answered(platform::Answer answer);

  platform::Answer answer_ = platform::Answer::kCancel;  // also for a window just closed
  QLabel* message_ = nullptr;
  QCheckBox* ask_no_more_ = nullptr;
};

}  // namespace kinloom::ui
