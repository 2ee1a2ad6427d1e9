#include "ui/web_settings_page.h"

#include "ui/fam_tree.h"

namespace kinloom::ui {

WebSettingsPage::WebSettingsPage(TFamTree& tree, QWidget* parent) : QWidget(parent), tree_(tree) {}

void WebSettingsPage::Refresh() {}

}  // namespace kinloom::ui
