#include "ui/organizer_page.h"

#include "ui/fam_tree.h"

namespace kinloom::ui {

OrganizerPage::OrganizerPage(TFamTree& tree, QWidget* parent) : QWidget(parent), tree_(tree) {}

void OrganizerPage::Refresh() {}

}  // namespace kinloom::ui
