#pragma once

class QWidget;

namespace kinloom::ui {

// Typing a mark and then a letter in the edit field gives the accented letter ("`" then "e"
// gives "è"), as in every name, place and note field of the main window. Works on QLineEdit
// and QPlainTextEdit.
void InstallAccentTyping(QWidget* edit);

}  // namespace kinloom::ui
