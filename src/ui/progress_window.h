#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace kinloom::ui {

// The shared progress window of long operations: a caption, the current step, a bar and a
// text. Updating it lets the window repaint, since the work runs on the interface thread.
class ProgressWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ProgressWindow(QWidget* parent);

  void ShowProgress(const QString& caption, const QString& label);
  void SetRange(int maximum);
  void SetPosition(int position);
  void SetText(const QString& text);
  void HideProgress();

 private:
  QLabel* label_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QLabel* text_ = nullptr;
};

}  // namespace kinloom::ui
