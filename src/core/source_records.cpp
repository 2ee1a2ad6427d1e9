#include "core/source_records.h"

#include <algorithm>
#include <array>

#include "store/line_edit.h"
#include "store/line_search.h"
#include "store/stamp.h"

namespace kinloom::core {

using store::LineNode;
using store::RecordStore;

namespace {

// Where the dialog puts the level-1 lines it adds; the medium's "1 REPO" is the fourth.
constexpr std::array<std::string_view, 5> kFieldOrder = {"1 TITL", "1 AUTH", "1 PUBL", "1 REPO",
                                                         "1 TEXT"};
constexpr int kRepoOrder = 3;
// Room for "2 CONC " within the 255 characters of a GEDCOM line, with a margin.
constexpr size_t kPieceWidth = 200;

LineNode* LineBefore(LineNode* first, const LineNode* line) {
  LineNode* before = first;
  while (before != nullptr && before->next != line) before = before->next;
  return before;
}

bool HasSubLines(LineNode* line) {
  return store::AfterSubLines(line) != line->next;
}

std::string ReadField(const LineNode* first, std::string_view tag) {
  if (first == nullptr) return {};
  return JoinContinued(store::FindTagLine(const_cast<LineNode*>(first), tag), tag);
}

struct MediumLines {
  LineNode* repo = nullptr;
  LineNode* caln = nullptr;
  LineNode* medi = nullptr;
};

MediumLines FindMedium(const LineNode* first) {
  MediumLines found;
  if (first == nullptr) return found;
  found.repo = store::FindTagLine(const_cast<LineNode*>(first), "1 REPO");
  if (found.repo != nullptr) found.caln = store::FindSubLine(found.repo, "2 CALN");
  if (found.caln != nullptr) found.medi = store::FindSubLine(found.caln, "3 MEDI");
  return found;
}

// The line after which a new level-1 field line goes: behind the last line (with sub-lines) of
// a field that comes earlier in kFieldOrder, else right after the record's first line.
LineNode* FieldInsertPoint(LineNode* first, int order) {
  LineNode* found = nullptr;
  for (LineNode* line = first->next; line != nullptr && line->level() != '0'; line = line->next) {
    if (line->level() != '1') continue;
    for (int j = 0; j < order; ++j) {
      if (store::HasTag(line->text(), kFieldOrder[static_cast<size_t>(j)])) found = line;
    }
  }
  return found != nullptr ? store::LastOfSubLines(found) : first;
}

void RemoveLine(RecordStore& store, LineNode* first, LineNode* line) {
  store::RemoveLineAndSubs(store, first, LineBefore(first, line));
}

bool WriteField(RecordStore& store, LineNode* first, int order, std::string_view value) {
  const std::string_view tag = kFieldOrder[static_cast<size_t>(order)];
  if (ReadField(first, tag) == value) return false;
  LineNode* line = store::FindTagLine(first, tag);
  const std::vector<FieldLine> lines = FieldLines(value);
  if (lines.empty()) {
    if (line == nullptr) return true;
    RemoveContinuations(store, first, line);
    if (HasSubLines(line)) {
      store::ReplaceLineText(store, line, tag, "");
    } else {
      RemoveLine(store, first, line);
    }
    return true;
  }
  if (line == nullptr) {
    line = store::InsertLineAfter(store, FieldInsertPoint(first, order), tag);
  }
  WriteContinued(store, first, line, tag, lines);
  return true;
}

void RemoveIfBare(RecordStore& store, LineNode* first, LineNode* line, std::string_view tag) {
  if (line == nullptr || HasSubLines(line)) return;
  if (store::LineValue(line->text(), tag).empty()) RemoveLine(store, first, line);
}

bool WriteMedium(RecordStore& store, LineNode* first, std::string medium) {
  std::replace(medium.begin(), medium.end(), '\n', ' ');
  std::erase(medium, '\r');
  MediumLines found = FindMedium(first);
  const std::string old =
      found.medi != nullptr ? std::string(store::LineValue(found.medi->text(), "3 MEDI")) : "";
  if (old == medium) return false;
  if (medium.empty()) {
    RemoveLine(store, first, found.medi);
    RemoveIfBare(store, first, found.caln, "2 CALN");
    RemoveIfBare(store, first, found.repo, "1 REPO");
    return true;
  }
  if (found.repo == nullptr) {
    found.repo = store::InsertLineAfter(store, FieldInsertPoint(first, kRepoOrder), "1 REPO");
  }
  if (found.caln == nullptr) found.caln = store::InsertLineAfter(store, found.repo, "2 CALN");
  if (found.medi != nullptr) {
    store::ReplaceLineText(store, found.medi, "3 MEDI", medium);
  } else {
    store::InsertLineAfter(store, found.caln, "3 MEDI " + medium);
  }
  return true;
}

}  // namespace

std::vector<FieldLine> FieldLines(std::string_view value) {
  return SplitContinued(value, kPieceWidth);
}

SourceFields ReadSourceFields(const LineNode* first) {
  SourceFields fields;
  if (first == nullptr) return fields;
  fields.title = ReadField(first, "1 TITL");
  fields.author = ReadField(first, "1 AUTH");
  fields.publication = ReadField(first, "1 PUBL");
  fields.text = ReadField(first, "1 TEXT");
  const MediumLines medium = FindMedium(first);
  if (medium.medi != nullptr) fields.medium = store::LineValue(medium.medi->text(), "3 MEDI");
  return fields;
}

bool WriteSourceFields(RecordStore& store, int source, const SourceFields& fields) {
  LineNode* first = store.source(source);
  if (first == nullptr) return false;
  store::BusyScope busy(store);
  bool changed = false;
  changed |= WriteField(store, first, 0, fields.title);
  changed |= WriteField(store, first, 1, fields.author);
  changed |= WriteField(store, first, 2, fields.publication);
  changed |= WriteMedium(store, first, fields.medium);
  changed |= WriteField(store, first, 4, fields.text);
  if (changed) store::StampChanged(store, first);
  return changed;
}

int NewSourceRecord(RecordStore& store) {
  for (int n = 1; n <= store::kMaxSource; ++n) {
    if (store.source(n) != nullptr) continue;
    store::BusyScope busy(store);
    LineNode* first = store.NewLine("0 " + store::MakeXref('S', n) + " SOUR");
    store.SetSource(n, first);
    if (n > store.highest_source()) store.set_highest_source(n);
    store::StampChanged(store, first);
    return n;
  }
  store.ui().Message("Error", "No Unused Source Record Available", platform::Icon::kExclamation);
  return 0;
}

std::string SourceLabel(const RecordStore& store, int source) {
  std::string title = ReadField(store.source(source), "1 TITL");
  std::replace(title.begin(), title.end(), '\n', ' ');
  if (title.empty()) title = "Untitled Source";
  return title + " (" + std::to_string(source) + ")";
}

std::vector<int> SourcesKeptUncited(const RecordStore& store, std::span<const int> quick_sources) {
  std::vector<int> kept;
  for (int n = 1; n <= store.highest_source(); ++n) {
    LineNode* first = store.source(n);
    if (first != nullptr && store::FindTagLine(first, "1 CHAN") != nullptr) kept.push_back(n);
  }
  for (int n : quick_sources) {
    if (n > 0 && store.source(n) != nullptr) kept.push_back(n);
  }
  std::sort(kept.begin(), kept.end());
  kept.erase(std::unique(kept.begin(), kept.end()), kept.end());
  return kept;
}

}  // namespace kinloom::core
