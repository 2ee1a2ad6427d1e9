#include "store/contact_marks.h"

#include "store/line_search.h"

namespace kinloom::store {
namespace {

bool HasContactDetails(LineNode* first) {
  for (LineNode* line = first->next; line != nullptr; line = line->next) {
    std::string_view text = line->text();
    if (HasTag(text, "1 FACE") || HasTag(text, "1 MAIL") || HasTag(text, "1 PHON")) return true;
    if (HasTag(text, "1 RESI") &&
        (FindSubLine(line, "2 DATE") != nullptr || FindSubLine(line, "2 PLAC") != nullptr)) {
      return true;
    }
  }
  return false;
}

}  // namespace

void RefreshContactMarks(RecordStore& store, int first_individual) {
  for (int n = first_individual < 1 ? 1 : first_individual; n <= store.highest_individual(); ++n) {
    IndividualRecord* record = store.individual(n);
    if (record == nullptr || record->lines == nullptr) continue;
    if (HasContactDetails(record->lines)) {
      record->markFlags |= kMarkContact;
    } else {
      record->markFlags &= static_cast<uint8_t>(~kMarkContact);
    }
  }
}

}  // namespace kinloom::store
