#include "ui/search_sources_page.h"

#include "ui/fam_tree.h"

namespace kinloom::ui {

SearchSourcesPage::SearchSourcesPage(TFamTree& tree, QWidget* parent) : QWidget(parent), tree_(tree) {}

void SearchSourcesPage::Refresh() {}

}  // namespace kinloom::ui
