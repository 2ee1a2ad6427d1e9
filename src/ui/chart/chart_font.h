#pragma once

#include <QFont>

namespace kinloom::ui {

// The font of the tree view's chart; the cached chart texts are measured in it.
QFont ChartFont();

}  // namespace kinloom::ui
