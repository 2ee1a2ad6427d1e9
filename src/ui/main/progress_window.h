#pragma once

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;
class QPushButton;

namespace kinloom::ui {

// The shared progress window of long operations: a caption, the current step, a bar and a
// text. The work runs on the interface thread, so the setters let the window repaint now and
// then (at most every kRepaintMs); a position update in between only stores the number.
//
// Operations nest and do not always pair their calls: a show while shown only changes the
// texts, and when an inner operation hides the window while an outer one is still running,
// the outer one's next update (or next inner show) brings the window back with the outer
// texts, until control returns to the event loop.
class ProgressWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ProgressWindow(QWidget* parent);

  void ShowProgress(const QString& caption, const QString& label);
  void SetRange(int maximum);
  void SetPosition(int position);
  void SetText(const QString& text);
  void HideProgress();

  // Whether the user clicked Cancel since the window last appeared. The first question shows
  // the Cancel button (operations that never ask have none) and lets the window take clicks:
  // while it is up, the user's input goes to it alone, so nothing else starts mid-operation.
  bool CancelRequested();
  QPushButton* cancel_button() const { return cancel_; }

  // What the window holds now (the bar may lag behind the position until the next repaint).
  int position() const { return position_; }
  int maximum() const;
  QString label() const;
  QString text() const;

  static constexpr int kRepaintMs = 50;

 private:
  void Resume();
  void PushPosition();
  void RepaintIfDue();
  // Repaints and lets the Cancel button take clicks, at most every kRepaintMs.
  void ProcessInputIfDue();

  QLabel* label_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QLabel* text_ = nullptr;
  QPushButton* cancel_ = nullptr;
  bool cancelled_ = false;
  QElapsedTimer since_repaint_;
  int position_ = 0;
  int shows_ = 0;  // shows since the window last appeared
  // The outer operation's texts, kept while an inner one has hidden the window.
  bool resumable_ = false;
  int hidings_ = 0;
  QString outer_caption_;
  QString outer_label_;
};

}  // namespace kinloom::ui
