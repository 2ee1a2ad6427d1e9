#include "ui/website/web_settings_binder.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextCursor>
#include <algorithm>

#include "ui/widgets/text_codec.h"

namespace kinloom::ui {

namespace {

// The message's lines joined by one break each, as the file counts its length.
std::string JoinedMessage(const std::vector<std::string>& lines) {
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) joined += '\n';
    joined += lines[i];
  }
  return joined;
}

}  // namespace

QString MessageToText(const std::vector<std::string>& message) {
  return FromAnsi(JoinedMessage(message));
}

std::vector<std::string> MessageFromText(const QString& text) {
  std::vector<std::string> lines;
  if (text.isEmpty()) return lines;
  std::string ansi = ToAnsi(text);
  if (ansi.size() > files::kMessageLength) ansi.resize(files::kMessageLength);
  size_t start = 0;
  while (true) {
    const size_t end = ansi.find('\n', start);
    const size_t length = (end == std::string::npos ? ansi.size() : end) - start;
    lines.push_back(ansi.substr(start, std::min(length, files::kMessageLineLength)));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

WebSettingsBinder::WebSettingsBinder(files::WebSiteSettings& settings, files::ChangedFlags& changed,
                                     QObject* parent)
    : QObject(parent), settings_(settings), changed_(changed) {}

void WebSettingsBinder::Quietly(const std::function<void()>& update) {
  ++loading_;
  update();
  --loading_;
}

void WebSettingsBinder::Load() {
  Quietly([this] {
    for (const auto& load : loaders_) load();
  });
  emit settingsLoaded();
}

void WebSettingsBinder::Edited() {
  settings_.web_settings_changed = true;
  changed_.web_settings_changed = true;
  emit settingsEdited();
}

void WebSettingsBinder::BindText(QLineEdit* edit, TextRef field, size_t limit) {
  edit->setMaxLength(static_cast<int>(limit));
  loaders_.push_back([this, edit, field] { edit->setText(FromAnsi(field(settings_))); });
  connect(edit, &QLineEdit::textChanged, this, [this, field, limit](const QString& text) {
    if (loading()) return;
    std::string value = ToAnsi(text);
    if (value.size() > limit) value.resize(limit);
    field(settings_) = value;
    Edited();
  });
}

void WebSettingsBinder::BindFontName(QComboBox* box, TextRef field) {
  box->setEditable(true);
  box->lineEdit()->setMaxLength(static_cast<int>(files::kFontNameLength));
  loaders_.push_back([this, box, field] { box->setEditText(FromAnsi(field(settings_))); });
  connect(box, &QComboBox::editTextChanged, this, [this, field](const QString& text) {
    if (loading()) return;
    std::string value = ToAnsi(text.trimmed());
    if (value.size() > files::kFontNameLength) value.resize(files::kFontNameLength);
    field(settings_) = value;
    Edited();
  });
}

void WebSettingsBinder::BindFlag(QAbstractButton* check, FlagRef field) {
  check->setCheckable(true);
  loaders_.push_back([this, check, field] { check->setChecked(field(settings_)); });
  connect(check, &QAbstractButton::toggled, this, [this, field](bool on) {
    if (loading()) return;
    field(settings_) = on;
    Edited();
  });
}

void WebSettingsBinder::BindChoice(Choice buttons, ChoiceGet get, ChoiceSet set) {
  loaders_.push_back([this, buttons, get] {
    const int value = get(settings_);
    for (const auto& [button, choice] : buttons) button->setChecked(choice == value);
  });
  for (const auto& [button, choice] : buttons) {
    connect(button, &QRadioButton::toggled, this, [this, set, value = choice](bool on) {
      if (loading() || !on) return;
      set(settings_, value);
      Edited();
    });
  }
}

void WebSettingsBinder::BindMessage(QPlainTextEdit* edit) {
  loaders_.push_back([this, edit] { edit->setPlainText(MessageToText(settings_.message)); });
  connect(edit, &QPlainTextEdit::textChanged, this, [this, edit] {
    if (loading()) return;
    settings_.message = MessageFromText(edit->toPlainText());
    // Text past the file's limit is taken back out of the box, so what shows is what is kept.
    const QString kept = MessageToText(settings_.message);
    if (kept != edit->toPlainText()) {
      const int position = std::min(edit->textCursor().position(), int(kept.size()));
      Quietly([edit, &kept, position] {
        edit->setPlainText(kept);
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(position);
        edit->setTextCursor(cursor);
      });
    }
    Edited();
  });
}

void WebSettingsBinder::SetColour(int index, uint32_t rgb) {
  if (index < 0 || index >= files::kWebColourCount) return;
  rgb &= 0xFFFFFF;
  if (settings_.colours[index] == rgb) return;
  settings_.colours[index] = rgb;
  Edited();
}

}  // namespace kinloom::ui
