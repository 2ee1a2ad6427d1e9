#include "ui/reports/wall_chart_box.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "charts/report_printing.h"
#include "charts/wall_chart_image_file.h"
#include "charts/wall_chart_poster.h"
#include "charts/wall_chart_print.h"
#include "ui/main/fam_tree.h"
#include "ui/reports/wall_chart_box_preview.h"

namespace kinloom::ui {
namespace {

constexpr std::string_view kWarningCaption = "*** Warning ***";

QString WithPdfEnding(QString path) {
  if (!path.isEmpty() && !path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
    path += QStringLiteral(".pdf");
  }
  return path;
}

}  // namespace

WallChartBoxPrompts DefaultWallChartBoxPrompts() {
  WallChartBoxPrompts prompts;
  prompts.print = [](QPrintDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
  prompts.save_pdf = [](QWidget* parent, const QString& caption, const QString& suggested) {
    return WithPdfEnding(QFileDialog::getSaveFileName(parent, caption, suggested,
                                                      QStringLiteral("PDF Files (*.pdf)")));
  };
  prompts.open = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  return prompts;
}

TWallChartBox::TWallChartBox(TFamTree& tree, QWidget* parent)
    : QDialog(parent), tree_(tree), prompts_(DefaultWallChartBoxPrompts()) {
  setObjectName(QStringLiteral("TWallChartBox"));
  setWindowTitle(QStringLiteral(" View and Print Wall Chart"));
  file_name_ = new QLabel(this);
  file_name_->setObjectName(QStringLiteral("FileName"));
  file_name_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  preview_ = new WallChartPreview(this);

  auto* side = new QVBoxLayout;
  side->addWidget(BuildSizeGroup());
  side->addWidget(BuildPrintGroup());
  side->addWidget(BuildFileGroup());
  side->addStretch(1);
  auto* close = new QPushButton(QStringLiteral("&Close"), this);
  close->setObjectName(QStringLiteral("btnClose"));
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  side->addWidget(close);

  auto* body = new QHBoxLayout;
  body->addWidget(preview_, 1);
  body->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(file_name_);
  layout->addLayout(body, 1);
  resize(980, 620);
}

TWallChartBox::~TWallChartBox() = default;

QPushButton* TWallChartBox::AddButton(const char* name, const QString& text,
                                      void (TWallChartBox::*click)()) {
  auto* button = new QPushButton(text, this);
  button->setObjectName(QLatin1String(name));
  connect(button, &QPushButton::clicked, this, click);
  return button;
}

QWidget* TWallChartBox::BuildSizeGroup() {
  auto* group = new QGroupBox(QStringLiteral("Printed Size"), this);
  ChtSize = new QLineEdit(group);
  ChtSize->setObjectName(QStringLiteral("ChtSize"));
  ChtSize->setReadOnly(true);
  ChtSize->setMinimumWidth(230);
  btnLarger = AddButton("btnLarger", QStringLiteral("&Larger"), &TWallChartBox::btnLargerClick);
  btnSmaller = AddButton("btnSmaller", QStringLiteral("&Smaller"), &TWallChartBox::btnSmallerClick);
  auto* steps = new QHBoxLayout;
  steps->addWidget(btnLarger);
  steps->addWidget(btnSmaller);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(ChtSize);
  layout->addLayout(steps);
  return group;
}

QWidget* TWallChartBox::BuildPrintGroup() {
  auto* group = new QGroupBox(QStringLiteral("Print"), this);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(
      AddButton("btnPrint", QStringLiteral("&Print Chart..."), &TWallChartBox::btnPrintClick));
  layout->addWidget(AddButton("btnPrnSample", QStringLiteral("Print Sa&mple..."),
                              &TWallChartBox::btnPrnSampleClick));
  QPushButton* pdf = AddButton("btnSavePdf", QStringLiteral("Save Sheets as P&DF..."),
                               &TWallChartBox::btnSavePdfClick);
  pdf->setToolTip(QStringLiteral("The sheets as pages of a PDF file, to print elsewhere"));
  layout->addWidget(pdf);
  return group;
}

QWidget* TWallChartBox::BuildFileGroup() {
  auto* group = new QGroupBox(QStringLiteral("Chart File"), this);
  auto* layout = new QVBoxLayout(group);
  btnPoster = AddButton("btnPoster", QStringLiteral("Save as PDF P&oster..."),
                        &TWallChartBox::btnPosterClick);
  layout->addWidget(btnPoster);
  layout->addWidget(AddButton("btnViewChart", QStringLiteral("Open Wall Chart in &Viewer"),
                              &TWallChartBox::btnViewChartClick));
  layout->addWidget(AddButton("btnOpenFolder", QStringLiteral("Open Wall Chart &Folder"),
                              &TWallChartBox::btnOpenFolderClick));
  return group;
}

bool TWallChartBox::ShowChart(const std::string& path,
                              std::optional<charts::WallChartRequest> request) {
  QImage image;
  if (!charts::LoadWallChartImage(path, &image)) {
    ShowWarning("The wall chart could not be read:\n" + path);
    return false;
  }
  path_ = path;
  image_ = std::move(image);
  request_ = std::move(request);
  const QString shown = QString::fromStdString(path_);
  file_name_->setText(QStringLiteral("Wall Chart File Name:  ") + QFileInfo(shown).fileName());
  file_name_->setToolTip(shown);
  btnPoster->setEnabled(request_.has_value());
  btnPoster->setToolTip(request_ ? QStringLiteral("The chart as one page the size of the "
                                                  "printed chart, for print shops and plotters")
                                 : QStringLiteral("Create the chart anew to save it as a poster"));
  preview_->SetChart(image_);
  size_ = reports::OpeningSize(image_.width());
  UpdateSize();
  return true;
}

void TWallChartBox::UpdateSize() {
  if (image_.isNull()) return;
  if (printer_ == nullptr) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  charts::PreparePrinter(*printer_,
                         charts::WallChartSheetsJob(
                             QFileInfo(QString::fromStdString(path_)).fileName().toStdString()));
  grid_ = charts::PrinterSheetGrid(*printer_, image_, size_.scale);
  ChtSize->setText(
      QString::fromStdString(reports::WallChartSizeText(image_.height(), size_, grid_.sheets())));
  btnLarger->setEnabled(reports::LargerEnabled(size_.scale));
  btnSmaller->setEnabled(reports::SmallerEnabled(image_.width(), size_.scale));
  preview_->SetGrid(grid_);
}

void TWallChartBox::btnLargerClick() {
  if (image_.isNull() || !reports::LargerEnabled(size_.scale)) return;
  size_ = reports::StepSize(image_.width(), size_.scale, +1);
  UpdateSize();
}

void TWallChartBox::btnSmallerClick() {
  if (image_.isNull() || !reports::SmallerEnabled(image_.width(), size_.scale)) return;
  size_ = reports::StepSize(image_.width(), size_.scale, -1);
  UpdateSize();
}

void TWallChartBox::btnPrintClick() {
  Print(false);
}

void TWallChartBox::btnPrnSampleClick() {
  Print(true);
}

// Print Chart offers every sheet; Print Sample the first sheet of the middle row.
void TWallChartBox::Print(bool sample) {
  if (image_.isNull()) return;
  UpdateSize();
  QPrinter& printer = *printer_;
  const int sheets = grid_.sheets();
  const int first = sample ? reports::SamplePage(grid_) : 1;
  const int last = sample ? first : sheets;
  printer.setCopyCount(1);
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(sample ? QStringLiteral("Print Sample Sheet")
                               : QStringLiteral("Print Wall Chart"));
  dialog.setOption(QAbstractPrintDialog::PrintPageRange);
  dialog.setMinMax(1, sheets);
  printer.setFromTo(first, last);
  printer.setPrintRange(sample ? QPrinter::PageRange : QPrinter::AllPages);
  const bool chosen = prompts_.print(dialog);
  if (chosen && charts::CheckPrinter(printer, tree_.ui())) {
    reports::PageRange range{1, sheets};
    if (printer.printRange() == QPrinter::PageRange) range = {printer.fromPage(), printer.toPage()};
    const Status printed = charts::PrintWallChartSheets(printer, image_, size_.scale, range);
    if (!printed.ok()) ShowWarning(printed.message());
  }
  UpdateSize();  // the paper may have changed in the dialog
}

QString TWallChartBox::SuggestedPdf(const QString& ending) const {
  const QString folder = QString::fromStdString(tree_.work().folders().my_files);
  return folder + QLatin1Char('/') + QFileInfo(QString::fromStdString(path_)).completeBaseName() +
         ending;
}

void TWallChartBox::btnSavePdfClick() {
  if (image_.isNull()) return;
  const QString path = prompts_.save_pdf(this, QStringLiteral("Save Sheets as PDF"),
                                         SuggestedPdf(QStringLiteral("_sheets.pdf")));
  if (path.isEmpty()) return;
  UpdateSize();
  charts::PdfOptions options;
  options.paper = printer_->pageLayout().pageSize();
  const Status written = charts::WriteWallChartSheetsPdf(
      tree_.work().file_system(), path.toStdString(), image_, size_.scale, options);
  if (!written.ok()) ShowWarning("The PDF of the sheets could not be saved:\n" + written.message());
}

void TWallChartBox::btnPosterClick() {
  if (!request_) return;
  const QString path = prompts_.save_pdf(this, QStringLiteral("Save as PDF Poster"),
                                         SuggestedPdf(QStringLiteral("_poster.pdf")));
  if (path.isEmpty()) return;
  tree_.CommitPendingEdit();
  // The poster is drawn afresh from the tree; it reports its own failures.
  (void)charts::SaveWallChartPoster(tree_.store(), *request_, path.toStdString(),
                                    tree_.work().file_system(),
                                    reports::PixelsPerInch(size_.scale));
}

void TWallChartBox::btnViewChartClick() {
  if (!path_.empty()) OpenWithDesktop(QString::fromStdString(path_));
}

void TWallChartBox::btnOpenFolderClick() {
  if (!path_.empty()) OpenWithDesktop(QFileInfo(QString::fromStdString(path_)).absolutePath());
}

void TWallChartBox::OpenWithDesktop(const QString& path) {
  if (prompts_.open(QUrl::fromLocalFile(path))) return;
  ShowWarning("The desktop could not open\n" + path.toStdString());
}

void TWallChartBox::ShowWarning(const std::string& text) {
  tree_.ui().Message(kWarningCaption, text, platform::Icon::kExclamation);
}

}  // namespace kinloom::ui
