#include "store/traverse_cache.h"

#include "store/line_search.h"

namespace kinloom::store {
namespace {

int NextToVisit(const RecordStore& store, const FamilyRecord& family) {
  int remembered = 0;
  bool visit_seen = false;
  for (LineNode* line = family.lines ? family.lines->next : nullptr; line; line = line->next) {
    std::string_view text = line->text();
    if (!HasTag(text, "1 HUSB") && !HasTag(text, "1 WIFE") && !HasTag(text, "1 CHIL")) continue;
    IndividualRecord* member = store.individual(XrefNumber(text));
    if (member == nullptr) continue;
    uint8_t marks = member->markFlags & (kMarkVisit | kMarkEdge);
    if (marks == 0) remembered = XrefNumber(text);
    if (marks == kMarkVisit) visit_seen = true;
    if (visit_seen && remembered != 0) break;
  }
  if (!visit_seen) return 0;
  return remembered != 0 ? remembered : -1;
}

}  // namespace

void ComputeNextToVisit(RecordStore& store) {
  for (int n = 1; n <= store.highest_family(); ++n) {
    if (FamilyRecord* family = store.family(n)) family->nextToVisit = NextToVisit(store, *family);
  }
}

}  // namespace kinloom::store
