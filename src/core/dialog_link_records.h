#pragma once

#include <string>
#include <vector>

#include "platform/interaction.h"
#include "store/record_store.h"

namespace kinloom::core {

// One panel of the link fixer: a heading and the lines describing a record.
struct LinkPanel {
  std::string heading;
  std::vector<std::string> lines;
};

struct LinkPanels {
  LinkPanel upper;  // the record being checked
  LinkPanel lower;  // the other side of the broken link
};

// What the link fixer shows of the records a problem names. Records are described from the
// store when one is given, otherwise by their numbers only. A record that does not exist is
// described by the problem's title, which carries its number.
LinkPanels DescribeLinkProblem(const platform::LinkProblem& problem,
                               const store::RecordStore* store);

}  // namespace kinloom::core
