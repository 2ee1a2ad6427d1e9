#pragma once

#include <QDialog>
#include <QImage>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "charts/wall_chart_maker.h"
#include "reports/wall_chart_size.h"

class QLabel;
class QLineEdit;
class QPrintDialog;
class QPrinter;
class QPushButton;

namespace kinloom::ui {

class TFamTree;
class WallChartPreview;

// What the viewer asks beyond the interaction layer: the print dialog, a PDF file's name and
// the desktop. Tests answer them.
struct WallChartBoxPrompts {
  // Shows the print dialog (its printer and page range are set); true to print.
  std::function<bool(QPrintDialog& dialog)> print;
  // The PDF file to write, offered `suggested`; empty when cancelled.
  std::function<QString(QWidget* parent, const QString& caption, const QString& suggested)>
      save_pdf;
  // Opens a file or folder with the desktop's program for it; true when it started.
  std::function<bool(const QUrl& url)> open;
};

WallChartBoxPrompts DefaultWallChartBoxPrompts();

// " View and Print Wall Chart": a saved wall chart, the size it prints at and the sheets it
// takes. Larger and Smaller change the printed size; the chart prints across the sheets (or
// one sample sheet) through the print dialog, which always offers PDF output, and saves as a
// PDF of the sheets or, for a chart just made, as one vector poster page.
class TWallChartBox : public QDialog {
  Q_OBJECT

 public:
  TWallChartBox(TFamTree& tree, QWidget* parent);
  ~TWallChartBox() override;

  // Shows the chart saved at `path` at the size the viewer opens every chart with. With the
  // request the chart was made from, it can also be saved as a poster. False, after a
  // message, when the file cannot be read as an image.
  bool ShowChart(const std::string& path, std::optional<charts::WallChartRequest> request = {});

  WallChartBoxPrompts& prompts() { return prompts_; }
  const std::string& path() const { return path_; }
  double scale() const { return size_.scale; }
  const reports::SheetGrid& grid() const { return grid_; }

  void btnLargerClick();
  void btnSmallerClick();
  void btnPrintClick();
  void btnPrnSampleClick();
  void btnSavePdfClick();
  void btnPosterClick();
  void btnViewChartClick();
  void btnOpenFolderClick();

 private:
  QWidget* BuildSizeGroup();
  QWidget* BuildPrintGroup();
  QWidget* BuildFileGroup();
  QPushButton* AddButton(const char* name, const QString& text, void (TWallChartBox::*click)());
  // The size box, the sheet grid and the buttons after the size or the paper changed.
  void UpdateSize();
  void Print(bool sample);
  QString SuggestedPdf(const QString& ending) const;
  void OpenWithDesktop(const QString& path);
  void ShowWarning(const std::string& text);

  TFamTree& tree_;
  WallChartBoxPrompts prompts_;
  std::string path_;
  QImage image_;
  std::optional<charts::WallChartRequest> request_;
  reports::PrintedSize size_;
  reports::SheetGrid grid_;
  std::unique_ptr<QPrinter> printer_;  // made on first use; keeps the user's print choices

  QLabel* file_name_ = nullptr;
  QLineEdit* ChtSize = nullptr;
  WallChartPreview* preview_ = nullptr;
  QPushButton* btnLarger = nullptr;
  QPushButton* btnSmaller = nullptr;
  QPushButton* btnPoster = nullptr;
};

}  // namespace kinloom::ui
