#pragma once

#include <QWidget>

namespace kinloom::ui {

class TFamTree;

// The main window's web-site page: every setting of the tree's web site (titles, fonts,
// backgrounds, the forty colours with a preview, links, contact, copyright, home-page message).
class WebSettingsPage : public QWidget {
  Q_OBJECT

 public:
  WebSettingsPage(TFamTree& tree, QWidget* parent);

  // Shows the tree's web-site settings again (after a tree was opened).
  void Refresh();

 private:
  TFamTree& tree_;
};

}  // namespace kinloom::ui
