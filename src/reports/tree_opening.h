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

// The same as a tree reader for the data home's workspace (files::TreeReader): the programs
// open their trees with it, the confirmed ignores kept in `session`, which must outlive it.
inline auto CheckedTreeReader(LinkCheckSession& session) {
  return [&session](store::RecordStore& store, const std::string& path, bool merge) {
    return ReadTreeChecked(store, path, merge, session).read;
  };
}

}  // namespace kinloom::reports
