#include "ui/progress_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace kinloom::ui {

ProgressWindow::ProgressWindow(QWidget* parent) : QDialog(parent) {
  auto* layout = new QVBoxLayout(this);
  label_ = new QLabel(this);
  bar_ = new QProgressBar(this);
  text_ = new QLabel(this);
  layout->addWidget(label_);
  layout->addWidget(bar_);
  layout->addWidget(text_);
}

void ProgressWindow::ShowProgress(const QString& caption, const QString& label) {
  setWindowTitle(caption);
  label_->setText(label);
  show();
}
void ProgressWindow::SetRange(int maximum) { bar_->setRange(0, maximum); }
void ProgressWindow::SetPosition(int position) { bar_->setValue(position); }
void ProgressWindow::SetText(const QString& text) { text_->setText(text); }
void ProgressWindow::HideProgress() { hide(); }

}  // namespace kinloom::ui
