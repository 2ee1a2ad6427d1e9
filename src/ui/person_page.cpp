#include "ui/person_page.h"

#include "ui/fam_tree.h"

namespace kinloom::ui {

PersonPage::PersonPage(TFamTree& tree, QWidget* parent) : QWidget(parent), tree_(tree) {}

void PersonPage::Refresh() {}

}  // namespace kinloom::ui
