// Events of a record: their details, the main dates and the vital events of a person.
#include <cctype>
#include <string>

#include "core/queries.h"

namespace kinloom::core {
namespace {

std::string ValueOfSub(LineNode* event, std::string_view prefix) {
  LineNode* sub = store::FindSubLine(event, prefix);
  return sub == nullptr ? std::string() : std::string(store::LineValue(sub->text(), prefix));
}

// The date of an event line as EventDate reads it: its "2 DATE" sub-line when it holds more
// than the bare tag.
std::string DateBelow(LineNode* event) {
  LineNode* date = store::FindSubLine(event, "2 DATE");
  if (date == nullptr || date->size() <= 7) return {};
  return std::string(date->text().substr(7));
}

struct EventTags {
  std::string_view main;
  std::string_view fallback1;
  std::string_view fallback2;
  char letter;
};

EventTags TagsOf(EventKind kind) {
  switch (kind) {
    case EventKind::kBirth:
      return {"1 BIRT", "1 BAPM", "1 CHR", 'b'};
    case EventKind::kDeath:
      return {"1 DEAT", "1 BURI", "1 CREM", 'd'};
    case EventKind::kMarriage:
      return {"1 MARR", "1 MARC", "1 MARL", 'm'};
    case EventKind::kChange:
      break;
  }
  return {"1 CHAN", {}, {}, 'c'};
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// The tag of a line ("BIRT" of "1 BIRT Y"), or an empty view.
std::string_view TagOf(std::string_view text) {
  if (text.size() < 3) return {};
  std::string_view rest = text.substr(2);
  return rest.substr(0, rest.find(' '));
}

}  // namespace

EventInfo EventDetails(LineNode* first, std::string_view tag1, std::string_view tag2,
                       std::string_view tag3) {
  EventInfo info;
  // Whole tags throughout, so that "1 CHR" never picks up a "1 CHRA" line.
  LineNode* event = nullptr;
  for (LineNode* line = first; line != nullptr && event == nullptr; line = line->next) {
    std::string_view text = line->text();
    for (std::string_view tag : {tag1, tag2, tag3}) {
      if (!tag.empty() && store::HasTag(text, tag)) event = line;
    }
  }
  if (event == nullptr) return info;
  info.date = ValueOfSub(event, "2 DATE");
  info.place = ValueOfSub(event, "2 PLAC");
  info.source = ValueOfSub(event, "2 SOUR");
  info.note = store::FindSubLine(event, "2 NOTE");
  info.found =
      !info.date.empty() || !info.place.empty() || !info.source.empty() || info.note != nullptr;
  return info;
}

EventDateResult EventDate(LineNode* first, EventKind kind) {
  const EventTags tags = TagsOf(kind);
  EventDateResult result;
  if (first == nullptr) return result;
  for (LineNode* line = first->next; line != nullptr; line = line->next) {
    std::string_view text = line->text();
    const bool main = text == tags.main;
    const bool fallback = (!tags.fallback1.empty() && text == tags.fallback1) ||
                          (!tags.fallback2.empty() && text == tags.fallback2);
    if (!main && !fallback) continue;
    std::string date = DateBelow(line);
    if (date.empty()) continue;
    result.date = std::move(date);
    result.letter = tags.letter;
    if (main) return result;
    if (kind == EventKind::kBirth) result.letter = 'c';
  }
  return result;
}

Vitals VitalsOf(const RecordStore& store, int individual) {
  Vitals vitals;
  store::IndividualRecord* record = store.individual(individual);
  if (record == nullptr || record->lines == nullptr) return vitals;
  struct Slot {
    std::string_view tag;
    Vitals::DatePlace* event;
    bool seen;
  } slots[] = {{"BIRT", &vitals.birth, false},   {"CHR", &vitals.christening, false},
               {"BAPM", &vitals.baptism, false}, {"DEAT", &vitals.death, false},
               {"BURI", &vitals.burial, false},  {"CREM", &vitals.cremation, false}};
  Vitals::DatePlace* current = nullptr;
  bool sex_seen = false;
  for (LineNode* line = record->lines->next; line != nullptr; line = line->next) {
    std::string_view text = line->text();
    if (text[0] == '1') {
      current = nullptr;
      std::string_view tag = TagOf(text);
      if (!sex_seen && EqualsIgnoringCase(tag, "SEX") && text.size() > 6) {
        vitals.sex = static_cast<char>(std::toupper(static_cast<unsigned char>(text[6])));
        sex_seen = true;
      }
      for (Slot& slot : slots) {
        if (!slot.seen && EqualsIgnoringCase(tag, slot.tag)) {
          slot.seen = true;
          current = slot.event;
        }
      }
    } else if (current != nullptr && text[0] == '2') {
      std::string_view tag = TagOf(text);
      std::string_view value = text.size() > 7 ? text.substr(7) : std::string_view();
      if (EqualsIgnoringCase(tag, "DATE") && current->date.empty()) current->date = value;
      if (EqualsIgnoringCase(tag, "PLAC") && current->place.empty()) current->place = value;
    }
  }
  return vitals;
}

}  // namespace kinloom::core
