#include "ui/website/web_settings_site.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/website/web_settings_binder.h"

namespace kinloom::ui {

namespace {

using files::WebSiteSettings;

QCheckBox* Flag(WebSettingsBinder& binder, QWidget* parent, const QString& name,
                const QString& text, WebSettingsBinder::FlagRef field) {
  auto* check = new QCheckBox(text, parent);
  check->setObjectName(name);
  binder.BindFlag(check, std::move(field));
  return check;
}

QLineEdit* Text(WebSettingsBinder& binder, QWidget* parent, const QString& name,
                WebSettingsBinder::TextRef field, size_t limit) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  binder.BindText(edit, std::move(field), limit);
  return edit;
}

QGroupBox* SiteType(WebSettingsBinder& binder, QWidget* parent) {
  using files::WebSiteType;
  auto* group = new QGroupBox(QStringLiteral("Type of Site"), parent);
  auto* column = new QVBoxLayout(group);
  auto* html = new QRadioButton(
      QStringLiteral("HTML. Creates large number of small files. Copy to cd, dvd or web server. "),
      group);
  html->setObjectName(QStringLiteral("rbHtml"));
  auto* php = new QRadioButton(
      QStringLiteral("PHP.  Script creates small single record files as needed. Requires web "
                     "server."),
      group);
  php->setObjectName(QStringLiteral("rbPhp"));
  auto* buttons = new QButtonGroup(group);
  buttons->addButton(html);
  buttons->addButton(php);
  binder.BindChoice(
      {{html, int(WebSiteType::kHtml)}, {php, int(WebSiteType::kPhp)}},
      [](const WebSiteSettings& s) { return int(s.site_type); },
      [](WebSiteSettings& s, int v) { s.site_type = static_cast<WebSiteType>(v); });
  column->addWidget(html);
  column->addWidget(php);
  return group;
}

QGroupBox* LeftOut(WebSettingsBinder& binder, QWidget* parent) {
  auto* group = new QGroupBox(QStringLiteral("Privacy"), parent);
  auto* column = new QVBoxLayout(group);
  column->addWidget(Flag(binder, group, QStringLiteral("HideLiving"),
                         QStringLiteral("Hide All Living Individuals"),
                         [](WebSiteSettings& s) -> bool& { return s.hide_living; }));
  column->addWidget(Flag(binder, group, QStringLiteral("HideInfo"),
                         QStringLiteral("Use Hide Information and Pictures Lists"),
                         [](WebSiteSettings& s) -> bool& { return s.use_hide_info; }));
  column->addWidget(Flag(binder, group, QStringLiteral("SplitTree"),
                         QStringLiteral("Use Split Tree List of Individuals"),
                         [](WebSiteSettings& s) -> bool& { return s.use_split_tree; }));
  column->addWidget(Flag(binder, group, QStringLiteral("HideSource"),
                         QStringLiteral("Hide Source Information and Citations"),
                         [](WebSiteSettings& s) -> bool& { return s.hide_sources; }));
  return group;
}

QGroupBox* Contact(WebSettingsBinder& binder, QWidget* parent) {
  auto* group = new QGroupBox(QStringLiteral("Contact and Copyright"), parent);
  auto* form = new QFormLayout(group);
  form->addRow(Flag(binder, group, QStringLiteral("cbContact"),
                    QStringLiteral("Include the \"Contact Us\" page"),
                    [](WebSiteSettings& s) -> bool& { return s.contact_page; }));
  QLineEdit* email = Text(
      binder, group, QStringLiteral("CfgEMail"),
      [](WebSiteSettings& s) -> std::string& { return s.email; }, files::kEmailLength);
  email->setToolTip(QStringLiteral("Where the contact page sends; never shown to visitors"));
  form->addRow(QStringLiteral("Contact e-mail:"), email);
  form->addRow(QStringLiteral("Copyright owner:"),
               Text(
                   binder, group, QStringLiteral("CfgCopyriteOwner"),
                   [](WebSiteSettings& s) -> std::string& { return s.copyright_owner; },
                   files::kCopyrightOwnerLength));
  QLineEdit* year = Text(
      binder, group, QStringLiteral("CfgCopyriteYear"),
      [](WebSiteSettings& s) -> std::string& { return s.copyright_year; },
      files::kCopyrightYearLength);
  year->setMaximumWidth(year->fontMetrics().horizontalAdvance(QString(18, QLatin1Char('0'))));
  form->addRow(QStringLiteral("Copyright year:"), year);
  return group;
}

}  // namespace

QWidget* BuildWebSitePage(WebSettingsBinder& binder, QWidget* parent) {
  auto* page = new QWidget(parent);
  page->setObjectName(QStringLiteral("WebSite"));
  auto* column = new QVBoxLayout(page);
  column->addWidget(SiteType(binder, page));
  column->addWidget(LeftOut(binder, page));
  column->addWidget(Contact(binder, page));
  column->addStretch(1);
  return page;
}

QWidget* BuildWebLinksPage(WebSettingsBinder& binder, QWidget* parent) {
  auto* page = new QWidget(parent);
  page->setObjectName(QStringLiteral("WebLinks"));
  auto* grid = new QGridLayout(page);
  grid->addWidget(new QLabel(QStringLiteral("Name shown"), page), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Web address"), page), 0, 2);
  for (int i = 0; i < files::kWebLinkCount; ++i) {
    grid->addWidget(new QLabel(QStringLiteral("%1.").arg(i + 1), page), i + 1, 0);
    QLineEdit* name = Text(
        binder, page, QStringLiteral("CfgLkName%1").arg(i),
        [i](WebSiteSettings& s) -> std::string& { return s.links[i].name; },
        files::kLinkNameLength);
    name->setMinimumWidth(name->fontMetrics().horizontalAdvance(QString(18, QLatin1Char('n'))));
    grid->addWidget(name, i + 1, 1);
    QLineEdit* address = Text(
        binder, page, QStringLiteral("CfgLkLink%1").arg(i),
        [i](WebSiteSettings& s) -> std::string& { return s.links[i].address; },
        files::kLinkAddressLength);
    address->setPlaceholderText(QStringLiteral("https://"));
    grid->addWidget(address, i + 1, 2);
  }
  grid->setColumnStretch(1, 2);
  grid->setColumnStretch(2, 3);
  grid->setRowStretch(files::kWebLinkCount + 1, 1);
  return page;
}

QWidget* BuildWebMessagePage(WebSettingsBinder& binder, QWidget* parent) {
  auto* page = new QWidget(parent);
  page->setObjectName(QStringLiteral("WebMessage"));
  auto* form = new QFormLayout(page);
  form->addRow(QStringLiteral("Title of the message:"),
               Text(
                   binder, page, QStringLiteral("HomePgMsgTitle"),
                   [](WebSiteSettings& s) -> std::string& { return s.message_title; },
                   files::kMessageTitleLength));
  auto* message = new QPlainTextEdit(page);
  message->setObjectName(QStringLiteral("HomePgMsg"));
  message->setToolTip(QStringLiteral("Shown on the home page beside the pictures (at most %1 "
                                     "characters)")
                          .arg(files::kMessageLength));
  binder.BindMessage(message);
  form->addRow(new QLabel(QStringLiteral("Message on the home page:"), page));
  form->addRow(message);
  return page;
}

}  // namespace kinloom::ui
