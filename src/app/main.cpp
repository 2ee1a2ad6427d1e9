#include "ui/main/program.h"

int main(int argc, char** argv) {
  return kinloom::ui::RunProgram(argc, argv);
}
