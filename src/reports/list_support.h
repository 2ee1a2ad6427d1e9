#pragma once

#include <algorithm>
#include <string>

#include "core/queries.h"
#include "store/record_store.h"

// What the ancestor and descendant lists share.
namespace kinloom::reports::list_support {

// The date of the first line of the person that has one of the tags, empty when that line has
// none: only the first such event counts.
inline std::string FirstEventDate(const store::RecordStore& store, int individual,
                                  std::string_view tag1, std::string_view tag2,
                                  std::string_view tag3 = {}) {
  const store::IndividualRecord* record = store.individual(individual);
  if (record == nullptr) return {};
  return core::EventDetails(record->lines, tag1, tag2, tag3).date;
}

// The indent of one generation on paper: two line units, narrower (down to one) when the
// deepest generation of the list would leave less than a third of the page for its text.
inline int IndentStep(int h, int page_width, int deepest) {
  if (deepest <= 0) return 2 * h;
  return std::clamp(page_width * 2 / 3 / deepest, h, 2 * h);
}

inline int ClampGenerations(int generations, int least, int most) {
  return std::clamp(generations, least, most);
}

}  // namespace kinloom::reports::list_support
