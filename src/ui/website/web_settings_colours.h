#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "files/web_settings.h"

class QGridLayout;
class QLineEdit;

namespace kinloom::ui {

class ColourSwatch;
class WebSettingsBinder;

// Asks the user for a colour, starting from `current`; nothing when cancelled.
using ColourChooser =
    std::function<std::optional<uint32_t>(uint32_t current, const QString& title)>;

// The forty colours of the site: per colour its sample, its value as the file keeps it (which
// may be typed) and a button that opens the colour dialog.
class WebColoursPage : public QWidget {
  Q_OBJECT

 public:
  WebColoursPage(WebSettingsBinder& binder, QWidget* parent);

  // Tests answer instead of the colour dialog.
  void SetColourChooser(ColourChooser chooser) { chooser_ = std::move(chooser); }
  // What the colour button of a row does.
  void ChooseColour(int index);

 private:
  void AddRow(QGridLayout* grid, int index);
  void ShowColour(int index);
  void ShowAll();
  void ValueEdited(int index, const QString& text);

  WebSettingsBinder& binder_;
  ColourChooser chooser_;
  std::array<ColourSwatch*, files::kWebColourCount> samples_{};
  std::array<QLineEdit*, files::kWebColourCount> values_{};
};

}  // namespace kinloom::ui
