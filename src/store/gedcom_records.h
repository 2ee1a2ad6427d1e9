#pragma once

#include <string_view>

#include "platform/progress.h"
#include "store/gedcom_header.h"
#include "store/gedcom_reader.h"
#include "store/line_reader.h"
#include "store/record_store.h"

namespace kinloom::store {

// Reads the records of a GEDCOM file, from the level-0 line that ended the header to the end of
// the file, into the store: each individual, family and source into its table slot (own files
// by their numbers, other files behind the highest numbers), notes into NoteRecords and the
// records the tree does not keep into OtherRecords. What is dropped goes to the result's list.
class RecordReader {
 public:
  RecordReader(RecordStore& store, LineReader& lines, ReadResult& result);

  // Reads until the end of the file, a read error or a record more than the tables hold.
  void ReadRecords(const HeaderInfo& header);
  // True when a record of one kind was one too many; the reading stopped there.
  bool overflow() const { return overflow_; }
  // The progress window's tick: once per record and at the end.
  void Tick();

 private:
  enum class Kind { kIndividual, kFamily, kSource, kNote, kOther, kNone };

  void HandleLine(std::string_view line);
  Kind KindOf(std::string_view line) const;
  void OpenRecord(std::string_view line);
  int NumberFor(std::string_view line, int highest, int max);
  void OpenIndividual(std::string_view line);
  void ReadIndividualPrivateLines(IndividualRecord* record);
  void OpenFamily(std::string_view line);
  void OpenSource(std::string_view line);
  void OpenNote(std::string_view line);
  void AppendToOtherRecords(std::string_view line);
  void Drop(char kind, DropReason reason, std::string_view line);

  RecordStore& store_;
  LineReader& lines_;
  ReadResult& result_;
  platform::ProgressTicker ticker_;
  LineNode* open_ = nullptr;  // the open record's last line
  bool dropping_ = false;     // the lines that follow go to the list of dropped lines
  DropReason drop_reason_ = DropReason::kOtherRecord;
  bool overflow_ = false;
};

}  // namespace kinloom::store
