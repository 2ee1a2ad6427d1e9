#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kinloom::ui {

// The tree keeps its texts in the Windows-1252 set; the widgets show Unicode.
QString FromAnsi(std::string_view text);
// Typed or pasted text, mapped as a UTF-8 file's text is: a letter the set lacks becomes its
// plain letter, decomposed accents are joined, "?" stands for what has no near character.
std::string ToAnsi(const QString& text);

// A message text as the program writes it ("\n\r" and "\r\n" line breaks) for a widget.
QString MessageText(std::string_view text);

}  // namespace kinloom::ui
