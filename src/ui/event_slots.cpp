#include "ui/event_slots.h"

#include <vector>

#include "core/queries.h"
#include "store/line_edit.h"
#include "store/line_search.h"
#include "store/stamp.h"

namespace kinloom::ui {

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

bool IsContinuation(const LineNode* line) {
  return store::HasTag(line->text(), "2 CONT") || store::HasTag(line->text(), "2 CONC");
}

// Cuts a paragraph into pieces of at most 248 characters; no piece but the last ends in a
// blank, since readers drop blanks at the end of a line.
std::vector<std::string> Chunks(std::string_view paragraph) {
  std::vector<std::string> chunks;
  while (paragraph.size() > kNoteChunk) {
    size_t cut = kNoteChunk;
    while (cut > 1 && (paragraph[cut - 1] == ' ' || paragraph[cut] == ' ')) --cut;
    if (cut <= 1) cut = kNoteChunk;
    chunks.emplace_back(paragraph.substr(0, cut));
    paragraph.remove_prefix(cut);
  }
  chunks.emplace_back(paragraph);
  return chunks;
}

std::vector<std::string> NoteLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (bool first_paragraph = true;; first_paragraph = false) {
    const size_t end = text.find('\n', start);
    const std::string_view paragraph =
        std::string_view(text).substr(start, end == std::string::npos ? end : end - start);
    std::vector<std::string> chunks = Chunks(paragraph);
    for (size_t i = 0; i < chunks.size(); ++i) {
      const char* tag = i > 0 ? "2 CONC" : (first_paragraph ? "1 NOTE" : "2 CONT");
      lines.push_back(chunks[i].empty() ? tag : std::string(tag) + " " + chunks[i]);
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

}  // namespace

std::string NoteText(LineNode* first) {
  LineNode* note = first == nullptr ? nullptr : store::FindTagLine(first, "1 NOTE");
  if (note == nullptr) return {};
  std::string text(store::LineValue(note->text(), "1 NOTE"));
  for (LineNode* line = note->next; line != nullptr && line->level() > '1'; line = line->next) {
    if (store::HasTag(line->text(), "2 CONT")) {
      text += '\n';
      text += store::LineValue(line->text(), "2 CONT");
    } else if (store::HasTag(line->text(), "2 CONC")) {
      text += store::LineValue(line->text(), "2 CONC");
    }
  }
  return text;
}

bool WriteNoteText(store::RecordStore& store, LineNode* first, const std::string& text) {
  if (first == nullptr || NoteText(first) == text) return false;
  LineNode* note = store::FindTagLine(first, "1 NOTE");
  if (note == nullptr) {
    note = store::InsertLineAfter(store, store::FindInsertPoint(first, "1 NOTE"), "1 NOTE");
  }
  for (LineNode* line = note; line->next != nullptr && line->next->level() > '1';) {
    if (IsContinuation(line->next)) {
      store::UnlinkNext(store, first, line);
    } else {
      line = line->next;
    }
  }
  const bool has_other_subs = note->next != nullptr && note->next->level() > '1';
  if (text.empty() && !has_other_subs) {
    store::RemoveTagLine(store, first, "1 NOTE", 1);
    return true;
  }
  const std::vector<std::string> lines = NoteLines(text);
  store.arena().SetText(note, lines.front());
  LineNode* after = note;
  for (size_t i = 1; i < lines.size(); ++i) after = store::InsertLineAfter(store, after, lines[i]);
  store::StampChanged(store, first);
  return true;
}

}  // namespace kinloom::ui
