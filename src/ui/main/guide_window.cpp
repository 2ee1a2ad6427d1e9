#include "ui/main/guide_window.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "files/program_files.h"

namespace kinloom::ui {
namespace {

// Larger than either document's longest file: a file past it is not one of them.
constexpr qint64 kLargestDocument = 4 * 1024 * 1024;

QString TitleOf(ProgramDocument document) {
  return document == ProgramDocument::kGuide ? QStringLiteral("Kinloom User's Guide")
                                             : QStringLiteral("Kinloom Licence");
}

QString ObjectNameOf(ProgramDocument document) {
  return document == ProgramDocument::kGuide ? QStringLiteral("TGuideWindow")
                                             : QStringLiteral("TLicenceWindow");
}

bool ReadDocument(const QString& path, QString* text) {
  QFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.read(kLargestDocument + 1);
  if (bytes.size() > kLargestDocument) return false;
  *text = QString::fromUtf8(bytes);
  return true;
}

}  // namespace

TGuideWindow::TGuideWindow(QWidget* parent, ProgramDocument document, const QString& path)
    : QDialog(parent), document_(document), text_(new QTextBrowser(this)) {
  setObjectName(ObjectNameOf(document));
  setWindowTitle(TitleOf(document));
  setWindowFlag(Qt::WindowMaximizeButtonHint);
  text_->setObjectName(QStringLiteral("DocumentText"));
  text_->setOpenExternalLinks(true);
  QString text;
  loaded_ = ReadDocument(path, &text);
  if (!loaded_) {
    text_->setPlainText(
        QStringLiteral("The file could not be read:\n%1\n\nReinstalling Kinloom "
                       "puts it back.")
            .arg(path.isEmpty() ? QStringLiteral("(no program folder found)") : path));
  } else if (document == ProgramDocument::kGuide) {
    text_->setMarkdown(text);
  } else {
    // The licence is laid out for a fixed-width font.
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setPlainText(text);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_, 1);
  layout->addWidget(buttons);
  resize(document == ProgramDocument::kGuide ? QSize(760, 640) : QSize(700, 640));
}

TGuideWindow* ShowProgramDocument(QWidget* parent, ProgramDocument document) {
  TGuideWindow* window = nullptr;
  for (TGuideWindow* open : parent->findChildren<TGuideWindow*>()) {
    if (open->document() == document) window = open;
  }
  if (window == nullptr) {
    const files::ProgramFiles program = files::FindProgramFiles();
    const std::string& path = document == ProgramDocument::kGuide ? program.guide : program.licence;
    window = new TGuideWindow(parent, document, QString::fromStdString(path));
    window->setAttribute(Qt::WA_DeleteOnClose);
  }
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace kinloom::ui
