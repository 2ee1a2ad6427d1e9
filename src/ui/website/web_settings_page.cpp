#include "ui/website/web_settings_page.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "charts/web_picture_scaler.h"
#include "files/data_folders.h"
#include "ui/main/fam_tree.h"
#include "ui/website/web_preview.h"
#include "ui/website/web_settings_binder.h"
#include "ui/website/web_settings_site.h"
#include "ui/website/web_settings_titles.h"
#include "web/make_web_pages.h"

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
          new WebSettingsBinder(tree.work().web_settings(), tree.work().session().changed, this)),
      open_url_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
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
  make_pages_->setToolTip(
      QStringLiteral("Write the web site of the tree with these settings into its web folder"));
  connect(make_pages_, &QPushButton::clicked, this, &WebSettingsPage::MakeWebPgsClick);
  column->addWidget(make_pages_);
  return group;
}

void WebSettingsPage::Refresh() {
  const QString images = QString::fromStdString(tree_.work().folders().image);
  titles_->SetImageFolder(images);
  preview_->SetImageFolder(images);
  FillCopyrightDefaults();
  binder_->Load();
  // The site is written into the open tree's web folder.
  make_pages_->setEnabled(!tree_.work().session().tree_name.empty());
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

void WebSettingsPage::MakeWebPgsClick() {
  tree_.CommitPendingEdit();
  web::WebPagesOptions options;
  options.scaler = charts::ScaleWebPicture;
  const web::WebPagesResult made = web::MakeWebPages(tree_.work(), options, tree_.ui());
  // Settings naming too short a file were switched off (and marked changed): the page shows
  // them as they are now.
  if (made.settings_changed) binder_->Load();
  if (made.completed) OfferHomePage(made.folder);
}

// The static site opens from its folder; the script-driven one needs a web server first.
void WebSettingsPage::OfferHomePage(const std::string& site_folder) {
  const std::string home = files::JoinPath(site_folder, "index.html");
  if (!site_folder.ends_with("/htm") || !files::FileExists(home)) return;
  const platform::Answer answer =
      tree_.ui().Ask("Make Web Pages", "Show the home page of the web site in your browser?",
                     platform::Icon::kQuestion, platform::Buttons::kYesNo);
  if (answer == platform::Answer::kYes) {
    open_url_(QUrl::fromLocalFile(QString::fromStdString(home)));
  }
}

void WebSettingsPage::SetColourChooser(ColourChooser chooser) {
  colours_->SetColourChooser(std::move(chooser));
}

void WebSettingsPage::SetFileChooser(FileChooser chooser) {
  titles_->SetFileChooser(std::move(chooser));
}

}  // namespace kinloom::ui
