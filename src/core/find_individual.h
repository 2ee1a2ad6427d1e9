#pragma once

#include "store/record_store.h"

namespace kinloom::core {

// Finding an individual by part of the name or the number, narrowed by years and the names of
// the parents and a spouse, stepping through the sorted individual search list.

}  // namespace kinloom::core
