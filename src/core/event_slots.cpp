#include "core/event_slots.h"

#include <vector>

#include "core/continued_text.h"
#include "core/queries.h"
#include "store/line_edit.h"
#include "store/line_search.h"
#include "store/stamp.h"

namespace kinloom::core {

using store::LineNode;

namespace {

constexpr size_t kMaxBoxText = 248;

// The line before the first sub-line of `event` that has the tag; nullptr when none.
LineNode* BeforeSubLine(LineNode* event, std::string_view sub_tag) {
  for (LineNode* line = event; line->next != nullptr && line->next->level() > event->level();
       line = line->next) {
    if (store::HasTag(line->next->text(), sub_tag)) return line;
  }
  return nullptr;
}

LineNode* EventLine(LineNode* first, std::string_view tag) {
  return store::FindTagLine(first, tag);
}

}  // namespace

bool WriteEventDetail(store::RecordStore& store, LineNode* first, std::string_view tag,
                      std::string_view sub_tag, const std::string& value) {
  if (first == nullptr) return false;
  LineNode* event = EventLine(first, tag);
  if (event == nullptr) {
    if (value.empty()) return false;
    event = store::InsertLineAfter(store, store::FindInsertPoint(first, tag), tag);
  }
  LineNode* before = BeforeSubLine(event, sub_tag);
  if (before == nullptr) {
    if (value.empty()) return false;
    store::InsertLineAfter(store, store::FindSubInsertPoint(event, sub_tag),
                           std::string(sub_tag) + " " + value);
  } else if (value.empty()) {
    store::RemoveLineAndSubs(store, first, before);
  } else {
    if (store::LineValue(before->next->text(), sub_tag) == value) return false;
    store::ReplaceLineText(store, before->next, sub_tag, value);
  }
  store::StampChanged(store, first);
  return true;
}

std::string AnsiUpper(std::string text) {
  for (char& c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z') c = static_cast<char>(byte - 32);
    if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) c = static_cast<char>(byte - 32);
    if (byte == 0x9A || byte == 0x9C || byte == 0x9E) c = static_cast<char>(byte - 16);
    if (byte == 0xFF) c = static_cast<char>(0x9F);
  }
  return text;
}

std::string EnteredText(std::string text, bool capitals) {
  if (text.size() > kMaxBoxText) text.resize(kMaxBoxText);
  const std::string_view blanks = " \r\n\t";
  const size_t begin = text.find_first_not_of(blanks);
  if (begin == std::string::npos) return {};
  text = text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
  return capitals ? AnsiUpper(std::move(text)) : text;
}

// ---- Shared slots ----

namespace {

struct SlotPair {
  SlotEvent first;
  SlotEvent second;
  std::string_view idle;
};

constexpr SlotEvent kBaptism{"1 BAPM", "Baptism Included", "Baptism Date", "Baptism Place"};
constexpr SlotEvent kChristening{"1 CHR", "Christening Included", "Christening Date",
                                 "Christening Place"};
constexpr SlotEvent kBurial{"1 BURI", "Burial Included", "Burial Date", "Burial Place"};
constexpr SlotEvent kCremation{"1 CREM", "Cremation Included", "Cremation Date", "Cremation Place"};
constexpr SlotEvent kConfirmation{"1 CONF", "Confirmation Included", "Confirmation Date",
                                  "Confirmation Place"};
constexpr SlotEvent kBarMitzvah{"1 BARM", "Bar Mitzvah Included", "Bar Mitzvah Date",
                                "Bar Mitzvah Place"};
constexpr SlotEvent kBasMitzvah{"1 BASM", "Bas Mitzvah Included", "Bas Mitzvah Date",
                                "Bas Mitzvah Place"};

SlotPair PairOf(SlotKind kind) {
  switch (kind) {
    case SlotKind::kBaptism:
      return {kBaptism, kChristening, "Baptize"};
    case SlotKind::kBurial:
      return {kBurial, kCremation, "Burial"};
    case SlotKind::kConfirmation:
      break;
  }
  return {kConfirmation, kBarMitzvah, "Confirm"};
}

bool Has(LineNode* first, std::string_view tag) {
  return first != nullptr && store::FindTagLine(first, tag) != nullptr;
}

}  // namespace

int SlotState(LineNode* first, SlotKind kind) {
  const SlotPair pair = PairOf(kind);
  if (Has(first, pair.first.tag)) return 1;
  if (Has(first, pair.second.tag)) return 2;
  if (kind == SlotKind::kConfirmation && Has(first, kBasMitzvah.tag)) return 2;
  return 0;
}

SlotEvent SlotEventOf(LineNode* first, SlotKind kind, int state, int sex) {
  const SlotPair pair = PairOf(kind);
  if (state != 2) return pair.first;
  if (kind != SlotKind::kConfirmation) return pair.second;
  if (Has(first, kBarMitzvah.tag)) return kBarMitzvah;
  if (Has(first, kBasMitzvah.tag)) return kBasMitzvah;
  return sex == 1 ? kBarMitzvah : kBasMitzvah;
}

SlotEvent OtherEventOf(SlotKind kind, int state) {
  const SlotPair pair = PairOf(kind);
  return state == 2 ? pair.first : pair.second;
}

std::string_view IdleCaption(SlotKind kind) {
  return PairOf(kind).idle;
}

std::string_view IdleSecondCaption(SlotKind kind, int sex) {
  switch (kind) {
    case SlotKind::kBaptism:
      return "Christen";
    case SlotKind::kBurial:
      return "Cremation";
    case SlotKind::kConfirmation:
      break;
  }
  return sex == 1 ? "Bar Mitz" : "Bas Mitz";
}

bool OfferBaptismExchange(store::RecordStore& store, LineNode* first, int state) {
  if (state != 1 && state != 2) return false;
  const SlotEvent from = state == 1 ? kBaptism : kChristening;
  const SlotEvent to = state == 1 ? kChristening : kBaptism;
  LineNode* event = EventLine(first, from.tag);
  if (event == nullptr || Has(first, to.tag)) return false;
  const core::EventInfo details = core::EventDetails(first, from.tag);
  if (details.date.empty() && details.place.empty()) return false;
  const std::string_view question =
      state == 1 ? "Change from Baptised to Christened?" : "Change from Christened to Baptised?";
  if (store.ui().Ask("Modify Record", question, platform::Icon::kQuestion,
                     platform::Buttons::kYesNo) != platform::Answer::kYes) {
    return false;
  }
  const std::string value(store::LineValue(event->text(), from.tag));
  store::ReplaceLineText(store, event, to.tag, value);
  store::StampChanged(store, first);
  return true;
}

// ---- Notes ----

namespace {
constexpr size_t kNoteChunk = 248;
}  // namespace

std::string NoteText(LineNode* first) {
  if (first == nullptr) return {};
  return core::JoinContinued(store::FindTagLine(first, "1 NOTE"), "1 NOTE");
}

bool WriteNoteText(store::RecordStore& store, LineNode* first, const std::string& text) {
  if (first == nullptr || NoteText(first) == text) return false;
  LineNode* note = store::FindTagLine(first, "1 NOTE");
  if (note == nullptr) {
    note = store::InsertLineAfter(store, store::FindInsertPoint(first, "1 NOTE"), "1 NOTE");
  }
  core::RemoveContinuations(store, first, note);
  const bool has_other_subs = note->next != nullptr && note->next->level() > '1';
  if (text.empty() && !has_other_subs) {
    store::RemoveTagLine(store, first, "1 NOTE", 1);
    return true;
  }
  core::WriteContinued(store, first, note, "1 NOTE", core::SplitContinued(text, kNoteChunk));
  store::StampChanged(store, first);
  return true;
}

}  // namespace kinloom::core
