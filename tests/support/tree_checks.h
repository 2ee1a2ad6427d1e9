#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/record_store.h"

namespace kinloom::testing {

// The record numbers of the record's lines with that tag ("1 FAMS", "1 CHIL", ...), in order.
std::vector<int> LinksOf(const store::LineNode* first, std::string_view tag);

// What every edit must leave true of a tree: each link has its partner line on the other side
// and points at a record, both search lists hold every record once with a fresh key, in order,
// and (with `with_chart`) the cached chart texts are those a rebuild gives. Returns the first
// problem found, or an empty text.
std::string CheckTree(store::RecordStore& store, bool with_chart);

}  // namespace kinloom::testing
