#include <cstdio>

#include "core/generation_walks.h"
#include "core/queries.h"
#include "store/line_search.h"

namespace kinloom::core {
namespace {

// A first-parent line longer than this is taken as deep enough, loop or not.
constexpr int kMaxAncestorSteps = 999;

// The first parent listed in a family: its first "1 HUSB" or "1 WIFE" line. 0 when the family
// lists neither, or names a person without a record (a dangling link ends the line too).
int FirstParent(const RecordStore& store, int family) {
  const store::FamilyRecord* record = store.family(family);
  if (record == nullptr || record->lines == nullptr) return 0;
  const LineNode* line = store::FindFirstOfTags(record->lines, "1 HUSB", "1 WIFE");
  if (line == nullptr) return 0;
  const int parent = store::XrefNumber(line->text());
  return store.individual(parent) != nullptr ? parent : 0;
}

void WarnLoop(RecordStore& store, int individual) {
  char text[160];
  std::snprintf(text, sizeof text,
                "Individual  %06i  is part of a loop in which an\nancestor is also a "
                "descendant of the same person.",
                individual);
  store.ui().Message("*** Critical Error ***", text, platform::Icon::kExclamation);
}

}  // namespace

int FindTopAncestor(RecordStore& store, int individual) {
  const uint16_t walk = store.NewWalkNumber();
  int top = individual;
  int family = FindParentFamily(store, top).family;
  for (int step = 0; step < kMaxAncestorSteps; ++step) {
    // Placeholder 0 stands for "nobody": neither a family nor a person to climb to.
    const int parent = family != 0 ? FirstParent(store, family) : 0;
    if (parent == 0) break;
    store::IndividualRecord* record = store.individual(parent);
    if (record->walkStamp == walk) {
      WarnLoop(store, parent);
      break;
    }
    top = parent;
    family = FindParentFamily(store, top).family;
    record->walkStamp = walk;
  }
  return top;
}

}  // namespace kinloom::core
