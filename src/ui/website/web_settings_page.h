#pragma once

#include <QWidget>
#include <functional>

#include "ui/website/web_settings_colours.h"
#include "ui/website/web_settings_files.h"

class QPushButton;
class QTabWidget;
class QUrl;

namespace kinloom::ui {

class TFamTree;
class WebPreview;
class WebSettingsBinder;
class WebTitlesPage;

// The main window's web-site page: every setting of the tree's web site (titles, fonts,
// backgrounds, the forty colours with a preview, links, contact, copyright, home-page message).
class WebSettingsPage : public QWidget {
  Q_OBJECT

 public:
  WebSettingsPage(TFamTree& tree, QWidget* parent);

  // Shows the tree's web-site settings again (after a tree was opened).
  void Refresh();

  WebPreview* preview() const { return preview_; }
  // Tests answer instead of the colour and file dialogs.
  void SetColourChooser(ColourChooser chooser);
  void SetFileChooser(FileChooser chooser);
  // Opens a web address in the desktop's browser; tests look instead.
  using UrlOpener = std::function<bool(const QUrl&)>;
  void SetUrlOpener(UrlOpener opener) { open_url_ = std::move(opener); }

  // "Make Web Pages": builds the site the settings choose in the tree's web folder, then
  // offers to show its home page.
  void MakeWebPgsClick();

 private:
  QWidget* BuildSettingsTabs();
  QWidget* BuildPreviewColumn();
  void FillCopyrightDefaults();
  void OfferHomePage(const std::string& site_folder);

  TFamTree& tree_;
  WebSettingsBinder* binder_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  WebTitlesPage* titles_ = nullptr;
  WebColoursPage* colours_ = nullptr;
  WebPreview* preview_ = nullptr;
  QPushButton* make_pages_ = nullptr;
  UrlOpener open_url_;
};

}  // namespace kinloom::ui
