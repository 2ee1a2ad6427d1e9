#include "store/gedcom_reader.h"

#include <cstdio>
#include <string_view>

#include "platform/progress.h"
#include "store/charsets.h"
#include "store/contact_marks.h"
#include "store/gedcom_header.h"
#include "store/import_passes.h"
#include "store/line_reader.h"
#include "store/line_search.h"
#include "store/private_lines.h"
#include "store/search_lists.h"
#include "store/traverse_cache.h"

namespace kinloom::store {
namespace {

constexpr int kTickWrap = 250000;
constexpr int kIndividualOverflow = kMaxIndividual + 1;
constexpr int kFamilyOverflow = kMaxFamily + 1;
constexpr int kSourceOverflow = kMaxSource + 1;

std::string_view StripTrailing(std::string_view line) {
  while (line.size() > 1 && (line.back() == ' ' || line.back() == '\r' || line.back() == '\n')) {
    line.remove_suffix(1);
  }
  return line;
}

std::string TreeNameOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.size() > 4 && name.compare(name.size() - 4, 4, ".ged") == 0)
    name.resize(name.size() - 4);
  return name;
}

// The letter that says what kind of record a level-0 line opens.
char TypeLetter(std::string_view line, bool own_file) {
  if (own_file) return line.size() > 3 ? line[3] : 'x';
  if (line.size() < 4 || line[1] != ' ' || line[2] != '@') return 'x';
  size_t close = line.find('@', 3);
  if (close == std::string_view::npos || close + 2 >= line.size() || line[close + 1] != ' ') {
    return 'x';
  }
  return line[close + 2];
}

class TreeReader {
 public:
  TreeReader(RecordStore& store, LineReader& lines, ReadResult& result)
      : store_(store), lines_(lines), result_(result), ticker_(store.ui(), kTickWrap) {}

  // Reads records from the level-0 line that ended the header to the end of the file.
  void ReadRecords(const HeaderInfo& header) {
    std::string_view line = header.first_record_line;
    bool have_line = header.has_record_line;
    while (have_line && !overflow_) {
      HandleLine(StripTrailing(line));
      have_line = lines_.Next(&line);
    }
  }

  bool overflow() const { return overflow_; }
  void Tick();

 private:
  void HandleLine(std::string_view line) {
    if (line.empty()) return;
    if (line[0] != '0') {
      if (line.size() >= 5 && open_ != nullptr) store_.AppendLine(&open_, line);
      return;
    }
    OpenRecord(line, TypeLetter(line, result_.own_file));
  }

  void OpenRecord(std::string_view line, char letter) {
    switch (letter) {
      case 'I':
        Tick();
        return OpenIndividual(line);
      case 'F':
        Tick();
        return OpenFamily(line);
      case 'S':
        Tick();
        if (line.size() > 4 && line[4] == 'U') return AppendToOtherRecords(line);
        return OpenSource(line);
      case 'R':
        if (line.size() > 2 && line[2] == '@') {
          Tick();
          return AppendToOtherRecords(line);
        }
        // "0 TRLR" of an own file: its letter is R, and nothing after it belongs to the
        // record before it.
        open_ = nullptr;
        return;
      case 'N':
        Tick();
        return OpenNote(line);
      default:
        open_ = nullptr;
    }
  }

  // The number a new record of one kind gets; 0 when it must be skipped.
  int NumberFor(std::string_view line, int highest, int max, int overflow_at) {
    if (!result_.own_file) {
      int n = highest + 1;
      if (n >= overflow_at) overflow_ = true;
      return overflow_ ? 0 : n;
    }
    int n = XrefNumber(line);
    if (n < 1 || n > max) {
      ++result_.skipped_records;
      return 0;
    }
    return n;
  }

  void OpenIndividual(std::string_view line) {
    open_ = nullptr;
    int n = NumberFor(line, store_.highest_individual(), kMaxIndividual, kIndividualOverflow);
    if (overflow_) store_.set_highest_individual(kIndividualOverflow);
    if (n == 0) return;
    if (store_.individual(n) != nullptr) return SkipRepeated();
    IndividualRecord* record = store_.CreateIndividual(n);
    if (n > store_.highest_individual()) store_.set_highest_individual(n);
    record->lines = store_.AppendLine(&open_, line);
    if (result_.own_file) ReadIndividualPrivateLines(record);
  }

  void ReadIndividualPrivateLines(IndividualRecord* record) {
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

  void OpenFamily(std::string_view line) {
    open_ = nullptr;
    int n = NumberFor(line, store_.highest_family(), kMaxFamily, kFamilyOverflow);
    if (overflow_) store_.set_highest_family(kFamilyOverflow);
    if (n == 0) return;
    if (store_.family(n) != nullptr) return SkipRepeated();
    FamilyRecord* record = store_.CreateFamily(n);
    if (n > store_.highest_family()) store_.set_highest_family(n);
    record->lines = store_.AppendLine(&open_, line);
    if (!result_.own_file) return;
    std::string_view next;
    if (!lines_.Next(&next)) return;
    if (!next.starts_with("1 _SEQ")) return lines_.PushBack();
    ReadFamilySeqLine(StripTrailing(next), record);
  }

  void OpenSource(std::string_view line) {
    open_ = nullptr;
    int n = NumberFor(line, store_.highest_source(), kMaxSource, kSourceOverflow);
    if (overflow_) store_.set_highest_source(kSourceOverflow);
    if (n == 0) return;
    if (store_.source(n) != nullptr) return SkipRepeated();
    if (n > store_.highest_source()) store_.set_highest_source(n);
    store_.SetSource(n, store_.AppendLine(&open_, line));
  }

  void OpenNote(std::string_view line) {
    open_ = nullptr;
    store_.note_records().push_back(store_.AppendLine(&open_, line));
    ++result_.notes;
  }

  void AppendToOtherRecords(std::string_view line) {
    // The sub-lines of the previous other record were appended behind the tail.
    LineNode** tail = store_.other_records_tail();
    *tail = store_.LastLine(*tail);
    open_ = store_.AppendLine(tail, line);
  }

  // A second record under a number already read: its lines are dropped.
  void SkipRepeated() {
    ++result_.skipped_records;
    open_ = nullptr;
  }

  RecordStore& store_;
  LineReader& lines_;
  ReadResult& result_;
  platform::ProgressTicker ticker_;
  LineNode* open_ = nullptr;  // the open record's last line
  bool overflow_ = false;
};

void TreeReader::Tick() {
  ticker_.Step();
  if (!ticker_.TextDue()) return;
  char text[128];
  std::snprintf(text, sizeof text, "Reading   Individual: %d    Family: %d    Note: %d",
                store_.highest_individual(), store_.highest_family(), result_.notes);
  ticker_.SetText(text);
}

bool AnyOverflow(const RecordStore& store) {
  return store.highest_individual() >= kIndividualOverflow ||
         store.highest_family() >= kFamilyOverflow || store.highest_source() >= kSourceOverflow;
}

int LowestIndividual(const RecordStore& store) {
  for (int n = 1; n <= store.highest_individual(); ++n) {
    if (store.individual(n) != nullptr) return n;
  }
  return 0;
}

// The finishing steps after the records are in.
void Finish(RecordStore& store, ReadResult& result, bool merge, const ReadSteps& steps) {
  if (store.highest_individual() < 1) store.NewEmptyTree(true);
  if (store.highest_family() < 1) store.AddPlaceholderFamily();
  if (AnyOverflow(store)) {
    store.ui().Message("*** Too Many Records ***",
                       "This file exceeds the maximum\n\rnumber of records available.\n\n\r"
                       "----- Program Terminated -----",
                       platform::Icon::kStop);
    result.outcome = ReadOutcome::kTooManyRecords;
    return;
  }
  const bool foreign = !result.own_file || merge;
  store.set_tree_modified(foreign);
  if (foreign) {
    RemoveUnusedTags(store);
    RenumberNewRecords(store, result.first_new_individual, result.first_new_family,
                       result.first_new_source);
    ResequenceTags(store);
    if (!store.note_records().empty()) InlineNotes(store);
  }
  if (store.current_individual() == 0) store.set_current_individual(LowestIndividual(store));
  if (store.home_person() < 1) store.set_home_person(store.current_individual());
  if (store.current_individual() < 1) store.NewEmptyTree(true);
  // The program's own files are in the internal set already; converting them again would
  // replace characters such as the euro sign on every open.
  if (foreign) {
    Charset charset = result.charset;
    if (charset == Charset::kNone) charset = GuessUndeclaredCharset(store);
    ConvertTree(store, charset);
  }
  if (steps.check_links) steps.check_links(store);
  if (steps.initialize_chart) steps.initialize_chart(store);
  BuildIndividualSearchList(store, result.first_new_individual);
  BuildFamilySearchList(store, 1);
  if (steps.drop_thin_families) steps.drop_thin_families(store);
  if (foreign) RefreshContactMarks(store);
  store.ClearHistory();
  ComputeNextToVisit(store);
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
  store.set_current_individual(0);
  store.set_home_person(0);

  LineReader lines;
  HeaderInfo header;
  if (lines.Open(path)) {
    header = ReadHeader(lines);
    if (!header.is_gedcom) {
      store.ui().Message("** Incorrect File Format **",
                         "This file is not a gedcom\nfamily tree file.\n\n\r"
                         "= File Reading Aborted =",
                         platform::Icon::kStop);
      result.outcome = ReadOutcome::kNotGedcom;
    } else {
      result.outcome = ReadOutcome::kRead;
    }
  }
  result.charset = header.charset;
  result.own_file = header.own_file && !merge;

  if (merge) {
    result.first_new_individual = store.highest_individual() + 1;
    result.first_new_family = store.highest_family() + 1;
    result.first_new_source = store.highest_source() + 1;
    if (result.outcome != ReadOutcome::kRead) {
      store.ui().ProgressHide();
      return result;
    }
  } else {
    store.NewEmptyTree(result.outcome != ReadOutcome::kRead);
    if (result.outcome != ReadOutcome::kRead) {
      store.ui().ProgressHide();
      return result;
    }
  }

  TreeReader reader(store, lines, result);
  reader.ReadRecords(header);
  reader.Tick();
  Finish(store, result, merge, steps);
  store.ui().ProgressHide();
  return result;
}

}  // namespace kinloom::store
