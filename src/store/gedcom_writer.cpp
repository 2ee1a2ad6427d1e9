#include "store/gedcom_writer.h"

#include <memory>
#include <string_view>
#include <vector>

#include "store/date_format.h"
#include "store/line_search.h"
#include "store/private_lines.h"

namespace kinloom::store {
namespace {

constexpr std::string_view kEol = "\r\n";

bool IsReduced(WriteMode mode) {
  return mode != WriteMode::kNormal;
}

class TreeWriter {
 public:
  TreeWriter(RecordStore& store, WriteMode mode, platform::WritableFile& file)
      : store_(store),
        mode_(mode),
        file_(file),
        cited_(static_cast<size_t>(store.highest_source()) + 1, false) {}

  void MarkCited(int n) {
    if (n >= 1 && n <= store_.highest_source() && store_.source(n) != nullptr) {
      cited_[static_cast<size_t>(n)] = true;
    }
  }

  Status Write(std::string_view file_name) {
    WriteHeader(file_name);
    if (!IsReduced(mode_)) SavePositions();
    for (int n = 1; n <= store_.highest_individual() && status_.ok(); ++n) WriteIndividual(n);
    for (int n = 1; n <= store_.highest_family() && status_.ok(); ++n) WriteFamily(n);
    for (int n = 1; n <= store_.highest_source() && status_.ok(); ++n) WriteSource(n);
    Put("0 TRLR", false);
    return status_;
  }

 private:
  void Put(std::string_view text, bool end_line = true) {
    if (!status_.ok()) return;
    status_ = file_.Append(text);
    if (status_.ok() && end_line) status_ = file_.Append(kEol);
  }

  // Writes a record line and notes the source it cites.
  void PutLine(std::string_view text) {
    if (text.empty()) return;
    if (text.size() > 10 && text[2] == 'S' && text[7] == '@') {
      MarkCited(XrefNumber(text));
    }
    Put(text);
  }

  void WriteHeader(std::string_view file_name) {
    const platform::DateTime now = store_.ui().clock().Now();
    Put("0 HEAD");
    Put("1 SOUR Kinloom Zoraz");
    Put("2 VERS Version: 2.48");
    Put("1 DATE " + FormatDate(now.day, now.month, now.year, 1));
    Put("2 TIME " + FormatTime(now.hour, now.minute, now.second));
    Put("1 FILE GED: " + std::string(file_name));
    Put("1 CHAR ANSI");
    Put("1 GEDC");
    Put("2 VERS 5.5");
    Put("2 FORM LINEAGE-LINKED");
  }

  // So that the next read restores the search lists without sorting.
  void SavePositions() {
    const SearchList& people = store_.individual_search_list();
    for (int p = 0; p < people.size(); ++p) {
      int n = people.at(p).number;
      if (n >= 1 && n <= store_.highest_individual()) {
        if (IndividualRecord* record = store_.individual(n)) record->listPos = p;
      }
    }
    const SearchList& families = store_.family_search_list();
    for (int p = 0; p < families.size(); ++p) {
      int n = families.at(p).number;
      if (n >= 1 && n <= store_.highest_family()) {
        if (FamilyRecord* record = store_.family(n)) record->listPos = p;
      }
    }
  }

  uint8_t EffectiveFlags(const IndividualRecord& record) const {
    return EffectiveHideFlags(record, mode_);
  }

  bool IsExcludedIndividual(int n) const {
    IndividualRecord* record = store_.individual(n);
    return record != nullptr && record->lines != nullptr &&
           (EffectiveFlags(*record) & kHideEverything) != 0;
  }

  bool IsHiddenFamily(int n) const {
    FamilyRecord* record = store_.family(n);
    return record != nullptr && (record->hideFlags & kHideEverything) != 0;
  }

  void WriteIndividual(int n) {
    IndividualRecord* record = store_.individual(n);
    if (record == nullptr || record->lines == nullptr) return;
    const uint8_t flags = IsReduced(mode_) ? EffectiveFlags(*record) : 0;
    if (flags & kHideEverything) return;
    PutLine(record->lines->text());
    if (!IsReduced(mode_)) PutLine(IndividualVerLine(*record));
    PutLine(IndividualSeqLine(*record, IsReduced(mode_)));
    if (record->todoText.has_value()) PutLine("1 _TXT " + record->todoText.str());
    LineNode* line = record->lines->next;
    while (line != nullptr && status_.ok()) {
      line = IsReduced(mode_) ? WriteReducedIndividualLine(line, flags) : WriteAll(line);
    }
  }

  LineNode* WriteAll(LineNode* line) {
    PutLine(line->text());
    return line->next;
  }

  // Writes one line of an individual in a reduced copy, or leaves it out; returns the next
  // line to look at.
  LineNode* WriteReducedIndividualLine(LineNode* line, uint8_t flags) {
    std::string_view text = line->text();
    if ((HasTag(text, "1 FAMS") || HasTag(text, "1 FAMC")) && IsHiddenFamily(XrefNumber(text))) {
      // The link goes with its sub-lines, so a parent type never lands under another line.
      return AfterSubLines(line);
    }
    if ((flags & ~(kHideLiving | kHideEverything)) == 0) return WriteAll(line);
    if (HasTag(text, "1 NAME") && (flags & kHideSurname)) {
      PutLine(ShortenedSurname(text));
      return line->next;
    }
    const bool places = flags & kHidePlaces, contact = flags & kHideContact;
    if ((HasTag(text, "1 RESI") && (places || contact)) ||
        ((HasTag(text, "1 PHON") || HasTag(text, "1 MAIL")) && contact) ||
        (HasTag(text, "1 SSN") && (flags & kHideSsn)) ||
        ((HasTag(text, "1 NOTE") || HasTag(text, "2 NOTE")) && (flags & kHideNotes)) ||
        (HasTag(text, "2 PLAC") && places)) {
      return AfterSubLines(line);
    }
    return WriteAll(line);
  }

  // "1 NAME John /Smith/" becomes "1 NAME John /S./".
  static std::string ShortenedSurname(std::string_view text) {
    size_t slash = text.find('/');
    if (slash == std::string_view::npos || slash + 1 >= text.size() || text[slash + 1] == '/') {
      return std::string(text);
    }
    return std::string(text.substr(0, slash + 2)) + "./";
  }

  void WriteFamily(int n) {
    FamilyRecord* record = store_.family(n);
    if (record == nullptr || record->lines == nullptr) return;
    if (IsReduced(mode_) && (record->hideFlags & kHideEverything)) return;
    PutLine(record->lines->text());
    PutLine(FamilySeqLine(*record, IsReduced(mode_)));
    LineNode* line = record->lines->next;
    while (line != nullptr && status_.ok()) {
      line = IsReduced(mode_) ? WriteReducedFamilyLine(line, record->hideFlags) : WriteAll(line);
    }
  }

  LineNode* WriteReducedFamilyLine(LineNode* line, uint8_t flags) {
    std::string_view text = line->text();
    if ((HasTag(text, "1 HUSB") || HasTag(text, "1 WIFE") || HasTag(text, "1 CHIL")) &&
        IsExcludedIndividual(XrefNumber(text))) {
      return line->next;
    }
    if (HasTag(text, "1 NOTE") && (flags & kHideNotes)) return AfterSubLines(line);
    if (flags > 3) {
      if (HasTag(text, "2 PLAC") && (flags & kHidePlaces)) return AfterSubLines(line);
      if (HasTag(text, "2 NOTE") && (flags & kHideNotes)) return AfterSubLines(line);
    }
    return WriteAll(line);
  }

  void WriteSource(int n) {
    if (!cited_[static_cast<size_t>(n)]) return;
    cited_[static_cast<size_t>(n)] = false;
    for (LineNode* line = store_.source(n); line != nullptr && status_.ok(); line = line->next) {
      Put(line->text());
    }
  }

  RecordStore& store_;
  WriteMode mode_;
  platform::WritableFile& file_;
  std::vector<bool> cited_;
  Status status_;
};

std::string FileNameOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

uint8_t EffectiveHideFlags(const IndividualRecord& record, WriteMode mode) {
  uint8_t flags = 0;
  if (mode == WriteMode::kHide || mode == WriteMode::kBoth) flags = record.hideFlags;
  if ((mode == WriteMode::kSplit || mode == WriteMode::kBoth) &&
      (record.markFlags & kMarkSelected) == 0) {
    flags |= kHideEverything;
  }
  return flags;
}

Status WriteTree(RecordStore& store, const std::string& path, WriteMode mode,
                 platform::FileSystem& file_system, std::span<const int> also_cited) {
  BusyScope busy(store);
  std::unique_ptr<platform::WritableFile> file;
  Status status = file_system.NewWritableFile(path, &file);
  if (!status.ok()) return status;
  TreeWriter writer(store, mode, *file);
  for (int source : also_cited) writer.MarkCited(source);
  status = writer.Write(FileNameOf(path));
  if (status.ok()) status = file->Commit();
  if (status.ok() && mode == WriteMode::kNormal) store.set_tree_modified(false);
  return status;
}

}  // namespace kinloom::store
