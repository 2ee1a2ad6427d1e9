#include "store/gedcom_reader.h"

#include <cerrno>
#include <system_error>

#include "store/charsets.h"
#include "store/contact_marks.h"
#include "store/gedcom_records.h"
#include "store/import_passes.h"
#include "store/line_conversion.h"
#include "store/search_lists.h"
#include "store/traverse_cache.h"

namespace kinloom::store {
namespace {

std::string TreeNameOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.size() > 4 && name.compare(name.size() - 4, 4, ".ged") == 0)
    name.resize(name.size() - 4);
  return name;
}

std::string NotReadText(bool merge) {
  return merge ? "The file was not merged." : "The file was not opened.";
}

void ReportUnreadable(RecordStore& store, const std::string& path, ReadResult& result, int error,
                      bool merge) {
  result.outcome = ReadOutcome::kUnreadable;
  result.error = std::generic_category().message(error != 0 ? error : EIO);
  store.ui().Message(
      "*** File Reading Error ***",
      "The file\n" + path + "\ncould not be read: " + result.error + ".\n\n" + NotReadText(merge),
      platform::Icon::kStop);
}

void ReportTooManyRecords(RecordStore& store, ReadResult& result, bool merge) {
  result.outcome = ReadOutcome::kTooManyRecords;
  store.ui().Message(
      "*** Too Many Records ***",
      "This file exceeds the maximum\nnumber of records available.\n\n" + NotReadText(merge),
      platform::Icon::kStop);
}

// Opens the file and reads its header; kRead when the records can be read next.
void OpenFile(RecordStore& store, const std::string& path, const ReadSteps& steps, bool merge,
              LineReader& lines, HeaderInfo& header, ReadResult& result) {
  int error = 0;
  std::unique_ptr<ByteSource> source =
      steps.open_file ? steps.open_file(path, &error) : OpenFileSource(path, &error);
  if (source == nullptr) {
    // Only a file that is not there gives a new tree; one that is there is never replaced.
    if (error == ENOENT || error == ENOTDIR) {
      result.outcome = ReadOutcome::kMissing;
    } else {
      ReportUnreadable(store, path, result, error, merge);
    }
    return;
  }
  lines.Open(std::move(source));
  header = ReadHeader(lines);
  if (lines.read_error()) return ReportUnreadable(store, path, result, lines.error(), merge);
  if (!header.is_gedcom) {
    store.ui().Message("** Incorrect File Format **",
                       "This file is not a gedcom\nfamily tree file.\n\n\r"
                       "= File Reading Aborted =",
                       platform::Icon::kStop);
    result.outcome = ReadOutcome::kNotGedcom;
    return;
  }
  result.outcome = ReadOutcome::kRead;
}

// Reads the records into the store; false, reported, when the file could not be read to its
// end or held too many records.
bool ReadRecords(RecordStore& store, const std::string& path, LineReader& lines,
                 const HeaderInfo& header, ReadResult& result, bool merge) {
  RecordReader reader(store, lines, result);
  reader.ReadRecords(header);
  reader.Tick();
  const bool read_error = lines.read_error();
  lines.Close();
  if (read_error) {
    ReportUnreadable(store, path, result, lines.error(), merge);
  } else if (reader.overflow()) {
    ReportTooManyRecords(store, result, merge);
  } else {
    return true;
  }
  result.dropped = DroppedLines();
  return false;
}

int LowestIndividual(const RecordStore& store) {
  for (int n = 1; n <= store.highest_individual(); ++n) {
    if (store.individual(n) != nullptr) return n;
  }
  return 0;
}

// The set the records read are converted from. The program writes its own files in the
// internal set; one that says otherwise (edited, or saved again by another program) is
// converted like any other file.
Charset ConversionCharset(const RecordStore& store, const ReadResult& result) {
  const Charset declared = result.charset;
  if (result.own_file) {
    return declared == Charset::kAnsel || declared == Charset::kUtf8 || declared == Charset::kIbmPc
               ? declared
               : Charset::kNone;
  }
  if (declared != Charset::kNone) return declared;
  return GuessUndeclaredCharset(store, result.new_records());
}

// The to-do texts of an own file come from its private lines, which are not record lines.
void ConvertTodoTexts(RecordStore& store, Charset charset) {
  constexpr std::string_view kPrefix = "1 _TXT ";
  for (int n = 1; n <= store.highest_individual(); ++n) {
    IndividualRecord* record = store.individual(n);
    if (record == nullptr || !record->todoText.has_value()) continue;
    const std::string line = LineToInternal(charset, std::string(kPrefix) + record->todoText.str());
    record->todoText.Set(std::string_view(line).substr(kPrefix.size()));
  }
}

// The clean-up passes over the records just read, in their order.
void CleanUp(RecordStore& store, ReadResult& result, size_t first_note) {
  const RecordRange range = result.new_records();
  RemoveUnusedTags(store, range, &result.dropped);
  RenumberNewRecords(store, range.first_individual, range.first_family, range.first_source);
  ResequenceTags(store, range.first_individual, &result.dropped);
  if (store.note_records().size() > first_note) {
    InlineNotes(store, range, first_note, &result.dropped);
  }
}

// The finishing steps after the records are in.
void Finish(RecordStore& store, ReadResult& result, size_t first_note, const ReadSteps& steps) {
  if (store.highest_individual() < 1) store.NewEmptyTree(true);
  if (store.highest_family() < 1) store.AddPlaceholderFamily();
  const bool foreign = !result.own_file;
  store.set_tree_modified(foreign);
  if (foreign) CleanUp(store, result, first_note);
  if (store.current_individual() == 0) store.set_current_individual(LowestIndividual(store));
  if (store.home_person() < 1) store.set_home_person(store.current_individual());
  if (store.current_individual() < 1) store.NewEmptyTree(true);
  const Charset charset = ConversionCharset(store, result);
  result.dropped.set_charset(charset);
  ConvertTree(store, charset, result.new_records());
  if (result.own_file && charset != Charset::kNone) ConvertTodoTexts(store, charset);
  if (steps.check_links) steps.check_links(store);
  if (steps.initialize_chart) steps.initialize_chart(store);
  BuildIndividualSearchList(store, result.first_new_individual);
  BuildFamilySearchList(store, 1);
  if (steps.drop_thin_families) steps.drop_thin_families(store);
  if (foreign) RefreshContactMarks(store, result.first_new_individual);
  store.ClearHistory();
  ComputeNextToVisit(store);
}

// An open reads the records into a store of their own, which replaces the open tree only when
// the file was read whole; the tree that was open is freed before the finishing steps.
void OpenTree(RecordStore& store, const std::string& path, const ReadSteps& steps,
              LineReader& lines, const HeaderInfo& header, ReadResult& result) {
  if (result.outcome == ReadOutcome::kUnreadable) return;
  if (result.outcome != ReadOutcome::kRead) {
    store.set_current_individual(0);
    store.set_home_person(0);
    store.NewEmptyTree(true);
    return;
  }
  RecordStore read(store.ui());
  read.NewEmptyTree(false);
  if (!ReadRecords(read, path, lines, header, result, false)) return;
  store.SwapTree(read);
  read.FreeTree();
  Finish(store, result, 0, steps);
}

// What a merge adds, so that a merge that fails can be taken back.
struct MergePoint {
  int highest_individual;
  int highest_family;
  int highest_source;
  LineNode* other_records_tail;
  size_t notes;
};

void TakeBack(RecordStore& store, const MergePoint& point) {
  for (int n = store.highest_individual(); n > point.highest_individual; --n) {
    store.DeleteIndividual(n);
  }
  for (int n = store.highest_family(); n > point.highest_family; --n) store.DeleteFamily(n);
  for (int n = store.highest_source(); n > point.highest_source; --n) store.DeleteSource(n);
  store.set_highest_individual(point.highest_individual);
  store.set_highest_family(point.highest_family);
  store.set_highest_source(point.highest_source);
  LineNode* tail = point.other_records_tail;
  if (tail != nullptr) {
    store.arena().FreeList(tail->next);
    tail->next = nullptr;
  }
  *store.other_records_tail() = tail;
  std::vector<LineNode*>& notes = store.note_records();
  for (size_t i = point.notes; i < notes.size(); ++i) store.arena().FreeList(notes[i]);
  notes.resize(point.notes);
}

// A merge reads behind the records of the tree, and takes what it read back when the file
// cannot be read whole.
void MergeTree(RecordStore& store, const std::string& path, const ReadSteps& steps,
               LineReader& lines, const HeaderInfo& header, ReadResult& result) {
  result.first_new_individual = store.highest_individual() + 1;
  result.first_new_family = store.highest_family() + 1;
  result.first_new_source = store.highest_source() + 1;
  if (result.outcome != ReadOutcome::kRead) return;
  LineNode** tail = store.other_records_tail();
  *tail = store.LastLine(*tail);
  const MergePoint point{store.highest_individual(), store.highest_family(), store.highest_source(),
                         *tail, store.note_records().size()};
  if (!ReadRecords(store, path, lines, header, result, true)) return TakeBack(store, point);
  Finish(store, result, point.notes, steps);
}

}  // namespace

std::string SkippedRecordsText(int skipped) {
  return std::to_string(skipped) +
         " record(s) with a missing, out-of-range or repeated number were skipped.";
}

ReadResult ReadTree(RecordStore& store, const std::string& path, bool merge,
                    const ReadSteps& steps) {
  BusyScope busy(store);
  ReadResult result;
  const std::string name = TreeNameOf(path);
  store.ui().ProgressShow((merge ? "Merging:  " : "Starting:  ") + name,
                          merge ? "Merging Family Tree Records" : "Reading Family Tree Records");
  LineReader lines;
  HeaderInfo header;
  OpenFile(store, path, steps, merge, lines, header, result);
  result.charset = header.charset;
  result.own_file = header.own_file && !merge;
  if (merge) {
    MergeTree(store, path, steps, lines, header, result);
  } else {
    OpenTree(store, path, steps, lines, header, result);
  }
  store.ui().ProgressHide();
  return result;
}

}  // namespace kinloom::store
