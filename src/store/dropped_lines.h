#pragma once

#include <cstdint>
#include <functional>
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
// as they go. An import of hundreds of thousands of people may drop a line of most of them, so
// the lines are kept as one packed stream of texts in large blocks and read back in order.
class DroppedLines {
 public:
  // The record the lines added next come from; `first_line` (its level-0 line) must stay
  // unchanged until the next call.
  void SetRecord(char kind, int number, std::string_view first_line);
  void Add(DropReason reason, std::string_view text, bool sub_line = false);
  // A line and the lines after it up to (not including) `rest`, the first as the line dropped
  // and the others as its sub-lines.
  void AddLines(DropReason reason, const LineNode* first, const LineNode* rest);

  size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  // The lines that are gone (every line but the changed ones).
  size_t dropped_count() const { return count_ - changed_; }
  size_t changed_count() const { return changed_; }
  // Every line, in the order they were added; the texts live as long as this list.
  void ForEach(const std::function<void(const DroppedLine&)>& visit) const;
  std::vector<DroppedLine> All() const;

  // The set the texts are in; the report converts them from it.
  Charset charset() const { return charset_; }
  void set_charset(Charset charset) { charset_ = charset; }

 private:
  char* Reserve(size_t size);
  void PutRecord();

  std::vector<std::string> blocks_;  // filled up to their capacity, never beyond
  size_t count_ = 0;
  size_t changed_ = 0;
  Charset charset_ = Charset::kNone;
  // The record set last; it goes into the stream before the first line of it that comes.
  char kind_ = 0;
  int number_ = 0;
  std::string_view pending_record_;
  bool record_written_ = true;
};

// One sentence for the user: "Not carried over: 26 causes of death, 12 custom events, 49 picture
// file names." and, when lines were rewritten, " Changed to fit: 3 lines." Empty when nothing
// was dropped or changed.
std::string DroppedSummary(const DroppedLines& dropped);

// The full list as lines of UTF-8 text: the summary, then every record with the lines it lost
// or had rewritten, the reason beside each ("Everything was carried over." when nothing was).
std::vector<std::string> DroppedLinesReport(const DroppedLines& dropped);

}  // namespace kinloom::store
