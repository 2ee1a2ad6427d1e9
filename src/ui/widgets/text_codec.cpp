#include "ui/widgets/text_codec.h"

#include <QByteArray>

#include "store/charsets.h"

namespace kinloom::ui {

QString FromAnsi(std::string_view text) {
  QString result;
  result.reserve(static_cast<qsizetype>(text.size()));
  for (char c : text) {
    // Every character of the set lies in the basic plane: one UTF-16 unit each.
    result.append(
        QChar(static_cast<char16_t>(store::InternalToCodePoint(static_cast<uint8_t>(c)))));
  }
  return result;
}

std::string ToAnsi(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return store::Utf8TextToInternal(
      std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

QString MessageText(std::string_view text) {
  QString shown = FromAnsi(text);
  shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.remove(QChar('\r'));
  return shown;
}

}  // namespace kinloom::ui
