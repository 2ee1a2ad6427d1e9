#include "reports/todo_criteria.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "core/dates.h"
#include "core/queries.h"
#include "store/line_search.h"

namespace kinloom::reports {

using store::IndividualRecord;
using store::LineNode;
using store::RecordStore;

namespace {

// An empty place text would find everyone; this one finds only a place that holds it.
constexpr std::string_view kNoPlaceText = "[$][&][#]";
constexpr std::string_view kUnknownName = "unknown";
constexpr size_t kShortestTitleLine = 8;  // "1 TITL " and at least one character

IndividualRecord* Existing(const RecordStore& store, int individual) {
  if (individual < 1 || individual > store.highest_individual()) return nullptr;
  IndividualRecord* record = store.individual(individual);
  return record != nullptr && record->lines != nullptr ? record : nullptr;
}

// Lower case over the Windows-1252 letters, accented ones included.
char AnsiLower(char c) {
  const auto byte = static_cast<uint8_t>(c);
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
    return static_cast<char>(byte + 0x20);
  }
  if (byte == 0x8A || byte == 0x8C || byte == 0x8E) return static_cast<char>(byte + 0x10);
  if (byte == 0x9F) return static_cast<char>(0xFF);
  return c;
}

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(), AnsiLower);
  return lowered;
}

std::string_view Trimmed(std::string_view text) {
  const size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(' ') - start + 1);
}

// Calls visit(number) for each level-1 line of the record with the tag, with the number it
// links to.
template <typename Visit>
void ForEachLink(LineNode* first, std::string_view tag, Visit visit) {
  for (LineNode* line = first->next; line != nullptr && line->level() != '0'; line = line->next) {
    if (store::HasTag(line->text(), tag)) visit(store::XrefNumber(line->text()));
  }
}

// The first event line whose whole text is one of the tags (an event line with a value after
// its tag is not one of them).
LineNode* FirstBareEvent(LineNode* first, std::initializer_list<std::string_view> tags) {
  for (LineNode* line = first->next; line != nullptr && line->level() != '0'; line = line->next) {
    if (std::find(tags.begin(), tags.end(), line->text()) != tags.end()) return line;
  }
  return nullptr;
}

std::string_view PlaceOf(LineNode* event) {
  if (event == nullptr) return {};
  const LineNode* place = store::FindSubLine(event, "2 PLAC");
  return place == nullptr ? std::string_view() : store::LineValue(place->text(), "2 PLAC");
}

std::string_view BirthPlace(LineNode* first) {
  return PlaceOf(FirstBareEvent(first, {"1 BIRT", "1 BAPM", "1 CHR"}));
}
std::string_view DeathPlace(LineNode* first) {
  return PlaceOf(FirstBareEvent(first, {"1 DEAT", "1 BURI", "1 CREM"}));
}

bool HasSurnameOrTitle(LineNode* first) {
  for (LineNode* line = first->next; line != nullptr && line->level() != '0'; line = line->next) {
    const std::string_view text = line->text();
    if (store::HasTag(text, "1 TITL") && text.size() >= kShortestTitleLine) return true;
    if (!store::HasTag(text, "1 NAME")) continue;
    const size_t open = text.find('/');
    if (open == std::string_view::npos) continue;
    const size_t close = text.find('/', open + 1);
    if (!Trimmed(text.substr(open + 1, close == std::string_view::npos ? close : close - open - 1))
             .empty()) {
      return true;
    }
  }
  return false;
}

// The name shows as "Unknown" (typed so, or no given names before the surname); a record
// without any name line has no given name either.
bool LacksGivenName(const RecordStore& store, int n) {
  const std::string given = core::GivenNames(store, n, true);
  return given.empty() || Lowered(given.substr(0, kUnknownName.size())) == kUnknownName;
}

bool MissesInfo(const RecordStore& store, int n, LineNode* first, const MissingInfoBoxes& boxes) {
  if (boxes.birth_date && core::EventDate(first, core::EventKind::kBirth).date.empty()) {
    return true;
  }
  if (boxes.death_date && core::EventDate(first, core::EventKind::kDeath).date.empty()) {
    return true;
  }
  if (boxes.given_name && LacksGivenName(store, n)) return true;
  if (boxes.birth_place && BirthPlace(first).empty()) return true;
  if (boxes.death_place && DeathPlace(first).empty()) return true;
  return boxes.last_and_title && !HasSurnameOrTitle(first);
}

bool CitesSource(LineNode* first, int source) {
  for (LineNode* line = first; line != nullptr; line = line->next) {
    const std::string_view text = line->text();
    if (text.substr(1).starts_with(" SOUR") && store::XrefNumber(text) == source) return true;
    if (line != first && line->level() == '0') break;
  }
  return false;
}

// The part of the first "1 NAME" line from its first "/" on, lowered; nothing without one.
std::optional<std::string> SurnamePart(LineNode* first) {
  const LineNode* name = store::FindTagLine(first, "1 NAME");
  if (name == nullptr) return std::nullopt;
  const size_t slash = name->text().find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  return Lowered(name->text().substr(slash));
}

struct DateBounds {
  core::ParsedDate from;
  core::ParsedDate to;
  bool Contains(const core::ParsedDate& date) const {
    if (!date.ok) return false;
    if (date.year < from.year || (date.year == from.year && date.day < from.day)) return false;
    return date.year < to.year || (date.year == to.year && date.day <= to.day);
  }
};

// A date field as the window reads it: one that does not read counts as year 0, day 0.
core::ParsedDate FieldDate(std::string_view text) {
  core::ParsedDate date = core::ReadDate(text);
  if (!date.ok) date = {};
  return date;
}

const ToDoDateRange* RangeOf(int list, const ToDoFields& fields) {
  switch (list) {
    case kModifiedDateList:
      return &fields.modified;
    case kBirthDateList:
      return &fields.birth;
    case kDeathDateList:
      return &fields.death;
    default:
      return nullptr;
  }
}

// One list's criterion, made ready once for a pass over the whole tree.
class Criterion {
 public:
  Criterion(RecordStore& store, int list, const ToDoFields& fields)
      : store_(store), list_(list), fields_(fields) {
    if (const ToDoDateRange* range = RangeOf(list, fields)) {
      bounds_ = {FieldDate(range->from), FieldDate(range->to)};
    }
    if (list == kSurnameList) text_ = Lowered(Trimmed(fields.surname));
    if (list == kBirthPlaceList || list == kDeathPlaceList) {
      text_ = Lowered(Trimmed(list == kBirthPlaceList ? fields.birth_place : fields.death_place));
      if (text_.empty()) text_ = kNoPlaceText;
    }
    if (list == kAncestorsList || list == kDescendantsList) {
      Walk(list == kAncestorsList ? fields.ancestors_of : fields.descendants_of);
    }
  }

  bool Meets(int n, IndividualRecord& record) const {
    LineNode* first = record.lines;
    switch (list_) {
      case kNoParentsList: {
        const core::Parents parents = core::FindParents(store_, n);
        if (fields_.one_or_no_parent) return parents.father == 0 || parents.mother == 0;
        return parents.father == 0 && parents.mother == 0;
      }
      case kMissingInfoList:
        return MissesInfo(store_, n, first, fields_.missing);
      case kModifiedDateList:
        return bounds_.Contains(
            core::ReadDate(core::EventDate(first, core::EventKind::kChange).date));
      case kBirthDateList:
        return bounds_.Contains(
            core::ReadDate(core::EventDate(first, core::EventKind::kBirth).date));
      case kDeathDateList:
        return bounds_.Contains(
            core::ReadDate(core::EventDate(first, core::EventKind::kDeath).date));
      case kAncestorsList:
      case kDescendantsList:
        return walk_ != 0 && record.walkStamp == walk_;
      case kSurnameList: {
        const std::optional<std::string> part = SurnamePart(first);
        return part && part->find(text_) != std::string::npos;
      }
      case kBirthPlaceList:
        return Lowered(BirthPlace(first)).find(text_) != std::string::npos;
      case kDeathPlaceList:
        return Lowered(DeathPlace(first)).find(text_) != std::string::npos;
      case kSourceList:
        return fields_.source > 0 && CitesSource(first, fields_.source);
      default:
        return false;
    }
  }

 private:
  // Stamps the start and everyone above (birth parents) or below (children of every spouse
  // family) it; an ancestry loop ends where a person already carries the stamp.
  void Walk(int start) {
    IndividualRecord* record = Existing(store_, start);
    if (record == nullptr) return;
    walk_ = store_.NewWalkNumber();
    record->walkStamp = walk_;
    std::vector<int> pending = {start};
    while (!pending.empty()) {
      const int person = pending.back();
      pending.pop_back();
      for (int next : Relatives(person)) {
        IndividualRecord* relative = Existing(store_, next);
        if (relative == nullptr || relative->walkStamp == walk_) continue;
        relative->walkStamp = walk_;
        pending.push_back(next);
      }
    }
  }

  std::vector<int> Relatives(int person) const {
    if (list_ == kAncestorsList) {
      const core::Parents parents = core::FindParents(store_, person);
      return {parents.father, parents.mother};
    }
    std::vector<int> children;
    ForEachLink(store_.individual(person)->lines, "1 FAMS", [&](int number) {
      const store::FamilyRecord* family =
          number >= 1 && number <= store_.highest_family() ? store_.family(number) : nullptr;
      if (family == nullptr || family->lines == nullptr) return;
      ForEachLink(family->lines, "1 CHIL", [&](int child) { children.push_back(child); });
    });
    return children;
  }

  RecordStore& store_;
  int list_;
  const ToDoFields& fields_;
  DateBounds bounds_;
  std::string text_;
  uint16_t walk_ = 0;
};

}  // namespace

ToDoBuildResult BuildToDoList(RecordStore& store, int list, ToDoBuild build,
                              const ToDoFields& fields) {
  ToDoBuildResult result;
  if (list < 1 || list >= kToDoListCount) return result;
  platform::Interaction& ui = store.ui();
  if (const ToDoDateRange* range = RangeOf(list, fields)) {
    const core::ParsedDate from = FieldDate(range->from);
    const core::ParsedDate to = FieldDate(range->to);
    if (from.year > to.year || (from.year == to.year && from.day > to.day)) {
      ui.Message(" *** Invalid Dates ***", "\"From Date\" must be earlier than \"Until Date\"",
                 platform::Icon::kExclamation);
      return result;
    }
  }
  const bool create = build == ToDoBuild::kCreate;
  const platform::Answer answer =
      create ? ui.Ask("Confirm - Create New List",
                      "This will also remove the old list.\n\nDo you want to proceed?",
                      platform::Icon::kQuestion, platform::Buttons::kYesNo)
             : ui.Ask("Confirm - Update Current List",
                      "This may add items to the current list.\n\nDo you want to proceed?",
                      platform::Icon::kQuestion, platform::Buttons::kYesNo);
  if (answer != platform::Answer::kYes) return result;

  store::BusyScope busy(store);
  const Criterion criterion(store, list, fields);
  for (int n = 1; n <= store.highest_individual(); ++n) {
    IndividualRecord* record = Existing(store, n);
    if (record == nullptr) continue;
    if (create) {
      SetListBits(*record, list, false, false);
    } else if (!IsOffList(*record, list)) {
      continue;
    }
    if (!criterion.Meets(n, *record)) continue;
    SetListBits(*record, list, true, false);
    ++result.added;
  }
  store.set_tree_modified(true);
  result.built = true;
  result.counts = CountList(store, list);
  return result;
}

namespace {

// The stored values in key order: 300 the parent box, 301-306 the missing-info boxes, then the
// fields of lists 3 to 11 in list order.
enum StoredKey : size_t {
  kOneParentKey = 0,
  kMissBirthPlaceKey = 1,
  kMissDeathPlaceKey = 2,
  kMissGivenKey = 3,
  kMissSurnameKey = 4,
  kMissBirthDateKey = 5,
  kMissDeathDateKey = 6,
  kModifiedFromKey = 7,
  kModifiedToKey = 8,
  kAncestorsKey = 9,
  kBirthFromKey = 10,
  kBirthToKey = 11,
  kDeathFromKey = 12,
  kDeathToKey = 13,
  kSurnameKey = 14,
  kDescendantsKey = 15,
  kBirthPlaceKey = 16,
  kDeathPlaceKey = 17,
  kSourceKey = 18,
};

int StoredNumber(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && value > 0 ? value : 0;
}

}  // namespace

ToDoFields ToDoFieldsFromStored(const ToDoStoredValues& values) {
  auto box = [&values](StoredKey key) { return values[key] == "1"; };
  ToDoFields fields;
  fields.one_or_no_parent = box(kOneParentKey);
  fields.missing = {box(kMissBirthDateKey),  box(kMissDeathDateKey),  box(kMissGivenKey),
                    box(kMissBirthPlaceKey), box(kMissDeathPlaceKey), box(kMissSurnameKey)};
  fields.modified = {values[kModifiedFromKey], values[kModifiedToKey]};
  fields.ancestors_of = StoredNumber(values[kAncestorsKey]);
  fields.birth = {values[kBirthFromKey], values[kBirthToKey]};
  fields.death = {values[kDeathFromKey], values[kDeathToKey]};
  fields.surname = values[kSurnameKey];
  fields.descendants_of = StoredNumber(values[kDescendantsKey]);
  fields.birth_place = values[kBirthPlaceKey];
  fields.death_place = values[kDeathPlaceKey];
  fields.source = StoredNumber(values[kSourceKey]);
  return fields;
}

ToDoStoredValues ToDoFieldsToStored(const ToDoFields& fields) {
  auto box = [](bool on) { return std::string(on ? "1" : "0"); };
  ToDoStoredValues values;
  values[kOneParentKey] = box(fields.one_or_no_parent);
  values[kMissBirthPlaceKey] = box(fields.missing.birth_place);
  values[kMissDeathPlaceKey] = box(fields.missing.death_place);
  values[kMissGivenKey] = box(fields.missing.given_name);
  values[kMissSurnameKey] = box(fields.missing.last_and_title);
  values[kMissBirthDateKey] = box(fields.missing.birth_date);
  values[kMissDeathDateKey] = box(fields.missing.death_date);
  values[kModifiedFromKey] = fields.modified.from;
  values[kModifiedToKey] = fields.modified.to;
  values[kAncestorsKey] = std::to_string(fields.ancestors_of);
  values[kBirthFromKey] = fields.birth.from;
  values[kBirthToKey] = fields.birth.to;
  values[kDeathFromKey] = fields.death.from;
  values[kDeathToKey] = fields.death.to;
  values[kSurnameKey] = fields.surname;
  values[kDescendantsKey] = std::to_string(fields.descendants_of);
  values[kBirthPlaceKey] = fields.birth_place;
  values[kDeathPlaceKey] = fields.death_place;
  values[kSourceKey] = std::to_string(fields.source);
  return values;
}

}  // namespace kinloom::reports
