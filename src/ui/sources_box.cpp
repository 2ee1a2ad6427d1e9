#include "ui/sources_box.h"

#include "ui/fam_tree.h"

namespace kinloom::ui {

TSourcesBox::TSourcesBox(TFamTree& tree) : QDialog(&tree), tree_(tree) {}

}  // namespace kinloom::ui
