#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kinloom::ui {

// The tree keeps its texts in the Windows-1252 set; the widgets show Unicode.
QString FromAnsi(std::string_view text);
// Characters the set cannot hold become "?".
std::string ToAnsi(const QString& text);

// A message text as the program writes it ("\n\r" and "\r\n" line breaks) for a widget.
QString MessageText(std::string_view text);

}  // namespace kinloom::ui
