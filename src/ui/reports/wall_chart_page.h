#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "reports/wall_chart_options.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace kinloom::ui {

class TFamTree;
class TWallChartBox;

// What the page asks beyond the interaction layer; tests answer.
struct WallChartPagePrompts {
  // "Print / View Saved Chart": a chart file from the folder; empty when cancelled.
  std::function<QString(QWidget* parent, const QString& folder)> saved_chart;
  // "Select Font for Title": the title's face, bold and italic; nothing when cancelled.
  std::function<std::optional<reports::WallChartTitleFont>(
      QWidget* parent, const reports::WallChartTitleFont& current)>
      title_font;
};

WallChartPagePrompts DefaultWallChartPagePrompts();

// The "Wall Chart" page: the options of a wall chart, "Create New Wall Chart" for the
// highlighted person and "Print / View Saved Chart". Both open the viewer on the chart. The
// page knows its window only through the callback that names the highlighted person.
class WallChartPage : public QWidget {
  Q_OBJECT

 public:
  // `highlighted` gives the number of the person the chart is made for (0 for none).
  WallChartPage(TFamTree& tree, std::function<int()> highlighted, QWidget* parent = nullptr);

  // The options as the page's controls set them; the title as typed.
  reports::WallChartOptions Options() const;
  WallChartPagePrompts& prompts() { return prompts_; }
  // The viewer, made on first use.
  TWallChartBox& viewer();

  void btnWallChtClick();
  void btnPrnWallChtClick();
  void btnSelectFontClick();

 private:
  QWidget* BuildChartGroup();
  QWidget* BuildTitleGroup();
  QWidget* BuildShowGroup();
  QWidget* BuildFontGroup();
  QCheckBox* AddCheck(const char* name, const QString& text, bool checked);
  void KindChanged();
  void BodyFontChanged();
  void ShowTitleFont();

  TFamTree& tree_;
  std::function<int()> highlighted_;
  WallChartPagePrompts prompts_;
  reports::WallChartTitleFont title_font_;
  TWallChartBox* viewer_ = nullptr;

  QSpinBox* WallChtMax = nullptr;
  QLineEdit* WallTitle = nullptr;
  QLabel* title_font_label_ = nullptr;
  QRadioButton* rbWallChtDesc = nullptr;
  QRadioButton* rbWallChtAnc = nullptr;
  QCheckBox* cbShowPlaces = nullptr;
  QCheckBox* cbShowIdNo = nullptr;
  QCheckBox* cbShowBoldInd = nullptr;
  QCheckBox* cbShowBoldSpc = nullptr;
  QCheckBox* cbShowPictures = nullptr;
  QRadioButton* rbGothic = nullptr;
  QRadioButton* rbRoman = nullptr;
};

}  // namespace kinloom::ui
