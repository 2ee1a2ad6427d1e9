#include "store/line_edit.h"

#include <string>

#include "store/line_search.h"
#include "store/stamp.h"

namespace kinloom::store {

LineNode* NewLine(RecordStore& store, std::string_view text, LineNode* next) {
  return store.NewLine(text, next);
}

LineNode* InsertLineAfter(RecordStore& store, LineNode* after, std::string_view text) {
  after->next = store.NewLine(text, after->next);
  return after->next;
}

void UnlinkNext(RecordStore& store, LineNode* first, LineNode* line) {
  if (line == nullptr || line->next == nullptr) return;
  LineNode* gone = line->next;
  line->next = gone->next;
  store.arena().FreeNode(gone);
  store.set_tree_modified(true);
  StampChanged(store, first);
}

void RemoveLineAndSubs(RecordStore& store, LineNode* first, LineNode* line) {
  if (line == nullptr || line->next == nullptr) return;
  LineNode* gone = line->next;
  LineNode* rest = AfterSubLines(gone);
  for (LineNode* node = gone; node != rest;) {
    LineNode* next = node->next;
    store.arena().FreeNode(node);
    node = next;
  }
  line->next = rest;
  store.set_tree_modified(true);
  StampChanged(store, first);
}

namespace {

// The line before the n-th line with the tag; nullptr when there is none.
LineNode* BeforeTagLine(LineNode* first, std::string_view tag, int n) {
  if (first == nullptr) return nullptr;
  for (LineNode* line = first; line->next != nullptr && LevelOf(line->next) != '0';
       line = line->next) {
    if (HasTag(line->next->text(), tag) && --n <= 0) return line;
  }
  return nullptr;
}

}  // namespace

bool RemoveTagLine(RecordStore& store, LineNode* first, std::string_view tag, int n) {
  LineNode* before = BeforeTagLine(first, tag, n);
  if (before == nullptr) return false;
  RemoveLineAndSubs(store, first, before);
  return true;
}

void ReplaceLineText(RecordStore& store, LineNode* line, std::string_view tag,
                     std::string_view value) {
  std::string text(tag);
  if (!value.empty()) {
    text += ' ';
    text += value;
  }
  store.arena().SetText(line, text);
  store.set_tree_modified(true);
}

void SetLineValue(RecordStore& store, LineNode* first, std::string_view tag, int n,
                  std::string_view value) {
  if (first == nullptr) return;
  LineNode* before = BeforeTagLine(first, tag, n);
  LineNode* line = before != nullptr ? before->next : nullptr;
  if (line != nullptr) {
    if (value.empty() && AfterSubLines(line) == line->next) {
      UnlinkNext(store, first, before);
      return;
    }
    // A line with sub-lines keeps them and loses only its value.
    ReplaceLineText(store, line, tag, value);
  } else {
    if (value.empty()) return;
    LineNode* after = FindInsertPoint(first, tag);
    InsertLineAfter(store, after, std::string(tag) + " " + std::string(value));
  }
  StampChanged(store, first);
}

}  // namespace kinloom::store
