#include "ui/accent_typing.h"

namespace kinloom::ui {

void InstallAccentTyping(QWidget* edit) { (void)edit; }

}  // namespace kinloom::ui
