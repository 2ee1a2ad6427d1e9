#include "charts/report_printing.h"

#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QPdfWriter>

#include "charts/painter_surface.h"

namespace kinloom::charts {
namespace {

QPageLayout::Orientation OrientationOf(const reports::ReportJob& job) {
  return job.landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QMarginsF PageMargins() {
  return QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm);
}

}  // namespace

QPageSize DefaultPaper() {
  return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                              : QPageSize::A4);
}

void PreparePrinter(QPrinter& printer, const reports::ReportJob& job) {
  printer.setPageOrientation(OrientationOf(job));
  printer.setPageMargins(PageMargins(), QPageLayout::Millimeter);
  printer.setFullPage(false);
  printer.setDocName(FromReportText(job.document_name));
}

bool CheckPrinter(const QPrinter& printer, platform::Interaction& ui) {
  if (printer.outputFormat() == QPrinter::PdfFormat || printer.isValid()) return true;
  ui.Message(kNoPrinterCaption, kNoPrinterText, platform::Icon::kExclamation);
  return false;
}

int CountPages(QPrinter& printer, const reports::ReportJob& job, const std::string& report_date) {
  PainterSurface surface(printer);
  return reports::CountPages(job, surface, report_date);
}

Status PrintReport(QPrinter& printer, const reports::ReportJob& job, reports::PageRange range,
                   const std::string& report_date, int* sheets) {
  PainterSurface surface(printer);
  const int sent = reports::PrintPages(job, surface, range, report_date);
  if (sheets != nullptr) *sheets = sent;
  if (!surface.ok()) return Status::IoError("The printer could not print the report.");
  return Status::Ok();
}

Status WritePdf(platform::FileSystem& file_system, const std::string& path,
                const reports::ReportJob& job, const std::string& report_date,
                const PdfOptions& options, int* pages) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  int sent = 0;
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kUnitsPerInch);
    writer.setPageLayout(
        QPageLayout(options.paper, OrientationOf(job), PageMargins(), QPageLayout::Millimeter));
    writer.setTitle(FromReportText(job.document_name));
    writer.setCreator(QStringLiteral("Kinloom"));
    PainterSurface surface(writer);
    sent = reports::PrintPages(job, surface, options.range, report_date);
    if (!surface.ok()) return Status::IoError(path + ": the PDF could not be drawn");
  }
  if (pages != nullptr) *pages = sent;
  if (sent == 0) return Status::InvalidArgument("The report has no pages in that range.");
  std::unique_ptr<platform::WritableFile> file;
  Status status = file_system.NewWritableFile(path, &file);
  if (!status.ok()) return status;
  const QByteArray& bytes = buffer.data();
  status = file->Append(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  if (!status.ok()) return status;
  return file->Commit();
}

std::unique_ptr<QGuiApplication> MakeOffscreenApplication() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Without a session the runtime folder is unset; Qt then makes its own and says so.
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    const QString folder =
        QDir::tempPath() + QStringLiteral("/kinloom-runtime-") + QString::number(::getuid());
    if (QDir().mkpath(folder)) {
      QFile::setPermissions(
          folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
      qputenv("XDG_RUNTIME_DIR", folder.toLocal8Bit());
    }
  }
  static int argc = 1;
  static char name[] = "kinloom";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace kinloom::charts
