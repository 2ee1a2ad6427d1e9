#include "ui/split_box.h"

#include "ui/fam_tree.h"

namespace kinloom::ui {

TSplitBox::TSplitBox(TFamTree& tree) : QDialog(&tree), tree_(tree) {}

}  // namespace kinloom::ui
