#include "ui/save_file_box.h"

#include "ui/fam_tree.h"

namespace kinloom::ui {

TSaveFileBox::TSaveFileBox(TFamTree& tree) : QDialog(&tree), tree_(tree) {}

}  // namespace kinloom::ui
