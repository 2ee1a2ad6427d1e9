#include "core/merge_lines.h"

#include "store/line_edit.h"
#include "store/line_search.h"

namespace kinloom::core::merge {

std::string SubPrefix(const LineNode* line, std::string_view tag) {
  std::string prefix(1, static_cast<char>(line->level() + 1));
  prefix += ' ';
  prefix += tag;
  return prefix;
}

LineNode* FindSub(LineNode* line, std::string_view tag) {
  if (line == nullptr) return nullptr;
  const std::string prefix = SubPrefix(line, tag);
  for (LineNode* sub = line->next; sub != nullptr && sub->level() > line->level();
       sub = sub->next) {
    if (store::HasTag(sub->text(), prefix)) return sub;
  }
  return nullptr;
}

std::string_view PrefixOf(const LineNode* line) {
  std::string_view text = line->text();
  const size_t blank = text.find(' ', 2);
  return blank == std::string_view::npos ? text : text.substr(0, blank);
}

std::string_view ValueOf(const LineNode* line) {
  std::string_view text = line->text();
  const size_t prefix = PrefixOf(line).size();
  return prefix < text.size() ? text.substr(prefix + 1) : std::string_view();
}

std::string SubValue(LineNode* line, std::string_view tag) {
  const LineNode* sub = FindSub(line, tag);
  return sub == nullptr ? std::string() : std::string(ValueOf(sub));
}

std::string JoinedValue(LineNode* line) {
  if (line == nullptr) return {};
  std::string value(ValueOf(line));
  const std::string cont = SubPrefix(line, "CONT");
  const std::string conc = SubPrefix(line, "CONC");
  for (LineNode* sub = line->next; sub != nullptr && sub->level() > line->level();
       sub = sub->next) {
    if (store::HasTag(sub->text(), cont)) {
      value += '\n';
      value += ValueOf(sub);
    } else if (store::HasTag(sub->text(), conc)) {
      value += ValueOf(sub);
    }
  }
  return value;
}

Group CutAfter(LineNode* before) {
  Group group{before->next, store::LastOfSubLines(before->next)};
  before->next = group.last->next;
  group.last->next = nullptr;
  return group;
}

void LinkAfter(LineNode* after, Group group) {
  group.last->next = after->next;
  after->next = group.first;
}

LineNode* LineBefore(LineNode* first, const LineNode* line) {
  for (LineNode* at = first; at != nullptr; at = at->next) {
    if (at->next == line) return at;
  }
  return nullptr;
}

Group CutGroup(LineNode* first, LineNode* line) {
  LineNode* before = LineBefore(first, line);
  return before == nullptr ? Group{} : CutAfter(before);
}

bool SameGroup(const LineNode* a, const LineNode* b) {
  const char level_a = a->level();
  const char level_b = b->level();
  if (level_a != level_b || a->text() != b->text()) return false;
  for (a = a->next, b = b->next;; a = a->next, b = b->next) {
    const bool a_ends = a == nullptr || a->level() <= level_a;
    const bool b_ends = b == nullptr || b->level() <= level_b;
    if (a_ends || b_ends) return a_ends && b_ends;
    if (a->text() != b->text()) return false;
  }
}

bool HasSameGroup(LineNode* owner, const LineNode* group) {
  const char level = static_cast<char>(owner->level() + 1);
  for (LineNode* line = owner->next; line != nullptr && line->level() > owner->level();
       line = line->next) {
    if (line->level() == level && SameGroup(line, group)) return true;
  }
  return false;
}

void AppendNote(RecordStore& store, LineNode* kept_note, Group note) {
  const std::string cont = SubPrefix(kept_note, "CONT");
  LineNode* separator = store::InsertLineAfter(store, store::LastOfSubLines(kept_note), cont);
  std::string first_line = cont;
  if (std::string_view value = ValueOf(note.first); !value.empty()) {
    first_line += ' ';
    first_line += value;
  }
  store.arena().SetText(note.first, first_line);
  LinkAfter(separator, note);
}

}  // namespace kinloom::core::merge
