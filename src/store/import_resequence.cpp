#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "platform/progress.h"
#include "store/import_passes.h"
#include "store/line_edit.h"
#include "store/line_search.h"

namespace kinloom::store {
namespace {

// The order of the level-1 line groups of an individual.
constexpr int kOrderSize = 48;
constexpr std::string_view kIndividualOrder[kOrderSize] = {
    "1 NAME", "1 TITL", "1 ALIA", "1 SLGC", "1 BIRT", "1 CHR",  "1 BAPM", "1 BAPL",
    "1 ADOP", "1 DEAT", "1 BURI", "1 CREM", "1 FAMC", "1 FAMS", "1 AFN",  "1 SSN",
    "1 OBJE", "1 OCCU", "1 ADDR", "1 RETI", "1 PHON", "1 MAIL", "1 FACE", "1 CENS",
    "1 EDUC", "1 GRAD", "1 IMMI", "1 EMIG", "1 NATI", "1 NATU", "1 RELI", "1 PROP",
    "1 WILL", "1 RESI", "1 CHRA", "1 FCOM", "1 CONF", "1 CONL", "1 SEX",  "1 BARM",
    "1 BASM", "1 ENDL", "1 PROB", "1 ORDN", "1 ORDL", "1 SOUR", "1 NOTE", "1 CHAN"};

// A tag of three or four characters packed into a number, a three-letter tag padded with a
// blank; 0 for any other length.
constexpr uint32_t Pack(std::string_view tag) {
  if (tag.size() < 3 || tag.size() > 4) return 0;
  uint32_t packed = 0;
  for (size_t i = 0; i < 4; ++i) {
    unsigned char c = i < tag.size() ? static_cast<unsigned char>(tag[i]) : ' ';
    packed = packed << 8 | c;
  }
  return packed;
}

constexpr std::array<uint32_t, kOrderSize> PackOrder() {
  std::array<uint32_t, kOrderSize> packed{};
  for (int i = 0; i < kOrderSize; ++i) packed[i] = Pack(kIndividualOrder[i].substr(2));
  return packed;
}

constexpr std::array<uint32_t, kOrderSize> kPackedOrder = PackOrder();

// The place of a line in the order, compared on level and tag; -1 when it has none.
int OrderOf(std::string_view text) {
  if (text.size() < 5 || text[0] != '1' || text[1] != ' ') return -1;
  std::string_view tag = text.substr(2, text.find(' ', 2) - 2);
  const uint32_t packed = Pack(tag);
  if (packed == 0) return -1;
  for (int i = 0; i < kOrderSize; ++i) {
    if (kPackedOrder[i] == packed) return i;
  }
  return -1;
}

// The last line of the group that starts at `line`: the lines after it up to the next
// level-1 line.
LineNode* LastOfGroup(LineNode* line) {
  while (line->next != nullptr && LevelOf(line->next) > '1') line = line->next;
  return line;
}

// Deletes the groups whose tags have no place in the order.
void RemoveUnorderedGroups(RecordStore& store, LineNode* first, DroppedLines* dropped) {
  for (LineNode* prev = first; prev->next != nullptr;) {
    if (OrderOf(prev->next->text()) < 0) {
      if (dropped != nullptr) {
        dropped->AddLines(DropReason::kNoPlace, prev->next, LastOfGroup(prev->next)->next);
      }
      RemoveLineAndSubs(store, first, prev);
    } else {
      prev = LastOfGroup(prev->next);
    }
  }
}

struct Bucket {
  LineNode* head = nullptr;
  LineNode* tail = nullptr;
};

// Cuts the record into groups, gathers them by tag (groups of one tag keep their order) and
// links them back behind the level-0 line in the order.
void Regroup(RecordStore& store, LineNode* first) {
  std::array<Bucket, kOrderSize> buckets{};
  for (LineNode* line = first->next; line != nullptr;) {
    LineNode* last = LastOfGroup(line);
    LineNode* next = last->next;
    last->next = nullptr;
    const int place = OrderOf(line->text());
    if (place < 0) {
      store.arena().FreeList(line);  // not reached: the groups were checked before
    } else {
      Bucket& bucket = buckets[static_cast<size_t>(place)];
      (bucket.tail != nullptr ? bucket.tail->next : bucket.head) = line;
      bucket.tail = last;
    }
    line = next;
  }
  LineNode* tail = first;
  for (const Bucket& bucket : buckets) {
    if (bucket.head == nullptr) continue;
    tail->next = bucket.head;
    tail = bucket.tail;
  }
  tail->next = nullptr;
}

}  // namespace

void ResequenceTags(RecordStore& store, int first_individual, DroppedLines* dropped) {
  store.ui().ProgressShow("ReSequencing Tags", "");
  const int first = std::max(first_individual, 1);
  platform::ProgressTicker ticker(store.ui(), std::max(store.highest_individual() - first + 1, 0));
  for (int n = first; n <= store.highest_individual(); ++n) {
    ticker.Step();
    IndividualRecord* record = store.individual(n);
    if (record == nullptr || record->lines == nullptr) continue;
    // The records are renumbered by now: the file's cross-reference is no longer there.
    if (dropped != nullptr) dropped->SetRecord('I', n, {});
    RemoveUnorderedGroups(store, record->lines, dropped);
    Regroup(store, record->lines);
  }
  store.ui().ProgressHide();
}

}  // namespace kinloom::store
