#include "core/tree_reading.h"

#include "core/chart_cache.h"
#include "core/family_ops.h"

namespace kinloom::core {

store::ReadSteps CoreReadSteps() {
  store::ReadSteps steps;
  steps.initialize_chart = [](store::RecordStore& store) { InitializeChart(store); };
  steps.drop_thin_families = [](store::RecordStore& store) {
    DropFamiliesWithTooFewMembers(store);
  };
  return steps;
}

store::ReadResult ReadTree(store::RecordStore& store, const std::string& path, bool merge) {
  return store::ReadTree(store, path, merge, CoreReadSteps());
}

}  // namespace kinloom::core
