#include "ui/details_page.h"

#include "ui/fam_tree.h"

namespace kinloom::ui {

DetailsPage::DetailsPage(TFamTree& tree, QWidget* parent) : QWidget(parent), tree_(tree) {}

void DetailsPage::Refresh() {}

}  // namespace kinloom::ui
