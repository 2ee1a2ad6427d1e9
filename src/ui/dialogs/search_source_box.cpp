#include "ui/dialogs/search_source_box.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/widgets/text_codec.h"

namespace kinloom::ui {
namespace {

QLineEdit* SiteField(const char* name, const std::string& text) {
  auto* field = new QLineEdit(FromAnsi(text));
  field->setObjectName(QString::fromLatin1(name));
  field->setMaxLength(static_cast<int>(files::kSearchSiteTextLength));
  field->setMinimumWidth(460);
  return field;
}

}  // namespace

TSearchSourceBox::TSearchSourceBox(QWidget* parent, const QString& caption,
                                   const files::SearchSite& site)
    : QDialog(parent) {
  setObjectName(QStringLiteral("TSearchSourceBox"));
  setWindowTitle(caption);
  name_ = SiteField("edSchName", site.name);
  address_ = SiteField("edSchAddress", site.address);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Source Name:"), name_);
  form->addRow(QStringLiteral("Source Address:"), address_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->setObjectName(QStringLiteral("buttons"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

files::SearchSite TSearchSourceBox::site() const {
  return {ToAnsi(name_->text()), ToAnsi(address_->text())};
}

std::optional<files::SearchSite> TSearchSourceBox::Edit(QWidget* parent, const QString& caption,
                                                        const files::SearchSite& site) {
  TSearchSourceBox box(parent, caption, site);
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  return box.site();
}

}  // namespace kinloom::ui
