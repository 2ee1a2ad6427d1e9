#include "core/merge_row.h"

#include <algorithm>
#include <string>

#include "core/continued_text.h"
#include "core/merge_lines.h"
#include "store/line_edit.h"
#include "store/line_search.h"

namespace kinloom::core::merge {
namespace {

using Kind = MergeRowKind;

// Wide enough for any value the person page writes in one line.
constexpr size_t kValueChunk = 248;

// The first sub-line of these tags is decided by a box of the row.
bool DecidedByBoxes(std::string_view tag, Kind kind) {
  return tag == "NOTE" || (kind == Kind::kEvent && (tag == "DATE" || tag == "PLAC"));
}

std::string_view SubTag(const LineNode* line) {
  return PrefixOf(line).substr(2);
}

// The direct sub-lines of `line` whose tag is `tag` (empty: every tag).
std::vector<LineNode*> SubLines(LineNode* line, std::string_view tag) {
  std::vector<LineNode*> found;
  if (line == nullptr) return found;
  const char level = static_cast<char>(line->level() + 1);
  for (LineNode* sub = line->next; sub != nullptr && sub->level() > line->level();
       sub = sub->next) {
    if (sub->level() == level && (tag.empty() || SubTag(sub) == tag)) found.push_back(sub);
  }
  return found;
}

class RowMerge {
 public:
  RowMerge(RecordStore& store, LineNode* into, LineNode* from, const MergeRowState& row, Kind kind,
           int kept_side)
      : store_(store),
        into_(into),
        tag_(row.tag),
        kind_(kind),
        kept_(row.sides[static_cast<size_t>(kept_side)]),
        gone_(row.sides[static_cast<size_t>(1 - kept_side)]),
        kept_line_(store::FindTagLine(into, row.tag)),
        gone_line_(store::FindTagLine(from, row.tag)),
        others_(OtherSubLines()) {}

  void Run() {
    if (gone_line_ != nullptr) TakeValues();
    if (kept_line_ != nullptr && KeptDetailsReplaced()) RemoveSubs(SubLines(kept_line_, "SOUR"));
    MergeNotes();
    if (gone_line_ == nullptr) return;
    if (TakesFromDiscarded() || AgreesWithKept()) MoveCitations();
    if (TakesFromDiscarded()) MoveOtherSubLines();
  }

 private:
  LineNode* KeptLine() {
    if (kept_line_ == nullptr) {
      kept_line_ = store::InsertLineAfter(store_, store::FindInsertPoint(into_, tag_), tag_);
    }
    return kept_line_;
  }

  void TakeValues() {
    if (kind_ == Kind::kEvent) {
      if (gone_.value_box.on()) SetSub("DATE", gone_.value);
      if (gone_.place_box.on()) SetSub("PLAC", gone_.place);
    } else if (kind_ == Kind::kValue && gone_.value_box.on()) {
      WriteContinued(store_, into_, KeptLine(), tag_, SplitContinued(gone_.value, kValueChunk));
    }
  }

  // The kept line's sub-line gets the value; an empty value removes it.
  void SetSub(std::string_view tag, const std::string& value) {
    LineNode* event = KeptLine();
    const std::string prefix = SubPrefix(event, tag);
    if (LineNode* sub = FindSub(event, tag); sub != nullptr) {
      if (value.empty()) {
        store::RemoveLineAndSubs(store_, into_, LineBefore(event, sub));
      } else {
        store::ReplaceLineText(store_, sub, prefix, value);
      }
    } else if (!value.empty()) {
      store::InsertLineAfter(store_, store::FindSubInsertPoint(event, prefix),
                             prefix + " " + value);
    }
  }

  bool HasPlace() const { return kind_ != Kind::kValue; }

  bool TakesFromDiscarded() const {
    return gone_.value_box.on() || gone_.place_box.on() || gone_.note_box.on();
  }

  // The discarded details say nothing the kept ones do not: its citations support them too.
  bool AgreesWithKept() const {
    return kept_line_ != nullptr && (gone_.value.empty() || gone_.value == kept_.value) &&
           (gone_.place.empty() || gone_.place == kept_.place);
  }

  // Every detail the kept line had is replaced by the discarded side's or was cleared, so its
  // citations no longer support anything that stays. A bare line keeps its citations.
  bool KeptDetailsReplaced() const {
    const bool had_details =
        !kept_.value.empty() || (HasPlace() && !kept_.place.empty()) || kept_.note_box.enabled;
    const bool value_gone = kept_.value.empty() || gone_.value_box.on();
    const bool place_gone = !HasPlace() || kept_.place.empty() || gone_.place_box.on();
    const bool replaced = gone_.value_box.on() || gone_.place_box.on();
    return had_details && value_gone && place_gone && !kept_.note_box.on() && replaced;
  }

  void RemoveSubs(const std::vector<LineNode*>& subs) {
    for (LineNode* sub : subs) store::RemoveLineAndSubs(store_, into_, LineBefore(into_, sub));
  }

  void MergeNotes() {
    LineNode* kept_note = FindSub(kept_line_, "NOTE");
    if (kept_note != nullptr && kept_.note_box.enabled && !kept_.note_box.checked) {
      store::RemoveLineAndSubs(store_, into_, LineBefore(kept_line_, kept_note));
      kept_note = nullptr;
    }
    LineNode* gone_note = FindSub(gone_line_, "NOTE");
    if (gone_note == nullptr || !gone_.note_box.on()) return;
    if (kept_note != nullptr && SameGroup(kept_note, gone_note)) return;
    Group note = CutGroup(gone_line_, gone_note);
    if (kept_note != nullptr) {
      AppendNote(store_, kept_note, note);
    } else {
      LineNode* event = KeptLine();
      LinkAfter(store::FindSubInsertPoint(event, SubPrefix(event, "NOTE")), note);
    }
  }

  void MoveCitations() {
    for (LineNode* citation : SubLines(gone_line_, "SOUR")) {
      if (kept_line_ != nullptr && HasSameGroup(kept_line_, citation)) continue;
      LineNode* event = KeptLine();
      Group group = CutGroup(gone_line_, citation);
      LinkAfter(store::FindSubInsertPoint(event, SubPrefix(event, "SOUR")), group);
    }
  }

  // The discarded line's sub-lines that no box decides on and that are not citations or
  // continuations of its value: an age, a cause, a second note.
  std::vector<LineNode*> OtherSubLines() const {
    std::vector<LineNode*> others;
    std::vector<std::string_view> seen;
    for (LineNode* sub : SubLines(gone_line_, "")) {
      const std::string_view tag = SubTag(sub);
      const bool first_of_tag = std::find(seen.begin(), seen.end(), tag) == seen.end();
      seen.push_back(tag);
      if (tag == "SOUR" || tag == "CONT" || tag == "CONC") continue;
      if (!(first_of_tag && DecidedByBoxes(tag, kind_))) others.push_back(sub);
    }
    return others;
  }

  // They come along when the kept line has no sub-line of that tag, or (for a second one) not
  // the same group.
  void MoveOtherSubLines() {
    for (LineNode* sub : others_) {
      const std::string tag(SubTag(sub));
      LineNode* event = KeptLine();
      if (LineNode* kept = FindSub(event, tag); kept != nullptr) {
        if (!DecidedByBoxes(tag, kind_) || HasSameGroup(event, sub)) continue;
      }
      Group group = CutGroup(gone_line_, sub);
      LinkAfter(store::FindSubInsertPoint(event, SubPrefix(event, tag)), group);
    }
  }

  RecordStore& store_;
  LineNode* into_;
  std::string_view tag_;
  Kind kind_;
  const MergeSide& kept_;
  const MergeSide& gone_;
  LineNode* kept_line_;
  LineNode* gone_line_;
  std::vector<LineNode*> others_;
};

}  // namespace

void MergeRow(RecordStore& store, LineNode* into, LineNode* from, const MergeRowState& row,
              MergeRowKind kind, int kept_side) {
  if (into == nullptr || from == nullptr || row.tag.empty()) return;
  RowMerge(store, into, from, row, kind, kept_side).Run();
}

void MergeNotesAndCitations(RecordStore& store, LineNode* into, LineNode* from) {
  if (LineNode* gone_note = store::FindTagLine(from, "1 NOTE"); gone_note != nullptr) {
    LineNode* kept_note = store::FindTagLine(into, "1 NOTE");
    if (kept_note == nullptr || !SameGroup(kept_note, gone_note)) {
      Group note = CutGroup(from, gone_note);
      if (kept_note != nullptr) {
        AppendNote(store, kept_note, note);
      } else {
        LinkAfter(store::FindInsertPoint(into, "1 NOTE"), note);
      }
    }
  }
  for (LineNode* citation : SubLines(from, "SOUR")) {
    if (HasSameGroup(into, citation)) continue;
    Group group = CutGroup(from, citation);
    LinkAfter(store::FindInsertPoint(into, "1 SOUR"), group);
  }
}

std::vector<LineNode*> CollectLeftovers(LineNode* from, const std::vector<std::string_view>& merged,
                                        const std::vector<std::string_view>& linked) {
  std::vector<LineNode*> leftovers;
  std::vector<std::string_view> seen;
  for (LineNode* line : SubLines(from, "")) {
    const std::string_view prefix = PrefixOf(line);
    if (std::find(linked.begin(), linked.end(), prefix) != linked.end()) continue;
    const bool merged_tag = std::find(merged.begin(), merged.end(), prefix) != merged.end();
    const bool first_of_tag = std::find(seen.begin(), seen.end(), prefix) == seen.end();
    seen.push_back(prefix);
    if (merged_tag && first_of_tag) continue;
    leftovers.push_back(line);
  }
  return leftovers;
}

void MoveLeftovers(RecordStore& store, LineNode* into, LineNode* from,
                   const std::vector<LineNode*>& leftovers) {
  for (LineNode* line : leftovers) {
    if (HasSameGroup(into, line)) continue;
    const std::string prefix(PrefixOf(line));
    Group group = CutGroup(from, line);
    if (group.first == nullptr) continue;
    LinkAfter(store::FindInsertPoint(into, prefix), group);
    store.set_tree_modified(true);
  }
}

}  // namespace kinloom::core::merge
