#include "store/gedcom_records.h"

#include <cstdio>

#include "store/line_search.h"
#include "store/private_lines.h"

namespace kinloom::store {
namespace {

constexpr int kTickWrap = 250000;

std::string_view StripTrailing(std::string_view line) {
  while (line.size() > 1 && (line.back() == ' ' || line.back() == '\r' || line.back() == '\n')) {
    line.remove_suffix(1);
  }
  return line;
}

// The tag of a level-0 line of another program's file, "0 @X1@ TAG ...": empty when the line
// has no cross-reference followed by a blank and a tag.
std::string_view ForeignRecordTag(std::string_view line) {
  if (line.size() < 4 || line[1] != ' ' || line[2] != '@') return {};
  const size_t close = line.find('@', 3);
  if (close == std::string_view::npos || close + 2 >= line.size() || line[close + 1] != ' ') {
    return {};
  }
  const std::string_view rest = line.substr(close + 2);
  return rest.substr(0, rest.find(' '));
}

}  // namespace

RecordReader::RecordReader(RecordStore& store, LineReader& lines, ReadResult& result)
    : store_(store), lines_(lines), result_(result), ticker_(store.ui(), kTickWrap) {}

void RecordReader::ReadRecords(const HeaderInfo& header) {
  std::string_view line = header.first_record_line;
  bool have_line = header.has_record_line;
  while (have_line && !overflow_) {
    HandleLine(StripTrailing(line));
    have_line = lines_.Next(&line);
  }
}

void RecordReader::Tick() {
  ticker_.Step();
  if (!ticker_.TextDue()) return;
  char text[128];
  std::snprintf(text, sizeof text, "Reading   Individual: %d    Family: %d    Note: %d",
                store_.highest_individual(), store_.highest_family(), result_.notes);
  ticker_.SetText(text);
}

void RecordReader::HandleLine(std::string_view line) {
  if (line.empty()) return;
  if (line[0] == '0') return OpenRecord(line);
  // Shorter lines hold no more than a level and a tag.
  if (line.size() < 5) return;
  if (open_ != nullptr) store_.AppendLine(&open_, line);
  if (dropping_) result_.dropped.Add(drop_reason_, line, true);
}

// Own files are the program's: the letter after "0 @" tells the kind. In other programs' files
// the tag does, whatever the cross-reference looks like ("0 @S1@ SUBM" is a submitter).
RecordReader::Kind RecordReader::KindOf(std::string_view line) const {
  if (result_.own_file) {
    switch (line.size() > 3 ? line[3] : 'x') {
      case 'I':
        return Kind::kIndividual;
      case 'F':
        return Kind::kFamily;
      case 'S':
        return line.size() > 4 && line[4] == 'U' ? Kind::kOther : Kind::kSource;
      case 'R':
        // "0 TRLR" has its R in the same place, without the "@" before it.
        return line[2] == '@' ? Kind::kOther : Kind::kNone;
      case 'N':
        return Kind::kNote;
      default:
        return Kind::kNone;
    }
  }
  const std::string_view tag = ForeignRecordTag(line);
  if (tag.empty()) return Kind::kNone;
  if (tag == "INDI") return Kind::kIndividual;
  if (tag == "FAM") return Kind::kFamily;
  if (tag == "SOUR") return Kind::kSource;
  if (tag == "NOTE") return Kind::kNote;
  return Kind::kOther;
}

void RecordReader::OpenRecord(std::string_view line) {
  open_ = nullptr;
  dropping_ = false;
  switch (KindOf(line)) {
    case Kind::kIndividual:
      Tick();
      return OpenIndividual(line);
    case Kind::kFamily:
      Tick();
      return OpenFamily(line);
    case Kind::kSource:
      Tick();
      return OpenSource(line);
    case Kind::kNote:
      Tick();
      return OpenNote(line);
    case Kind::kOther:
      Tick();
      return AppendToOtherRecords(line);
    case Kind::kNone:
      // The trailer, and records without a cross-reference: nothing after them belongs to the
      // record before them.
      if (!line.starts_with("0 TRLR")) Drop('R', DropReason::kOtherRecord, line);
      return;
  }
}

// The lines of a record the tree does not take: listed, from the level-0 line on.
void RecordReader::Drop(char kind, DropReason reason, std::string_view line) {
  result_.dropped.SetRecord(kind, 0, line);
  result_.dropped.Add(reason, line);
  dropping_ = true;
  drop_reason_ = reason;
}

// The number a new record of one kind gets; 0 when it must be skipped, or when it is one more
// than the table holds (overflow() then tells).
int RecordReader::NumberFor(std::string_view line, int highest, int max) {
  if (!result_.own_file) {
    if (highest >= max) overflow_ = true;
    return overflow_ ? 0 : highest + 1;
  }
  const int n = XrefNumber(line);
  if (n < 1 || n > max) return 0;
  return n;
}

void RecordReader::OpenIndividual(std::string_view line) {
  const int n = NumberFor(line, store_.highest_individual(), kMaxIndividual);
  if (overflow_) return;
  if (n == 0 || store_.individual(n) != nullptr) {
    ++result_.skipped_records;
    return Drop('I', DropReason::kSkippedRecord, line);
  }
  IndividualRecord* record = store_.CreateIndividual(n);
  if (n > store_.highest_individual()) store_.set_highest_individual(n);
  record->lines = store_.AppendLine(&open_, line);
  if (result_.own_file) ReadIndividualPrivateLines(record);
}

void RecordReader::ReadIndividualPrivateLines(IndividualRecord* record) {
  std::string_view line;
  if (!lines_.Next(&line)) return;
  if (line.starts_with("1 _VER")) {
    ReadVerLine(StripTrailing(line), record);
    if (!lines_.Next(&line)) return;
  }
  if (line.starts_with("1 _SEQ")) {
    if (ReadIndividualSeqLine(StripTrailing(line), record)) {
      if (record->markFlags & kMarkVisit) ++result_.visit_count;
      if (record->markFlags & kMarkEdge) ++result_.edge_count;
    }
    if (!lines_.Next(&line)) return;
  }
  if (line.starts_with("1 _TXT")) {
    // The to-do text keeps its own trailing blanks.
    if (line.size() > 7) record->todoText.Set(line.substr(7));
    return;
  }
  lines_.PushBack();
}

void RecordReader::OpenFamily(std::string_view line) {
  const int n = NumberFor(line, store_.highest_family(), kMaxFamily);
  if (overflow_) return;
  if (n == 0 || store_.family(n) != nullptr) {
    ++result_.skipped_records;
    return Drop('F', DropReason::kSkippedRecord, line);
  }
  FamilyRecord* record = store_.CreateFamily(n);
  if (n > store_.highest_family()) store_.set_highest_family(n);
  record->lines = store_.AppendLine(&open_, line);
  if (!result_.own_file) return;
  std::string_view next;
  if (!lines_.Next(&next)) return;
  if (!next.starts_with("1 _SEQ")) return lines_.PushBack();
  ReadFamilySeqLine(StripTrailing(next), record);
}

void RecordReader::OpenSource(std::string_view line) {
  const int n = NumberFor(line, store_.highest_source(), kMaxSource);
  if (overflow_) return;
  if (n == 0 || store_.source(n) != nullptr) {
    ++result_.skipped_records;
    return Drop('S', DropReason::kSkippedRecord, line);
  }
  if (n > store_.highest_source()) store_.set_highest_source(n);
  store_.SetSource(n, store_.AppendLine(&open_, line));
}

void RecordReader::OpenNote(std::string_view line) {
  store_.note_records().push_back(store_.AppendLine(&open_, line));
  ++result_.notes;
}

// Kept for display only and never written: the record is listed as not carried over.
void RecordReader::AppendToOtherRecords(std::string_view line) {
  // The sub-lines of the previous other record were appended behind the tail.
  LineNode** tail = store_.other_records_tail();
  *tail = store_.LastLine(*tail);
  open_ = store_.AppendLine(tail, line);
  Drop('R', DropReason::kOtherRecord, line);
}

}  // namespace kinloom::store
