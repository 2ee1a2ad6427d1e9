#include "ui/option_box.h"

#include "ui/fam_tree.h"

namespace kinloom::ui {

TOptionBox::TOptionBox(TFamTree& tree) : QDialog(&tree), tree_(tree) {}

}  // namespace kinloom::ui
