#include "ui/main/progress_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace kinloom::ui {
namespace {

// While an operation lets the progress window take clicks, the user's input to every other
// window is dropped: the operation runs on the interface thread, and a click elsewhere would
// start something in the middle of it.
class OtherInputFilter final : public QObject {
 public:
  explicit OtherInputFilter(QWidget* window) : window_(window) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!IsUserInput(event->type())) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && (widget == window_ || window_->isAncestorOf(widget))) return false;
    if (event->type() == QEvent::Close) event->ignore();
    return widget != nullptr || watched->isWindowType();
  }

 private:
  static bool IsUserInput(QEvent::Type type) {
    switch (type) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::Shortcut:
      case QEvent::ShortcutOverride:
      case QEvent::Wheel:
      case QEvent::Close:
        return true;
      default:
        return false;
    }
  }

  QWidget* window_;
};

}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ProgressWindow"));
  setModal(false);
  // No close button: the operation ends it, not the user.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  auto* layout = new QVBoxLayout(this);
  label_ = new QLabel(this);
  label_->setObjectName(QStringLiteral("lblProgress"));
  bar_ = new QProgressBar(this);
  bar_->setObjectName(QStringLiteral("barProgress"));
  bar_->setRange(0, 100);
  bar_->setValue(0);
  text_ = new QLabel(this);
  text_->setObjectName(QStringLiteral("lblProgressText"));
  layout->addWidget(label_);
  layout->addWidget(bar_);
  layout->addWidget(text_);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  cancel_->setObjectName(QStringLiteral("btnCancel"));
  cancel_->setAutoDefault(false);
  cancel_->hide();
  connect(cancel_, &QPushButton::clicked, this, [this] {
    cancelled_ = true;
    cancel_->setEnabled(false);
  });
  layout->addWidget(cancel_, 0, Qt::AlignRight);
  setMinimumWidth(380);
  since_repaint_.start();
}

void ProgressWindow::ShowProgress(const QString& caption, const QString& label) {
  // Another inner operation of the outer one that is still running.
  if (resumable_) Resume();
  if (!isVisible()) {
    shows_ = 0;
    outer_caption_ = caption;
    outer_label_ = label;
  }
  ++shows_;
  setWindowTitle(caption);
  label_->setText(label);
  if (!isVisible()) {
    text_->clear();
    cancelled_ = false;
    cancel_->hide();
    cancel_->setEnabled(true);
    show();
    raise();
  }
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  since_repaint_.restart();
}

void ProgressWindow::SetRange(int maximum) {
  Resume();
  bar_->setRange(0, maximum > 0 ? maximum : 0);
  position_ = 0;
  bar_->setValue(0);
  RepaintIfDue();
}

void ProgressWindow::SetPosition(int position) {
  position_ = position;
  if (resumable_) Resume();
  if (since_repaint_.elapsed() >= kRepaintMs) RepaintIfDue();
}

void ProgressWindow::SetText(const QString& text) {
  Resume();
  text_->setText(text);
  RepaintIfDue();
}

void ProgressWindow::HideProgress() {
  // Hidden after more than one show: an inner operation ended, an outer one may go on.
  resumable_ = isVisible() && shows_ > 1;
  if (resumable_) {
    // Once control is back in the event loop, no operation is running any more.
    const int hiding = ++hidings_;
    QTimer::singleShot(0, this, [this, hiding] {
      if (hiding == hidings_) resumable_ = false;
    });
  }
  PushPosition();
  hide();
}

bool ProgressWindow::CancelRequested() {
  if (!isVisible()) return cancelled_;
  if (cancel_->isHidden()) {
    cancel_->show();
    adjustSize();
  }
  ProcessInputIfDue();
  return cancelled_;
}

void ProgressWindow::ProcessInputIfDue() {
  if (since_repaint_.elapsed() < kRepaintMs) return;
  PushPosition();
  OtherInputFilter filter(this);
  QCoreApplication::instance()->installEventFilter(&filter);
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  QCoreApplication::instance()->removeEventFilter(&filter);
  since_repaint_.restart();
}

void ProgressWindow::Resume() {
  if (!resumable_) return;
  resumable_ = false;
  ShowProgress(outer_caption_, outer_label_);
}

int ProgressWindow::maximum() const {
  return bar_->maximum();
}
QString ProgressWindow::label() const {
  return label_->text();
}
QString ProgressWindow::text() const {
  return text_->text();
}

void ProgressWindow::PushPosition() {
  const int shown = std::clamp(position_, bar_->minimum(), bar_->maximum());
  if (bar_->value() != shown) bar_->setValue(shown);
}

void ProgressWindow::RepaintIfDue() {
  if (since_repaint_.elapsed() < kRepaintMs) return;
  PushPosition();
  if (isVisible()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  since_repaint_.restart();
}

}  // namespace kinloom::ui
