#include "ui/main/about_box.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/program_files.h"
#include "ui/main/guide_window.h"

namespace kinloom::ui {

QString AboutText(const QString& version, const QString& data_home) {
  return QStringLiteral(
             "<h2>Kinloom %1</h2>"
             "<p>A family tree editor: one tree in memory, kept as a GEDCOM file.</p>"
             "<p>Kinloom is free software, licensed under the GNU General Public License, "
             "version 3 or (at your option) any later version (GPL-3.0-or-later). "
             "It comes with ABSOLUTELY NO WARRANTY.</p>"
             "<p><b>Data folder:</b><br>%2</p>")
      .arg(version.toHtmlEscaped(),
           data_home.isEmpty() ? QStringLiteral("(none)") : data_home.toHtmlEscaped());
}

TAboutBox::TAboutBox(QWidget* parent, const QString& data_home) : QDialog(parent) {
  // No object name: the box is known by its title, like the message box it replaces.
  setWindowTitle(QStringLiteral("About Kinloom"));
  auto* text = new QLabel(AboutText(QString::fromUtf8(files::ProgramVersion()), data_home), this);
  text->setObjectName(QStringLiteral("AboutText"));
  text->setWordWrap(true);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  text->setMinimumWidth(380);
  auto* top = new QHBoxLayout;
  const QIcon icon = QIcon::fromTheme(QStringLiteral("kinloom"));
  if (!icon.isNull()) {
    auto* picture = new QLabel(this);
    picture->setPixmap(icon.pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);
    top->addWidget(picture);
  }
  top->addWidget(text, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* guide =
      buttons->addButton(QStringLiteral("User's &Guide"), QDialogButtonBox::HelpRole);
  guide->setObjectName(QStringLiteral("btnGuide"));
  QPushButton* licence = buttons->addButton(QStringLiteral("&Licence"), QDialogButtonBox::HelpRole);
  licence->setObjectName(QStringLiteral("btnLicence"));
  buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("btnClose"));
  buttons->button(QDialogButtonBox::Close)->setDefault(true);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // The documents open over the main window, so they stay when the box closes.
  connect(guide, &QPushButton::clicked, this, [this] {
    ShowProgramDocument(parentWidget() != nullptr ? parentWidget() : this, ProgramDocument::kGuide);
  });
  connect(licence, &QPushButton::clicked, this, [this] {
    ShowProgramDocument(parentWidget() != nullptr ? parentWidget() : this,
                        ProgramDocument::kLicence);
  });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace kinloom::ui
