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
void InlineRecord(RecordStore& store, LineNode* first, NoteIndex& notes, DroppedLines* dropped) {
  for (LineNode* line = first->next; line != nullptr; line = line->next) {
    std::string_view text = line->text();
    if (!CitesNote(text)) continue;
    std::string_view reference = text.substr(7, text.rfind('@') - 6);
    LineNode* note = notes.Take(reference);
    if (note != nullptr) {
      LinkNote(store, line, note);
    } else {
      if (dropped != nullptr) dropped->Add(DropReason::kMissingNote, text);
      CutCitation(store, line, {});
    }
  }
}

// A pass over the records of one kind from `first` on.
template <typename Visit>
void ForEachFrom(int first, int highest, platform::ProgressTicker& ticker, Visit visit) {
  for (int n = std::max(first, 1); n <= highest; ++n) {
    ticker.Step();
    visit(n);
  }
}

}  // namespace

void InlineNotes(RecordStore& store, const RecordRange& range, size_t first_note,
                 DroppedLines* dropped) {
  store.ui().ProgressShow("Converting Notes to Inline Format", "");
  platform::ProgressTicker ticker(
      store.ui(), std::max(store.highest_individual() - range.first_individual + 1, 0) +
                      std::max(store.highest_family() - range.first_family + 1, 0) +
                      std::max(store.highest_source() - range.first_source + 1, 0));
  std::vector<LineNode*>& cells = store.note_records();
  // The notes of an earlier file stay out of reach of the records just read.
  std::vector<LineNode*> new_cells(
      cells.begin() + static_cast<long>(std::min(first_note, cells.size())), cells.end());
  cells.resize(std::min(first_note, cells.size()));
  NoteIndex notes(new_cells);
  auto inline_record = [&](char kind, int n, LineNode* first) {
    if (first == nullptr) return;
    // Renumbered by now: the file's cross-reference is no longer there.
    if (dropped != nullptr) dropped->SetRecord(kind, n, {});
    InlineRecord(store, first, notes, dropped);
  };
  ForEachFrom(range.first_individual, store.highest_individual(), ticker, [&](int n) {
    IndividualRecord* record = store.individual(n);
    inline_record('I', n, record != nullptr ? record->lines : nullptr);
  });
  ForEachFrom(range.first_family, store.highest_family(), ticker, [&](int n) {
    FamilyRecord* record = store.family(n);
    inline_record('F', n, record != nullptr ? record->lines : nullptr);
  });
  ForEachFrom(range.first_source, store.highest_source(), ticker,
              [&](int n) { inline_record('S', n, store.source(n)); });
  notes.Compact();
  // A note no record refers to is not carried over.
  for (LineNode* note : new_cells) {
    if (dropped == nullptr) break;
    dropped->SetRecord('N', 0, note->text());
    dropped->AddLines(DropReason::kUnusedNote, note, nullptr);
  }
  cells.insert(cells.end(), new_cells.begin(), new_cells.end());
  store.ui().ProgressHide();
}

}  // namespace kinloom::store
