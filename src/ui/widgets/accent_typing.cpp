#include "ui/widgets/accent_typing.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "store/charsets.h"
#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

// The two characters before the cursor as one accented letter, or an empty text when they do
// not compose.
QString Composed(const QString& two) {
  std::string text = ToAnsi(two);
  if (text.size() != 2 || !store::ComposeAccent(text)) return {};
  return FromAnsi(text);
}

void ComposeInLineEdit(QLineEdit* edit) {
  const int cursor = edit->cursorPosition();
  if (cursor < 2 || edit->hasSelectedText()) return;
  const QString composed = Composed(edit->text().mid(cursor - 2, 2));
  if (composed.isEmpty()) return;
  edit->setSelection(cursor - 2, 2);
  edit->insert(composed);  // as typed: the box counts as edited
}

void ComposeInTextEdit(QPlainTextEdit* edit) {
  QTextCursor cursor = edit->textCursor();
  if (cursor.hasSelection() || cursor.positionInBlock() < 2) return;
  cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, 2);
  const QString composed = Composed(cursor.selectedText());
  if (composed.isEmpty()) return;
  cursor.insertText(composed);
  edit->setTextCursor(cursor);
}

// Composes on every key release, so a mark typed and then a letter become one character.
class AccentTyping : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyRelease) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->text().isEmpty() || key->isAutoRepeat()) return false;
    if (auto* line = qobject_cast<QLineEdit*>(watched)) ComposeInLineEdit(line);
    if (auto* text = qobject_cast<QPlainTextEdit*>(watched)) ComposeInTextEdit(text);
    return false;
  }
};

}  // namespace

void InstallAccentTyping(QWidget* edit) {
  if (edit == nullptr) return;
  if (qobject_cast<QLineEdit*>(edit) == nullptr && qobject_cast<QPlainTextEdit*>(edit) == nullptr) {
    return;
  }
  edit->installEventFilter(new AccentTyping(edit));
}

}  // namespace kinloom::ui
