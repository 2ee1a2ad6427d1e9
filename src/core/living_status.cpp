#include "core/living_status.h"

#include "core/queries.h"
#include "store/line_edit.h"
#include "store/line_search.h"
#include "store/stamp.h"

namespace kinloom::core {

void MarkLiving(store::RecordStore& store, int individual, bool living) {
  store::IndividualRecord* record = store.individual(individual);
  if (record == nullptr || ((record->hideFlags & store::kHideLiving) != 0) == living) return;
  record->hideFlags ^= store::kHideLiving;
  store.set_tree_modified(true);
}

LivingChange SetLivingStatus(store::RecordStore& store, int individual, bool living) {
  store::IndividualRecord* record = store.individual(individual);
  if (record == nullptr || record->lines == nullptr) return LivingChange::kNoPerson;
  if (living && IsDeceased(store, individual, true)) return LivingChange::kMustStayDeceased;
  store::LineNode* first = record->lines;
  bool lines_changed = false;
  if (living) {
    // A person who may be living has at most bare death lines left; every one goes.
    while (store::RemoveTagLine(store, first, "1 DEAT")) lines_changed = true;
  } else if (store::FindTagLine(first, "1 DEAT") == nullptr) {
    store::InsertLineAfter(store, store::FindInsertPoint(first, "1 DEAT"), "1 DEAT");
    lines_changed = true;
  }
  if (lines_changed) store::StampChanged(store, first);
  MarkLiving(store, individual, living);
  return LivingChange::kDone;
}

}  // namespace kinloom::core
