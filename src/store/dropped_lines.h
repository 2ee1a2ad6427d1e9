#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/gedcom_header.h"
#include "store/line_node.h"

namespace kinloom::store {

// Why a line of an imported or merged file is not in the tree as it was read.
enum class DropReason : uint8_t {
  kNotKept,        // a tag the program does not keep
  kUnknownValue,   // an empty date or place, or one that says "Unknown"
  kNotHappened,    // an event line whose value is "N": the event did not happen
  kNoPlace,        // a line group the program's order of tags has no place for
  kMissingNote,    // a reference to a note record the file does not hold
  kUnusedNote,     // a note record no record refers to
  kOtherRecord,    // a record of a kind the tree does not keep (submitter, repository, ...)
  kSkippedRecord,  // a record whose number is missing, out of range or used twice
  kChanged,        // rewritten into the program's own form (the text is the line as read)
};

// One line that was dropped or changed, and the record it came from.
struct DroppedLine {
  DropReason reason = DropReason::kNotKept;
  bool sub_line = false;    // went together with the line listed before it
  char kind = 0;            // 'I', 'F', 'S' for a record of the tree, 'N' note, 'R' other record
  int number = 0;           // the record's number in the tree; 0 outside the tables
  std::string_view record;  // the record's cross-reference in the file ("@I12@"), or empty
  std::string_view text;    // the line as it was read, in the file's character set
  // The line's tag: the word after the level (after the cross-reference on a level-0 line).
  std::string_view tag() const;
};

// What the reader and the clean-up passes of one import or merge dropped or changed, collected
// as they go. Kept compact (one text buffer), since an import of hundreds of thousands of people
// may drop a line of most of them.
class DroppedLines {
 public:
  // The record the lines added next come from; `first_line` (its level-0 line) must stay
  // unchanged until the next call.
  void SetRecord(char kind, int number, std::string_view first_line);
  void Add(DropReason reason, std::string_view text, bool sub_line = false);
  // A line and the lines after it up to (not including) `rest`, the first as the line dropped
  // and the others as its sub-lines.
  void AddLines(DropReason reason, const LineNode* first, const LineNode* rest);

  size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  DroppedLine operator[](size_t index) const;
  // The lines that are gone (every line but the changed ones).
  size_t dropped_count() const { return entries_.size() - changed_; }
  size_t changed_count() const { return changed_; }

  // The set the texts are in; the report converts them from it.
  Charset charset() const { return charset_; }
  void set_charset(Charset charset) { charset_ = charset; }

 private:
  struct Entry {
    size_t text_at;
    size_t record_at;
    uint32_t text_size;
    uint32_t record_size;
    int32_t number;
    char kind;
    DropReason reason;
    bool sub_line;
  };
  std::string_view Slice(size_t at, size_t size) const { return {texts_.data() + at, size}; }

  std::vector<Entry> entries_;
  std::string texts_;
  size_t changed_ = 0;
  Charset charset_ = Charset::kNone;
  // The record set last: its cross-reference is copied into texts_ when a line of it comes.
  char kind_ = 0;
  int number_ = 0;
  std::string_view pending_record_;
  bool record_copied_ = true;
  size_t record_at_ = 0;
  uint32_t record_size_ = 0;
};

// One sentence for the user: "Not carried over: 26 causes of death, 12 custom events, 49 picture
// file names." and, when lines were rewritten, " Changed to fit: 3 lines." Empty when nothing
// was dropped or changed.
std::string DroppedSummary(const DroppedLines& dropped);

// The full list as lines of UTF-8 text: the summary, then every record with the lines it lost
// or had rewritten, the reason beside each ("Everything was carried over." when nothing was).
std::vector<std::string> DroppedLinesReport(const DroppedLines& dropped);

}  // namespace kinloom::store
