#include "ui/website/web_settings_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/main/fam_tree.h"
#include "ui/website/web_preview.h"
#include "ui/website/web_settings_binder.h"
#include "ui/website/web_settings_site.h"
#include "ui/website/web_settings_titles.h"

namespace kinloom::ui {

namespace {

// Long sub-pages scroll rather than squeeze their fields on small screens.
QScrollArea* Scrolled(QWidget* content, QWidget* parent) {
  auto* area = new QScrollArea(parent);
  area->setWidget(content);
  area->setWidgetResizable(true);
  area->setFrameShape(QFrame::NoFrame);
  area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  return area;
}

}  // namespace

WebSettingsPage::WebSettingsPage(TFamTree& tree, QWidget* parent)
    : QWidget(parent),
      tree_(tree),
      binder_(
          new WebSettingsBinder(tree.work().web_settings(), tree.work().session().changed, this)) {
  setObjectName(QStringLiteral("WebSettingsPage"));
  auto* row = new QHBoxLayout(this);
  row->addWidget(BuildSettingsTabs(), 3);
  row->addWidget(BuildPreviewColumn(), 2);
  connect(binder_, &WebSettingsBinder::settingsEdited, preview_, qOverload<>(&QWidget::update));
  connect(binder_, &WebSettingsBinder::settingsLoaded, preview_, qOverload<>(&QWidget::update));
  Refresh();
}

QWidget* WebSettingsPage::BuildSettingsTabs() {
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("WebSettingsTabs"));
  titles_ = new WebTitlesPage(*binder_, tabs_);
  colours_ = new WebColoursPage(*binder_, tabs_);
  tabs_->addTab(Scrolled(titles_, tabs_), QStringLiteral("Titles"));
  tabs_->addTab(Scrolled(colours_, tabs_), QStringLiteral("Colours"));
  tabs_->addTab(Scrolled(BuildWebSitePage(*binder_, tabs_), tabs_), QStringLiteral("Site"));
  tabs_->addTab(Scrolled(BuildWebLinksPage(*binder_, tabs_), tabs_), QStringLiteral("Links"));
  tabs_->addTab(BuildWebMessagePage(*binder_, tabs_), QStringLiteral("Home Page"));
  return tabs_;
}

QWidget* WebSettingsPage::BuildPreviewColumn() {
  auto* group = new QGroupBox(QStringLiteral("Preview"), this);
  auto* column = new QVBoxLayout(group);
  preview_ = new WebPreview(tree_.work().web_settings(), group);
  column->addWidget(preview_, 1);
  make_pages_ = new QPushButton(QStringLiteral("Make Web Pages"), group);
  make_pages_->setObjectName(QStringLiteral("MakeWebPgs"));
  make_pages_->setEnabled(false);
  make_pages_->setToolTip(QStringLiteral("Comes with the web-site generator"));
  column->addWidget(make_pages_);
  return group;
}

void WebSettingsPage::Refresh() {
  const QString images = QString::fromStdString(tree_.work().folders().image);
  titles_->SetImageFolder(images);
  preview_->SetImageFolder(images);
  FillCopyrightDefaults();
  binder_->Load();
}

void WebSettingsPage::FillCopyrightDefaults() {
  // Reading a tree's file starts the copyright line from the tree's name and this year; a tree
  // without a file gets the same start rather than an empty line on its site.
  files::WebSiteSettings& settings = tree_.work().web_settings();
  const std::string& tree_name = tree_.work().session().tree_name;
  if (!settings.copyright_owner.empty() || !settings.copyright_year.empty()) return;
  if (tree_name.empty()) return;
  settings.copyright_owner = tree_name.substr(0, files::kCopyrightOwnerLength);
  settings.copyright_year = std::to_string(tree_.ui().clock().CurrentYear());
}

void WebSettingsPage::SetColourChooser(ColourChooser chooser) {
  colours_->SetColourChooser(std::move(chooser));
}

void WebSettingsPage::SetFileChooser(FileChooser chooser) {
  titles_->SetFileChooser(std::move(chooser));
}

}  // namespace kinloom::ui
