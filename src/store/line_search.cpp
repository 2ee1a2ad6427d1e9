#include "store/line_search.h"

#include <algorithm>
#include <cstdio>

#include "store/decimal.h"

namespace kinloom::store {

int XrefNumber(std::string_view text) {
  size_t at = text.find('@');
  if (at == std::string_view::npos || at + 2 >= text.size()) return 0;
  const long long value = ReadDigits(text, at + 2, 0x80000000LL).value;
  return value > 0x7FFFFFFF ? 0 : static_cast<int>(value);
}

std::string MakeXref(char letter, int number) {
  // Written by hand: renumbering a large import makes millions of these.
  char digits[16];
  int count = 0;
  unsigned value = number < 0 ? 0u - static_cast<unsigned>(number) : static_cast<unsigned>(number);
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  std::string xref = "@";
  xref += letter;
  if (number < 0) xref += '-';
  for (int pad = count + (number < 0 ? 1 : 0); pad < 6; ++pad) xref += '0';
  while (count > 0) xref += digits[--count];
  xref += '@';
  return xref;
}

bool HasTag(std::string_view text, std::string_view prefix) {
  if (!text.starts_with(prefix)) return false;
  return text.size() == prefix.size() || text[prefix.size()] == ' ';
}

LineNode* FindTagLine(LineNode* first, std::string_view prefix, int n) {
  if (first == nullptr) return nullptr;
  LineNode* line = first;
  if (line->level() == '0') line = line->next;
  for (; line != nullptr && line->level() != '0'; line = line->next) {
    if (HasTag(line->text(), prefix) && --n <= 0) return line;
  }
  return nullptr;
}

std::string_view LineValue(std::string_view text, std::string_view prefix) {
  if (text.size() <= prefix.size() + 1) return {};
  return text.substr(prefix.size() + 1);
}

}  // namespace kinloom::store

namespace kinloom::store {
namespace {

// The level digit of a tag prefix such as "2 PEDI".
char PrefixLevel(std::string_view prefix) {
  return prefix.empty() ? '0' : prefix[0];
}

// The tag part of a line: its text up to the first blank after the level.
std::string_view TagPart(std::string_view text) {
  size_t blank = text.find(' ', 2);
  return blank == std::string_view::npos ? text : text.substr(0, blank);
}

}  // namespace

const std::string_view kTagOrder[63] = {
    "1 NAME", "1 TITL", "1 ALIA", "1 SEX",  "1 BIRT", "1 CHR",  "1 BAPM", "1 BAPL", "1 ADOP",
    "1 DEAT", "1 BURI", "1 CREM", "1 FAMC", "1 FAMS", "1 AFN",  "1 SSN",  "1 OCCU", "1 ADDR",
    "1 RESI", "1 PHON", "1 MAIL", "1 FACE", "1 CENS", "1 EDUC", "1 GRAD", "1 RETI", "1 IMMI",
    "1 EMIG", "1 NATI", "1 NATU", "1 PROP", "1 PROB", "1 WILL", "1 RELI", "1 CHRA", "1 FCOM",
    "1 CONF", "1 CONL", "1 BARM", "1 BASM", "1 ENDL", "1 SLGC", "1 ORDN", "1 ORDL", "1 HUSB",
    "1 WIFE", "1 CHIL", "1 ENGA", "1 MARC", "1 MARL", "1 MARR", "1 ANUL", "1 DIVF", "1 DIV",
    "1 SLGS", "1 SOUR", "1 AUTH", "1 MEDI", "1 PUBL", "1 QUAY", "1 NOTE", "1 OBJE", "1 CHAN"};

const std::string_view kSubTagOrder[13] = {"2 DATE", "2 PLAC", "2 SOUR", "2 PAGE", "2 QUAY",
                                           "2 NOTE", "3 SOUR", "3 PAGE", "3 QUAY", "3 NOTE",
                                           "4 PAGE", "4 QUAY", "4 NOTE"};

LineNode* AfterSubLines(LineNode* line) {
  char level = LevelOf(line);
  LineNode* next = line->next;
  while (next != nullptr && LevelOf(next) > level) next = next->next;
  return next;
}

LineNode* LastOfSubLines(LineNode* line) {
  char level = LevelOf(line);
  while (line->next != nullptr && LevelOf(line->next) > level) line = line->next;
  return line;
}

LineNode* FindSubLine(LineNode* line, std::string_view prefix, int n) {
  if (line == nullptr) return nullptr;
  const char level = PrefixLevel(prefix);
  for (LineNode* sub = line->next; sub != nullptr && LevelOf(sub) >= level; sub = sub->next) {
    if (sub->text().starts_with(prefix) && --n <= 0) return sub;
  }
  return nullptr;
}

LineNode* FindFirstOfTags(LineNode* line, std::string_view tag1, std::string_view tag2,
                          std::string_view tag3, int* which) {
  for (; line != nullptr; line = line->next) {
    std::string_view text = line->text();
    int found = 0;
    if (!tag1.empty() && HasTag(text, tag1))
      found = 1;
    else if (!tag2.empty() && text.starts_with(tag2))
      found = 2;
    else if (!tag3.empty() && text.starts_with(tag3))
      found = 3;
    if (found != 0) {
      if (which != nullptr) *which = found;
      return line;
    }
  }
  if (which != nullptr) *which = 0;
  return nullptr;
}

LineNode* FindXrefLine(LineNode* line, std::string_view prefix, int number) {
  for (; line != nullptr; line = line->next) {
    if (line->text().starts_with(prefix) && XrefNumber(line->text()) == number) return line;
  }
  return nullptr;
}

LineNode* FindXrefLineBefore(LineNode* line, std::string_view prefix, int number) {
  if (line == nullptr || FindXrefLine(line, prefix, number) == line) return nullptr;
  for (LineNode* before = line; before->next != nullptr; before = before->next) {
    std::string_view text = before->next->text();
    if (text.starts_with(prefix) && XrefNumber(text) == number) return before;
  }
  return nullptr;
}

LineNode* FindLastOfTags(LineNode* line, std::string_view tag1, std::string_view tag2) {
  LineNode* found = nullptr;
  LineNode* last = nullptr;
  for (; line != nullptr && !HasTag(line->text(), "1 CHAN"); line = line->next) {
    if (line->text().starts_with(tag1) || line->text().starts_with(tag2)) found = line;
    last = line;
  }
  return found != nullptr ? found : last;
}

int CompareTags(std::string_view a, std::string_view b) {
  int c = TagPart(a).compare(TagPart(b));
  return c == 0 ? 0 : (c < 0 ? -1 : 1);
}

namespace {

// The position of a prefix in an order table; `count` when it is not there.
int OrderOf(const std::string_view* order, int count, std::string_view prefix) {
  for (int i = 0; i < count; ++i) {
    if (CompareTags(order[i], prefix) == 0) return i;
  }
  return count;
}

// The last line of the group that starts at `line`: the last of the lines with the same tag
// that follow it without a line of another tag at its level between, then past its sub-lines.
LineNode* EndOfGroup(LineNode* line, std::string_view tag) {
  LineNode* last = line;
  for (LineNode* next = line->next; next != nullptr; next = next->next) {
    if (HasTag(next->text(), tag))
      last = next;
    else if (LevelOf(next) <= LevelOf(line))
      break;
  }
  return LastOfSubLines(last);
}

// Shared by the two insertion points: `owner` is the level-0 line or the event line, and the
// lines searched are those after it down to (but not including) the first line whose level is
// not deeper than the owner's.
LineNode* InsertPointIn(LineNode* owner, std::string_view prefix, const std::string_view* order,
                        int count) {
  const char owner_level = LevelOf(owner);
  auto lines_below = [owner, owner_level](auto&& visit) {
    for (LineNode* line = owner->next; line != nullptr && LevelOf(line) > owner_level;
         line = line->next) {
      if (visit(line)) return line;
    }
    return static_cast<LineNode*>(nullptr);
  };
  // An existing group with the same tag: after its last line and that line's sub-lines.
  LineNode* same = nullptr;
  lines_below([&](LineNode* line) {
    if (CompareTags(line->text(), prefix) == 0) same = line;
    return false;
  });
  if (same != nullptr) return LastOfSubLines(same);
  // Else behind the nearest earlier entry of the order that the record has.
  for (int i = OrderOf(order, count, prefix) - 1; i >= 0; --i) {
    LineNode* first = lines_below([&](LineNode* line) { return HasTag(line->text(), order[i]); });
    if (first != nullptr) return EndOfGroup(first, order[i]);
  }
  return owner;
}

}  // namespace

LineNode* FindInsertPoint(LineNode* first, std::string_view prefix) {
  if (first == nullptr) return nullptr;
  return InsertPointIn(first, prefix, kTagOrder, 63);
}

LineNode* FindSubInsertPoint(LineNode* event, std::string_view prefix) {
  if (event == nullptr) return nullptr;
  return InsertPointIn(event, prefix, kSubTagOrder, 13);
}

int CountSubTag(LineNode* line, std::string_view prefix) {
  if (line == nullptr) return 0;
  const char level = PrefixLevel(prefix);
  const std::string_view head = prefix.substr(0, std::min<size_t>(6, prefix.size()));
  int count = 0;
  for (LineNode* next = line->next; next != nullptr && LevelOf(next) >= level; next = next->next) {
    if (next->text().substr(0, std::min<size_t>(6, next->size())) == head) ++count;
  }
  return count;
}

}  // namespace kinloom::store
