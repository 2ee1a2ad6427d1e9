#include "ui/open_box.h"

#include "ui/fam_tree.h"

namespace kinloom::ui {

TOpenBox::TOpenBox(TFamTree& tree) : QDialog(&tree), tree_(tree) {}

}  // namespace kinloom::ui
