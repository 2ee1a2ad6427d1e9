#pragma once

#include <string>

#include "store/gedcom_reader.h"

namespace kinloom::core {

// The reader's finishing steps that the core owns: the chart caches and the dropping of
// families that link too few people.
store::ReadSteps CoreReadSteps();

// Reads a tree with the core's finishing steps.
[[nodiscard]] store::ReadResult ReadTree(store::RecordStore& store, const std::string& path,
                                         bool merge);

}  // namespace kinloom::core
