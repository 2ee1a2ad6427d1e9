#include "ui/pictures_page.h"

#include "ui/fam_tree.h"

namespace kinloom::ui {

PicturesPage::PicturesPage(TFamTree& tree, QWidget* parent) : QWidget(parent), tree_(tree) {}

void PicturesPage::Refresh() {}

}  // namespace kinloom::ui
