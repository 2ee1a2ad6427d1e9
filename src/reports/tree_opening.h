#pragma once

#include <string>

#include "reports/link_checker.h"
#include "store/gedcom_reader.h"

namespace kinloom::reports {

struct [[nodiscard]] OpenResult {
  store::ReadResult read;
  LinkCheckResult links;
};

// Reads a tree with every finishing step: the core's and the link check.
[[nodiscard]] OpenResult ReadTreeChecked(store::RecordStore& store, const std::string& path,
                                         bool merge, LinkCheckSession& session);

}  // namespace kinloom::reports
