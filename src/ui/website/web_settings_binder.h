#pragma once

#include <QObject>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "files/tree_session.h"
#include "files/web_settings.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace kinloom::ui {

// Ties the controls of the web-site pages to the tree's settings: every change a user makes
// goes into the settings at once and marks them changed; Load puts the settings back into the
// controls without counting as a change.
class WebSettingsBinder : public QObject {
  Q_OBJECT

 public:
  using TextRef = std::function<std::string&(files::WebSiteSettings&)>;
  using FlagRef = std::function<bool&(files::WebSiteSettings&)>;
  // One radio button per value of a choice; Get and Set move the value as an int.
  using Choice = std::vector<std::pair<QRadioButton*, int>>;
  using ChoiceGet = std::function<int(const files::WebSiteSettings&)>;
  using ChoiceSet = std::function<void(files::WebSiteSettings&, int)>;

  WebSettingsBinder(files::WebSiteSettings& settings, files::ChangedFlags& changed,
                    QObject* parent);

  files::WebSiteSettings& settings() { return settings_; }
  bool loading() const { return loading_ > 0; }

  // Shows the settings in every bound control.
  void Load();

  // A text of at most `limit` characters.
  void BindText(QLineEdit* edit, TextRef field, size_t limit);
  // A font name typed or chosen from the list.
  void BindFontName(QComboBox* box, TextRef field);
  void BindFlag(QAbstractButton* check, FlagRef field);
  void BindChoice(Choice buttons, ChoiceGet get, ChoiceSet set);
  // The home-page message, one setting line per line of text.
  void BindMessage(QPlainTextEdit* edit);

  uint32_t colour(int index) const { return settings_.colours[index]; }
  void SetColour(int index, uint32_t rgb);

  // Marks the settings changed (the settings' own flag and the session's, which the save and
  // the automatic save look at) and tells the page.
  void Edited();

 signals:
  void settingsEdited();
  // Load has put the settings into the controls; colour rows and the preview follow.
  void settingsLoaded();

 private:
  // Runs the program's own update of a control without it counting as an edit.
  void Quietly(const std::function<void()>& update);

  files::WebSiteSettings& settings_;
  files::ChangedFlags& changed_;
  int loading_ = 0;
  std::vector<std::function<void()>> loaders_;
};

// The message as the editor shows it and back, within the limits of the file.
QString MessageToText(const std::vector<std::string>& message);
std::vector<std::string> MessageFromText(const QString& text);

}  // namespace kinloom::ui
