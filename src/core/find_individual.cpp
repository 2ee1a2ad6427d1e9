#include "core/find_individual.h"

namespace kinloom::core {}  // namespace kinloom::core
