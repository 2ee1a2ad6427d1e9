#pragma once

class QWidget;

namespace kinloom::ui {

class WebSettingsBinder;

// The sub-pages of the web-site settings made of plain fields.

// The kind of site, who is left out of it, the contact page and the copyright line.
QWidget* BuildWebSitePage(WebSettingsBinder& binder, QWidget* parent);
// The eight links to other sites.
QWidget* BuildWebLinksPage(WebSettingsBinder& binder, QWidget* parent);
// The home page's message and its title.
QWidget* BuildWebMessagePage(WebSettingsBinder& binder, QWidget* parent);

}  // namespace kinloom::ui
