#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/progress.h"
#include "store/import_passes.h"
#include "store/line_edit.h"
#include "store/line_search.h"

namespace kinloom::store {
namespace {

// A note record's own cross-reference: its first line from the first "@" up to and including
// the next; empty when there is none.
std::string_view OwnReference(const LineNode* first) {
  std::string_view text = first->text();
  size_t open = text.find('@');
  if (open == std::string_view::npos) return {};
  size_t close = text.find('@', open + 1);
  if (close == std::string_view::npos) return {};
  return text.substr(open, close - open + 1);
}

// The text a note record carries on its level-0 line: what follows its tag.
std::string_view FirstLineText(const LineNode* first) {
  std::string_view text = first->text();
  size_t tag = text.find(' ', 2);  // the blank after "0 @N1@"
  if (tag == std::string_view::npos) return {};
  size_t value = text.find(' ', tag + 1);
  return value == std::string_view::npos ? std::string_view() : text.substr(value + 1);
}

// The NOTE records by their own cross-references. A record taken out is nulled in the cells;
// Compact() removes those cells at the end. Records that share a reference are taken in cell
// order.
class NoteIndex {
 public:
  explicit NoteIndex(std::vector<LineNode*>& cells) : cells_(cells), next_same_(cells.size(), -1) {
    index_.reserve(cells.size());
    for (size_t i = cells.size(); i-- > 0;) {
      if (cells[i] == nullptr || OwnReference(cells[i]).empty()) continue;
      auto [entry, added] = index_.try_emplace(OwnReference(cells[i]), i);
      if (added) continue;
      next_same_[i] = static_cast<long>(entry->second);
      entry->second = i;
    }
  }

  // The first line of the NOTE record the reference names, taken out of the cells; nullptr
  // when there is none.
  LineNode* Take(std::string_view reference) {
    auto entry = index_.find(reference);
    if (entry == index_.end()) return nullptr;
    const size_t cell = entry->second;
    index_.erase(entry);
    if (next_same_[cell] >= 0) {
      const size_t next = static_cast<size_t>(next_same_[cell]);
      index_.emplace(OwnReference(cells_[next]), next);
    }
    LineNode* first = cells_[cell];
    cells_[cell] = nullptr;
    return first;
  }

  void Compact() { std::erase(cells_, nullptr); }

 private:
  std::vector<LineNode*>& cells_;
  std::vector<long> next_same_;
  std::unordered_map<std::string_view, size_t> index_;
};

// Whether the line cites a NOTE record: " NOTE @" from its second character, in any case.
bool CitesNote(std::string_view text) {
  constexpr std::string_view kCitation = " NOTE @";
  if (text.size() < 1 + kCitation.size()) return false;
  for (size_t i = 0; i < kCitation.size(); ++i) {
    char c = text[i + 1];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    if (c != kCitation[i]) return false;
  }
  return true;
}

// A level digit moved down by `shift` levels, at most to 9.
char Deeper(char level, int shift) {
  if (level < '0' || level > '9') return static_cast<char>('0' + std::min(shift + 1, 9));
  return static_cast<char>('0' + std::min(level - '0' + shift, 9));
}

// The citing line cut after its tag: "n NOTE" and the value given.
void CutCitation(RecordStore& store, LineNode* citing, std::string_view value) {
  char tag[] = "n NOTE";
  tag[0] = citing->level();
  ReplaceLineText(store, citing, tag, value);
}

// The citing line takes the note's first-line text as its value, and the note's other lines
// follow it, each moved down by the citing line's level.
void LinkNote(RecordStore& store, LineNode* citing, LineNode* note) {
  CutCitation(store, citing, FirstLineText(note));
  const int shift = LevelOf(citing) - '0';
  LineNode* body = note->next;
  store.arena().FreeNode(note);
  if (body == nullptr) return;
  LineNode* last = body;
  for (LineNode* line = body; line != nullptr; line = line->next) {
    line->set_level(Deeper(line->level(), shift));
    last = line;
  }
  last->next = citing->next;
  citing->next = body;
}

// Replaces the note citations of one record, in line order; the lines of an inlined note are
// looked at in turn.
void InlineRecord(RecordStore& store, LineNode* first, NoteIndex& notes) {
  for (LineNode* line = first->next; line != nullptr; line = line->next) {
    std::string_view text = line->text();
    if (!CitesNote(text)) continue;
    std::string_view reference = text.substr(7, text.rfind('@') - 6);
    LineNode* note = notes.Take(reference);
    if (note != nullptr) {
      LinkNote(store, line, note);
    } else {
      CutCitation(store, line, {});
    }
  }
}

}  // namespace

void InlineNotes(RecordStore& store) {
  store.ui().ProgressShow("Converting Notes to Inline Format", "");
  platform::ProgressTicker ticker(
      store.ui(), store.highest_individual() + store.highest_family() + store.highest_source());
  NoteIndex notes(store.note_records());
  for (int n = 1; n <= store.highest_individual(); ++n) {
    ticker.Step();
    IndividualRecord* record = store.individual(n);
    if (record != nullptr && record->lines != nullptr) InlineRecord(store, record->lines, notes);
  }
  for (int n = 1; n <= store.highest_family(); ++n) {
    ticker.Step();
    FamilyRecord* record = store.family(n);
    if (record != nullptr && record->lines != nullptr) InlineRecord(store, record->lines, notes);
  }
  for (int n = 1; n <= store.highest_source(); ++n) {
    ticker.Step();
    if (store.source(n) != nullptr) InlineRecord(store, store.source(n), notes);
  }
  notes.Compact();
  store.ui().ProgressHide();
}

}  // namespace kinloom::store
