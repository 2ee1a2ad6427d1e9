#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/progress.h"
#include "store/import_passes.h"
#include "store/line_edit.h"
#include "store/line_search.h"
#include "store/stamp.h"

namespace kinloom::store {
namespace {

// The tags kept, five characters each; a line's tag is looked up on its first four characters.
constexpr std::string_view kIndividualLevel1 =
    "NAME TITL ALIA SEX  AFN  FAMC FAMS BIRT BAPM CHR  DEAT BURI CHAN NOTE SOUR RESI GRAD RETI "
    "OCCU RELI PROP SSN  EDUC NATI CREM PHON EMIG IMMI WILL CHRA FCOM CONF BARM BASM ORDN NATU "
    "ADOP BAPL ENDL SLGC CONL ORDL ADDR FACE MAIL OBJE ";
constexpr std::string_view kIndividualLevel2 =
    "DATE PLAC NOTE SOUR CONC CONT PAGE QUAY PEDI NSFX NICK ";
constexpr std::string_view kIndividualLevel3 = "CONC CONT TIME NOTE PAGE QUAY ";
constexpr std::string_view kFamilyLevel1 =
    "CHIL HUSB WIFE MARR MARC CHAN NOTE SOUR ENGA MARL ANUL DIVF DIV  SLGS ";
constexpr std::string_view kFamilyDeeper = "DATE PLAC TIME NOTE SOUR CONC CONT PAGE QUAY ";
constexpr std::string_view kSourceLevel1 = "AUTH TITL MEDI PUBL TEXT CHAN ";
// The events among the kept tags: "1 DIV N" says that no divorce happened.
constexpr std::string_view kIndividualEvents =
    "BIRT BAPM CHR  DEAT BURI CREM ADOP BAPL CHRA FCOM CONF BARM BASM ORDN NATU EMIG IMMI WILL "
    "GRAD RETI ENDL SLGC CONL ORDL ";
constexpr std::string_view kFamilyEvents = "MARR MARC ENGA MARL ANUL DIVF DIV  SLGS ";
// Parts of a name that other programs repeat below the name line.
constexpr std::string_view kNamePieces = "GIVN SURN SPFX NPFX ";

// Whether the line's tag (its four characters after the level and blank, padded with blanks
// when the line is shorter) is one of the list's.
bool Kept(std::string_view list, std::string_view text) {
  char tag[4] = {' ', ' ', ' ', ' '};
  for (size_t i = 0; i < 4 && i + 2 < text.size(); ++i) tag[i] = text[i + 2];
  const std::string_view key(tag, 4);
  for (size_t at = 0; at + 4 <= list.size(); at += 5) {
    if (list.substr(at, 4) == key) return true;
  }
  return false;
}

// A whole tag of three or four characters (the text after the level up to a blank or the
// end) as a number, a three-letter tag padded with a blank; 0 for any other tag.
constexpr uint32_t TagCode(std::string_view text) {
  size_t end = text.size() > 2 ? text.find(' ', 2) : 0;
  if (end == std::string_view::npos) end = text.size();
  if (end < 5 || end > 6) return 0;
  uint32_t code = 0;
  for (size_t i = 2; i < 6; ++i) {
    code = code << 8 | (i < end ? static_cast<unsigned char>(text[i]) : ' ');
  }
  return code;
}

// The text after the blank that ends a line's tag; empty when there is none.
std::string_view ValueOf(std::string_view text) {
  size_t blank = text.find(' ', 2);
  return blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char a = text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 32) : text[i];
    char b = prefix[i] >= 'a' && prefix[i] <= 'z' ? static_cast<char>(prefix[i] - 32) : prefix[i];
    if (a != b) return false;
  }
  return true;
}

// Whether `part` occurs in `text`, compared without regard to the case of ASCII letters.
bool ContainsNoCase(std::string_view text, std::string_view part) {
  if (part.empty() || text.find(part) != std::string_view::npos) return true;
  for (size_t at = 0; at + part.size() <= text.size(); ++at) {
    if (StartsWithNoCase(text.substr(at), part)) return true;
  }
  return false;
}

bool HasSubLines(const LineNode* line) {
  return line->next != nullptr && LevelOf(line->next) > LevelOf(line);
}

// An event line whose whole value is "N" and that has nothing below it: some programs write
// such a line to say that the event did not happen.
bool SaysNotHappened(std::string_view events, const LineNode* line) {
  return ValueOf(line->text()) == "N" && !HasSubLines(line) && Kept(events, line->text());
}

// Adds a DATE or PLAC value, taken with the blank that follows its tag, to a line's text: a
// comma goes before it when the text has a value already.
void JoinValue(std::string& text, bool& has_value, std::string_view value_with_blank) {
  if (value_with_blank.empty()) return;
  if (has_value) text += ',';
  text += value_with_blank;
  has_value = true;
}

// Removes lines of one record and tells `dropped` (when given) what went. The record's change
// stamp is renewed once, by Finish(), when anything went: the record ends as it would after a
// stamp at every removal, without a walk to its CHAN line per removed line.
class Pruner {
 public:
  Pruner(RecordStore& store, LineNode* first, DroppedLines* dropped)
      : store_(store), first_(first), dropped_(dropped) {}

  // The line after `prev`, with its sub-lines.
  void RemoveWithSubs(LineNode* prev, DropReason reason) {
    Log(reason, prev->next, AfterSubLines(prev->next));
    Remove(prev, AfterSubLines(prev->next));
  }
  // The line after `prev` alone.
  void RemoveAlone(LineNode* prev, DropReason reason) {
    Log(reason, prev->next, prev->next->next);
    Remove(prev, prev->next->next);
  }
  // Lines whose content the record keeps elsewhere go without a word.
  void RemoveQuietly(LineNode* prev, LineNode* rest) { Remove(prev, rest); }
  // A line about to be rewritten, as it was.
  void Changed(const LineNode* line) {
    if (dropped_ != nullptr) dropped_->Add(DropReason::kChanged, line->text());
  }
  void Dropped(DropReason reason, std::string_view text, bool sub_line) {
    if (dropped_ != nullptr) dropped_->Add(reason, text, sub_line);
  }

  void Finish() {
    if (!removed_) return;
    store_.set_tree_modified(true);
    StampChanged(store_, first_);
  }

 private:
  void Log(DropReason reason, const LineNode* line, const LineNode* rest) {
    if (dropped_ != nullptr) dropped_->AddLines(reason, line, rest);
  }

  void Remove(LineNode* prev, LineNode* rest) {
    for (LineNode* line = prev->next; line != rest;) {
      LineNode* next = line->next;
      store_.arena().FreeNode(line);
      line = next;
    }
    prev->next = rest;
    removed_ = true;
  }

  RecordStore& store_;
  LineNode* first_;
  DroppedLines* dropped_;
  bool removed_ = false;
};

// The removal pass over one individual.
class IndividualCleaner {
 public:
  IndividualCleaner(RecordStore& store, LineNode* first, DroppedLines* dropped)
      : store_(store), first_(first), pruner_(store, first, dropped) {}

  void Run() {
    for (LineNode* prev = first_; prev->next != nullptr;) prev = Visit(prev);
    pruner_.Finish();
  }

 private:
  // Each step handles the line after `prev` and returns the line the walk goes on after:
  // `prev` again when the line was deleted.
  LineNode* Visit(LineNode* prev) {
    LineNode* line = prev->next;
    switch (LevelOf(line)) {
      case '1':
        return VisitLevel1(prev, line);
      case '2':
        return VisitLevel2(prev, line);
      case '3':
        return Kept(kIndividualLevel3, line->text()) ? line : Remove(prev);
      default:
        return line;
    }
  }

  LineNode* Remove(LineNode* prev, DropReason reason = DropReason::kNotKept) {
    pruner_.RemoveWithSubs(prev, reason);
    return prev;
  }

  LineNode* VisitLevel1(LineNode* prev, LineNode* line) {
    const std::string_view text = line->text();
    level1_ = nullptr;
    if (!Kept(kIndividualLevel1, text)) return Remove(prev);
    if (SaysNotHappened(kIndividualEvents, line)) return Remove(prev, DropReason::kNotHappened);
    level1_ = line;
    switch (TagCode(text)) {
      case TagCode("1 NAME"):
        return VisitName(prev, line);
      case TagCode("1 DEAT"):
        if (ValueOf(text).starts_with('Y')) ReplaceLineText(store_, line, "1 DEAT", {});
        break;
      case TagCode("1 RESI"):
      case TagCode("1 ADDR"):
        if (!ValueOf(text).empty()) SplitResidence(prev, line);
        break;
      case TagCode("1 OCCU"):
      case TagCode("1 RELI"):
      case TagCode("1 PROP"):
      case TagCode("1 SSN"):
      case TagCode("1 EDUC"):
      case TagCode("1 NATI"):
        if (ValueOf(text).empty()) JoinIntoLine(line);
        break;
      default:
        break;
    }
    return line;
  }

  // A line without a value takes the values of its DATE and PLAC lines.
  void JoinIntoLine(LineNode* line) {
    std::string joined(line->text());
    AppendDateAndPlace(line, joined, false);
    if (joined.size() != line->size()) ReplaceLineText(store_, line, joined, {});
  }

  // A part of the name below the name line that the name line holds already: each of its
  // comma-separated pieces is in the name.
  bool RepeatsTheName(const LineNode* line) const {
    if (level1_ == nullptr || !HasTag(level1_->text(), "1 NAME") ||
        !Kept(kNamePieces, line->text()) || HasSubLines(line)) {
      return false;
    }
    std::string_view pieces = ValueOf(line->text());
    while (!pieces.empty()) {
      const size_t comma = std::min(pieces.find(','), pieces.size());
      std::string_view piece = pieces.substr(0, comma);
      while (piece.starts_with(' ')) piece.remove_prefix(1);
      while (piece.ends_with(' ')) piece.remove_suffix(1);
      if (!ContainsNoCase(ValueOf(level1_->text()), piece)) return false;
      pieces.remove_prefix(std::min(comma + 1, pieces.size()));
    }
    return true;
  }

  // An empty name becomes "//"; a second name in a row becomes an alias, or, when the person
  // has an alias already, gives the first name its text if longer and goes.
  LineNode* VisitName(LineNode* prev, LineNode* line) {
    if (ValueOf(line->text()).empty()) ReplaceLineText(store_, line, "1 NAME", "//");
    if (!HasTag(prev->text(), "1 NAME")) return line;
    if (FindTagLine(first_, "1 ALIA") == nullptr) {
      pruner_.Changed(line);
      ReplaceLineText(store_, line, "1 ALIA", ValueOf(line->text()));
      return line;
    }
    // Of two names in a row the longer stays; the other is gone.
    if (line->size() > prev->size()) {
      pruner_.Dropped(DropReason::kNotKept, prev->text(), false);
      ReplaceLineText(store_, prev, line->text(), {});
      pruner_.RemoveQuietly(prev, line->next);
    } else {
      pruner_.RemoveAlone(prev, DropReason::kNotKept);
    }
    level1_ = prev;
    return prev;
  }

  // "1 RESI value" becomes "1 RESI" and "2 PLAC value, date, place".
  void SplitResidence(LineNode* prev, LineNode* line) {
    pruner_.Changed(line);
    std::string joined = "2 PLAC ";
    joined += ValueOf(line->text());
    AppendDateAndPlace(line, joined, true);
    ReplaceLineText(store_, line, joined, {});
    prev->next = store_.NewLine("1 RESI", line);
  }

  // Appends the values of the event's DATE lines, then of its PLAC lines, deleting each line
  // alone (its own sub-lines stay).
  void AppendDateAndPlace(LineNode* event, std::string& text, bool has_value) {
    for (std::string_view tag : {"2 DATE", "2 PLAC"}) {
      LineNode* before = event;
      while (before->next != nullptr && LevelOf(before->next) > '1') {
        std::string_view sub = before->next->text();
        if (!HasTag(sub, tag)) {
          before = before->next;
          continue;
        }
        JoinValue(text, has_value, sub.substr(tag.size()));
        pruner_.RemoveAlone(before, DropReason::kChanged);
      }
    }
  }

  LineNode* VisitLevel2(LineNode* prev, LineNode* line) {
    const std::string_view text = line->text();
    if (!Kept(kIndividualLevel2, text)) {
      if (!RepeatsTheName(line)) return Remove(prev);
      pruner_.RemoveQuietly(prev, line->next);
      return prev;
    }
    const uint32_t tag = TagCode(text);
    if (tag == TagCode("2 NSFX") || tag == TagCode("2 NICK")) return MoveToAlias(prev, line);
    if (tag == TagCode("2 DATE") || tag == TagCode("2 PLAC")) {
      std::string_view value = ValueOf(text);
      if (value.empty() || StartsWithNoCase(value, "unknown")) {
        return Remove(prev, DropReason::kUnknownValue);
      }
    }
    return line;
  }

  // A suffix or nickname joins the person's alias, or becomes one; the lines after it up to
  // the next level-1 line go.
  LineNode* MoveToAlias(LineNode* prev, LineNode* line) {
    LineNode* alias = FindTagLine(first_, "1 ALIA");
    if (alias == nullptr) {
      pruner_.Changed(line);
      ReplaceLineText(store_, line, "1 ALIA", ValueOf(line->text()));
      DropUntilLevel1(line);
      return line;
    }
    std::string_view value = line->text().substr(6);
    if (!value.empty()) {
      std::string joined(alias->text());
      joined += ',';
      joined += value;
      ReplaceLineText(store_, alias, joined, {});
    }
    pruner_.RemoveAlone(prev, DropReason::kChanged);
    DropUntilLevel1(prev);
    return prev;
  }

  // The lines after `line` up to the next level-1 line go one by one; those deeper than
  // level 2 are listed with the line above them.
  void DropUntilLevel1(LineNode* line) {
    while (line->next != nullptr && LevelOf(line->next) > '1') {
      LineNode* next = line->next;
      if (RepeatsTheName(next)) {
        pruner_.RemoveQuietly(line, next->next);
        continue;
      }
      pruner_.Dropped(DropReason::kNotKept, next->text(), LevelOf(next) > '2');
      pruner_.RemoveQuietly(line, next->next);
    }
  }

  RecordStore& store_;
  LineNode* first_;
  Pruner pruner_;
  const LineNode* level1_ = nullptr;  // the level-1 line the walk is under
};

// The removal pass over one family: level-1 lines by the list; deeper lines also need a value
// and must not hold an unknown date or place.
void CleanFamily(RecordStore& store, LineNode* first, DroppedLines* dropped) {
  Pruner pruner(store, first, dropped);
  for (LineNode* prev = first; prev->next != nullptr;) {
    LineNode* line = prev->next;
    const std::string_view text = line->text();
    DropReason reason = DropReason::kNotKept;
    bool keep;
    if (LevelOf(line) == '1') {
      keep = Kept(kFamilyLevel1, text);
      if (keep && SaysNotHappened(kFamilyEvents, line)) {
        keep = false;
        reason = DropReason::kNotHappened;
      }
    } else {
      const bool unknown =
          StartsWithNoCase(text, "2 DATE Unknown") || StartsWithNoCase(text, "2 PLAC Unknown");
      keep = Kept(kFamilyDeeper, text) && !ValueOf(text).empty() && !unknown;
      const bool date_or_place = HasTag(text, "2 DATE") || HasTag(text, "2 PLAC");
      if (unknown || (date_or_place && ValueOf(text).empty())) reason = DropReason::kUnknownValue;
    }
    if (keep) {
      prev = line;
    } else {
      pruner.RemoveWithSubs(prev, reason);
    }
  }
  pruner.Finish();
}

// The removal pass over one source: level-1 lines by the list; deeper lines go only when their
// tag begins with an underscore.
void CleanSource(RecordStore& store, LineNode* first, DroppedLines* dropped) {
  Pruner pruner(store, first, dropped);
  for (LineNode* prev = first; prev->next != nullptr;) {
    const std::string_view text = prev->next->text();
    bool keep = LevelOf(prev->next) == '1' ? Kept(kSourceLevel1, text)
                                           : !(text.size() > 2 && text[2] == '_');
    if (keep) {
      prev = prev->next;
    } else {
      pruner.RemoveWithSubs(prev, DropReason::kNotKept);
    }
  }
  pruner.Finish();
}

}  // namespace

void RemoveUnusedTags(RecordStore& store, const RecordRange& range, DroppedLines* dropped) {
  store.ui().ProgressShow("Removing Unused Tags", "");
  const int first_individual = std::max(range.first_individual, 1);
  const int first_family = std::max(range.first_family, 1);
  const int first_source = std::max(range.first_source, 1);
  platform::ProgressTicker ticker(store.ui(),
                                  std::max(store.highest_individual() - first_individual + 1, 0) +
                                      std::max(store.highest_family() - first_family + 1, 0) +
                                      std::max(store.highest_source() - first_source + 1, 0));
  for (int n = first_individual; n <= store.highest_individual(); ++n) {
    ticker.Step();
    IndividualRecord* record = store.individual(n);
    if (record == nullptr || record->lines == nullptr) continue;
    if (dropped != nullptr) dropped->SetRecord('I', n, record->lines->text());
    IndividualCleaner(store, record->lines, dropped).Run();
  }
  for (int n = first_family; n <= store.highest_family(); ++n) {
    ticker.Step();
    FamilyRecord* record = store.family(n);
    // The marker family of a tree without families keeps its "1 SEX Z".
    if (record == nullptr || record->lines == nullptr || store.IsMarkerFamily(n)) continue;
    if (dropped != nullptr) dropped->SetRecord('F', n, record->lines->text());
    CleanFamily(store, record->lines, dropped);
  }
  for (int n = first_source; n <= store.highest_source(); ++n) {
    ticker.Step();
    LineNode* first = store.source(n);
    if (first == nullptr) continue;
    if (dropped != nullptr) dropped->SetRecord('S', n, first->text());
    CleanSource(store, first, dropped);
  }
  store.ui().ProgressHide();
}

}  // namespace kinloom::store
