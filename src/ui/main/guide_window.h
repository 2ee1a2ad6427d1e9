#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace kinloom::ui {

// The documents that ship with the program.
enum class ProgramDocument { kGuide, kLicence };

// A window that shows the user's guide (Markdown) or the licence (plain text), read from the
// installed program's files or the source tree. A document that cannot be read says so and
// where it was looked for. Not modal: the user reads it beside the tree.
class TGuideWindow : public QDialog {
  Q_OBJECT

 public:
  TGuideWindow(QWidget* parent, ProgramDocument document, const QString& path);

  ProgramDocument document() const { return document_; }
  // True when the document was read; false when the window shows why not.
  bool loaded() const { return loaded_; }

 private:
  ProgramDocument document_;
  bool loaded_ = false;
  QTextBrowser* text_;
};

// The window of that document over `parent`: the open one raised, else a new one (deleted when
// closed). The document's path is the program's own (files::FindProgramFiles).
TGuideWindow* ShowProgramDocument(QWidget* parent, ProgramDocument document);

}  // namespace kinloom::ui
