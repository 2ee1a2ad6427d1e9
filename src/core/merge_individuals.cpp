// The whole merge of two individuals: the order of its steps, and what the records carry
// besides their lines.
#include "core/merge_individuals.h"

#include <algorithm>
#include <string>

#include "core/family_ops.h"
#include "core/family_ops_support.h"
#include "core/merge_lines.h"
#include "core/merge_marriages.h"
#include "core/merge_row.h"
#include "core/queries.h"
#include "store/line_edit.h"
#include "store/line_search.h"
#include "store/stamp.h"

namespace kinloom::core {
namespace {

using family_ops::EditScope;
using family_ops::FamilyLines;
using family_ops::PersonLines;
using store::LineNode;
using store::RecordStore;

// The text a new entry of the to-do list gets; it says nothing worth keeping.
constexpr std::string_view kToDoPlaceholder = "Enter Description Here";

std::string Trimmed(std::string_view text) {
  const size_t begin = text.find_first_not_of(" \r\n");
  if (begin == std::string_view::npos) return {};
  return std::string(text.substr(begin, text.find_last_not_of(" \r\n") - begin + 1));
}

// What follows the surname on a "1 NAME" line ("Jr" of "John /Smith/ Jr").
std::string NameSuffix(const RecordStore& store, int individual) {
  const LineNode* name = store::FindTagLine(PersonLines(store, individual), "1 NAME");
  if (name == nullptr) return {};
  std::string_view text = name->text();
  const size_t first = text.find('/');
  const size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
  return second == std::string_view::npos ? std::string() : Trimmed(text.substr(second + 1));
}

// "Given /Surname/", "Given /Surname/ Suffix", "/Surname/" or "Given //".
std::string StandardName(const std::string& given, const std::string& surname,
                         const std::string& suffix) {
  std::string name = Trimmed(given) + " /" + Trimmed(surname) + "/";
  if (!suffix.empty()) name += " " + suffix;
  return Trimmed(name);
}

// The kept record's name is rebuilt from the given-name box and the surname box that are
// checked, the second side's where its box is checked.
void RewriteName(RecordStore& store, LineNode* into, const MergeBoxState& state) {
  const MergeRowState& row = state.person_rows[1];
  if (!row.sides[0].present && !row.sides[1].present) return;
  const size_t given = row.sides[1].value_box.on() ? 1 : 0;
  const size_t surname = row.sides[1].place_box.on() ? 1 : 0;
  const std::string name = StandardName(row.sides[given].value, row.sides[surname].place,
                                        NameSuffix(store, state.individuals[surname]));
  const LineNode* line = store::FindTagLine(into, "1 NAME");
  if (line == nullptr || store::LineValue(line->text(), "1 NAME") != name) {
    store::SetLineValue(store, into, "1 NAME", 1, name);
  }
}

// A kept individual without any parent family takes those of the discarded one.
void TakeParents(RecordStore& store, int kept, int gone) {
  LineNode* into = PersonLines(store, kept);
  LineNode* from = PersonLines(store, gone);
  if (store::FindTagLine(into, "1 FAMC") != nullptr) return;
  std::vector<LineNode*> links;
  for (LineNode* line = from->next; line != nullptr; line = line->next) {
    if (store::HasTag(line->text(), "1 FAMC")) links.push_back(line);
  }
  for (LineNode* link : links) {
    const int family = store::XrefNumber(link->text());
    LineNode* family_lines = FamilyLines(store, family);
    if (family_lines == nullptr || !family_ops::RoleIn(store, family, kept).empty()) continue;
    LineNode* child = store::FindXrefLine(family_lines->next, "1 CHIL", gone);
    if (child == nullptr || family_ops::HasLinkTo(family_lines, "1 CHIL", kept)) continue;
    store::ReplaceLineText(store, child, "1 CHIL", store::MakeXref('I', kept));
    store::StampChanged(store, family_lines);
    merge::LinkAfter(store::FindInsertPoint(into, "1 FAMC"), merge::CutGroup(from, link));
  }
}

// Nothing the user set on either record is lost: list memberships and ticks, skip, hide and
// mark flags are joined, and so are the to-do texts.
void JoinFlags(RecordStore& store, int kept, int gone) {
  store::IndividualRecord* into = store.individual(kept);
  const store::IndividualRecord* from = store.individual(gone);
  into->skipFlags |= from->skipFlags;
  into->skipFlagsExt |= from->skipFlagsExt;
  into->hideFlags |= from->hideFlags;
  into->markFlags |= from->markFlags;
  for (size_t i = 0; i < 3; ++i) into->listBits[i] |= from->listBits[i];
  const std::string_view gone_text = from->todoText.view();
  const std::string_view kept_text = into->todoText.view();
  if (gone_text.empty() || gone_text == kept_text || gone_text == kToDoPlaceholder) return;
  if (kept_text.empty() || kept_text == kToDoPlaceholder) {
    into->todoText.Set(gone_text);
  } else {
    into->todoText.Set(std::string(kept_text) + " / " + std::string(gone_text));
  }
}

// The kept individual stands wherever the tree remembers the discarded one.
void TakePlaceOf(RecordStore& store, int kept, int gone) {
  if (store.current_individual() == gone) store.set_current_individual(kept);
  if (store.home_person() == gone) store.set_home_person(kept);
  std::replace(store.history().begin(), store.history().end(), gone, kept);
}

// How many generations up from `person` `ancestor` is; 0 when it is not an ancestor. Each
// person is visited once, so a tree with an ancestry loop ends too.
int GenerationsUp(RecordStore& store, int person, int ancestor) {
  const uint16_t walk = store.NewWalkNumber();
  std::vector<int> generation = {person};
  for (int up = 1; !generation.empty(); ++up) {
    std::vector<int> parents;
    for (int child : generation) {
      for (int family : family_ops::LinkedNumbers(PersonLines(store, child), "1 FAMC")) {
        for (std::string_view role : {"1 HUSB", "1 WIFE"}) {
          for (int parent : family_ops::LinkedNumbers(FamilyLines(store, family), role)) {
            if (parent == ancestor) return up;
            store::IndividualRecord* record = store.individual(parent);
            if (record == nullptr || record->walkStamp == walk) continue;
            record->walkStamp = walk;
            parents.push_back(parent);
          }
        }
      }
    }
    generation = std::move(parents);
  }
  return 0;
}

bool MarriedToEachOther(const RecordStore& store, int a, int b) {
  for (int family : family_ops::LinkedNumbers(PersonLines(store, a), "1 FAMS")) {
    if (!family_ops::RoleIn(store, family, b).empty()) return true;
  }
  return false;
}

std::string Part(std::string_view what, const std::string& text) {
  std::string part(what);
  part += ' ';
  for (char c : text) part += c == '\n' || c == '\r' ? ' ' : c;
  return part;
}

std::string RowTaken(const MergeRowState& row, MergeRowKind kind, int kept_side) {
  const MergeSide& gone = row.sides[static_cast<size_t>(1 - kept_side)];
  std::vector<std::string> parts;
  if (gone.value_box.on()) {
    if (kind == MergeRowKind::kName) parts.push_back(Part("given names", gone.value));
    if (kind == MergeRowKind::kValue) parts.push_back(Part("value", gone.value));
    if (kind == MergeRowKind::kEvent) {
      parts.push_back(gone.value.empty() ? std::string("included") : Part("date", gone.value));
    }
  }
  if (gone.place_box.on()) {
    parts.push_back(Part(kind == MergeRowKind::kName ? "surname" : "place", gone.place));
  }
  if (parts.empty()) return {};
  std::string text(row.tag);
  for (size_t i = 0; i < parts.size(); ++i) text += (i == 0 ? " " : "; ") + parts[i];
  return text;
}

}  // namespace

std::string MergeRefusal(RecordStore& store, int first, int second) {
  for (int n : {first, second}) {
    if (n <= 0 || PersonLines(store, n) == nullptr) {
      return "There is no individual with the number " + std::to_string(n) + ".";
    }
  }
  if (first == second) return "Both numbers name the same individual.";
  std::string reason;
  if (MarriedToEachOther(store, first, second)) {
    reason = "they are married to each other";
  } else if (const int up =
                 std::max(GenerationsUp(store, first, second), GenerationsUp(store, second, first));
             up > 0) {
    reason = up == 1 ? "one is a parent of the other" : "one is an ancestor of the other";
  } else {
    return {};
  }
  return "Cannot merge:  " + PersonLabel(store, first) + "\nwith:  " + PersonLabel(store, second) +
         "\nbecause " + reason + ".";
}

MergeResult MergeIndividuals(RecordStore& store, const MergeBoxState& state) {
  const int kept = state.kept();
  const int gone = state.discarded();
  if (std::string why = MergeRefusal(store, kept, gone); !why.empty()) {
    store.ui().Message(kMergeRefusedCaption, why, platform::Icon::kExclamation);
    return {};
  }
  EditScope scope(store);
  TakePlaceOf(store, kept, gone);
  LineNode* into = PersonLines(store, kept);
  LineNode* from = PersonLines(store, gone);
  std::vector<std::string_view> merged = {"1 NOTE"};
  for (int row = 1; row < kFirstFamilyRow; ++row) merged.push_back(state.person_rows[row].tag);
  const std::vector<LineNode*> leftovers =
      merge::CollectLeftovers(from, merged, {"1 FAMC", "1 FAMS", "1 CHAN", "1 SOUR"});

  RewriteName(store, into, state);
  for (int row = 1; row < kFirstFamilyRow; ++row) {
    merge::MergeRow(store, into, from, state.person_rows[row], MergeRowSpecOf(row).kind,
                    state.kept_side());
  }
  merge::MergeMarriages(store, scope, state);
  TakeParents(store, kept, gone);
  merge::MergeNotesAndCitations(store, into, from);
  merge::MoveLeftovers(store, into, from, leftovers);
  JoinFlags(store, kept, gone);
  store::StampChanged(store, into);

  DeleteIndividualQuietly(store, gone);
  scope.TouchPerson(kept);
  for (int family : family_ops::LinkedNumbers(into, "1 FAMS")) scope.TouchFamily(family);
  family_ops::FileIndividual(store, kept);
  return {true, kept, gone};
}

MergeResult MergeWithStartingBoxes(RecordStore& store, int first, int second, int kept_side) {
  return MergeIndividuals(store, BuildMergeBoxState(store, first, second, kept_side));
}

std::vector<std::string> RowsFromDiscarded(const MergeBoxState& state) {
  std::vector<std::string> rows;
  const int kept_side = state.kept_side();
  for (int row = 1; row < kFirstFamilyRow; ++row) {
    std::string text = RowTaken(state.person_rows[row], MergeRowSpecOf(row).kind, kept_side);
    if (!text.empty()) rows.push_back(std::move(text));
  }
  for (const MergeMarriage& marriage : state.marriages) {
    if (!marriage.paired()) break;
    for (const MergeRowState& row : marriage.rows) {
      std::string text = RowTaken(row, MergeRowKind::kEvent, kept_side);
      if (text.empty()) continue;
      rows.push_back(store::MakeXref('F', marriage.family[static_cast<size_t>(kept_side)]) + " " +
                     text);
    }
  }
  return rows;
}

}  // namespace kinloom::core
