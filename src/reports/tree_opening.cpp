#include "reports/tree_opening.h"

#include "core/tree_reading.h"

namespace kinloom::reports {

OpenResult ReadTreeChecked(store::RecordStore& store, const std::string& path, bool merge,
                           LinkCheckSession& session) {
  OpenResult result;
  store::ReadSteps steps = core::CoreReadSteps();
  steps.check_links = [&](store::RecordStore& tree) { result.links = CheckLinks(tree, session); };
  result.read = store::ReadTree(store, path, merge, steps);
  return result;
}

}  // namespace kinloom::reports
