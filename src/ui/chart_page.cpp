#include "ui/chart_page.h"

#include "ui/fam_tree.h"

namespace kinloom::ui {

ChartPage::ChartPage(TFamTree& tree, QWidget* parent) : QWidget(parent), tree_(tree) {}

void ChartPage::Refresh() {}

}  // namespace kinloom::ui
