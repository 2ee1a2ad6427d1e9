#include "ui/exclude_box.h"

#include "ui/fam_tree.h"

namespace kinloom::ui {

TExcludeBox::TExcludeBox(TFamTree& tree) : QDialog(&tree), tree_(tree) {}

}  // namespace kinloom::ui
