#include "core/merge_marriages.h"

#include <string>
#include <string_view>
#include <vector>

#include "core/merge_lines.h"
#include "core/merge_row.h"
#include "core/queries.h"
#include "store/line_edit.h"
#include "store/line_search.h"
#include "store/stamp.h"

namespace kinloom::core::merge {
namespace {

using family_ops::EditScope;
using family_ops::FamilyLines;
using family_ops::PersonLines;

// The family's "1 HUSB" or "1 WIFE" line that points at the individual.
LineNode* SpouseLineOf(LineNode* family, int individual, std::string_view* tag) {
  for (std::string_view role : {"1 HUSB", "1 WIFE"}) {
    for (LineNode* line = family->next; line != nullptr; line = line->next) {
      if (store::HasTag(line->text(), role) && store::XrefNumber(line->text()) == individual) {
        *tag = role;
        return line;
      }
    }
  }
  return nullptr;
}

// The level-1 line with the tag that points at `number`.
LineNode* LinkLineTo(LineNode* first, std::string_view tag, int number) {
  for (LineNode* line = first->next; line != nullptr; line = line->next) {
    if (store::HasTag(line->text(), tag) && store::XrefNumber(line->text()) == number) return line;
  }
  return nullptr;
}

void MoveMarriage(RecordStore& store, EditScope& scope, int family, int kept, int gone) {
  LineNode* family_lines = FamilyLines(store, family);
  LineNode* kept_lines = PersonLines(store, kept);
  LineNode* gone_lines = PersonLines(store, gone);
  if (family_lines == nullptr || kept_lines == nullptr || gone_lines == nullptr ||
      kept_lines->next == nullptr || gone_lines->next == nullptr) {
    return;
  }
  std::string_view role;
  LineNode* spouse_line = SpouseLineOf(family_lines, gone, &role);
  LineNode* fams = LinkLineTo(gone_lines, "1 FAMS", family);
  if (spouse_line == nullptr || fams == nullptr) return;
  if (family_ops::HasLinkTo(kept_lines, "1 FAMS", family)) return;
  scope.TouchFamily(family);
  store::ReplaceLineText(store, spouse_line, role, store::MakeXref('I', kept));
  store::StampChanged(store, family_lines);
  LinkAfter(store::FindInsertPoint(kept_lines, "1 FAMS"), CutGroup(gone_lines, fams));
  store::StampChanged(store, kept_lines);
}

// The discarded family's children join the kept family; a child already in it loses the
// second link instead.
void MoveChildren(RecordStore& store, EditScope& scope, int kept_family, int gone_family) {
  LineNode* into = FamilyLines(store, kept_family);
  LineNode* from = FamilyLines(store, gone_family);
  std::vector<LineNode*> children;
  for (LineNode* line = from->next; line != nullptr; line = line->next) {
    if (store::HasTag(line->text(), "1 CHIL")) children.push_back(line);
  }
  for (LineNode* line : children) {
    const int child = store::XrefNumber(line->text());
    LineNode* child_lines = PersonLines(store, child);
    scope.TouchPerson(child);
    if (family_ops::HasLinkTo(into, "1 CHIL", child)) {
      store::RemoveLineAndSubs(store, from, LineBefore(from, line));
      family_ops::RemoveLinkLine(store, child_lines, "1 FAMC", gone_family);
      continue;
    }
    LinkAfter(store::FindInsertPoint(into, "1 CHIL"), CutGroup(from, line));
    if (child_lines == nullptr) continue;
    if (LineNode* famc = FindFamcLine(store, child, gone_family); famc != nullptr) {
      store::ReplaceLineText(store, famc, "1 FAMC", store::MakeXref('F', kept_family));
      store::StampChanged(store, child_lines);
    } else {
      family_ops::AddFamcLine(store, child, kept_family, kBirth);
    }
  }
}

void MergeFamilies(RecordStore& store, EditScope& scope, const MergeMarriage& marriage,
                   int kept_side) {
  const int kept_family = marriage.family[static_cast<size_t>(kept_side)];
  const int gone_family = marriage.family[static_cast<size_t>(1 - kept_side)];
  LineNode* into = FamilyLines(store, kept_family);
  LineNode* from = FamilyLines(store, gone_family);
  if (into == nullptr || from == nullptr || kept_family == gone_family) return;
  scope.TouchFamily(kept_family);
  scope.TouchFamily(gone_family);
  std::vector<std::string_view> merged = {"1 NOTE"};
  for (const MergeRowState& row : marriage.rows) merged.push_back(row.tag);
  const std::vector<LineNode*> leftovers =
      CollectLeftovers(from, merged, {"1 HUSB", "1 WIFE", "1 CHIL", "1 CHAN", "1 SOUR"});
  for (const MergeRowState& row : marriage.rows) {
    MergeRow(store, into, from, row, MergeRowKind::kEvent, kept_side);
  }
  MoveChildren(store, scope, kept_family, gone_family);
  MergeNotesAndCitations(store, into, from);
  MoveLeftovers(store, into, from, leftovers);
  store.family(kept_family)->hideFlags |= store.family(gone_family)->hideFlags;
  store::StampChanged(store, into);
  store::StampChanged(store, from);
}

}  // namespace

void MergeMarriages(RecordStore& store, EditScope& scope, const MergeBoxState& state) {
  const int kept_side = state.kept_side();
  for (const MergeMarriage& marriage : state.marriages) {
    const int kept_family = marriage.family[static_cast<size_t>(kept_side)];
    const int gone_family = marriage.family[static_cast<size_t>(1 - kept_side)];
    if (gone_family <= 0 || FamilyLines(store, gone_family) == nullptr) continue;
    if (kept_family > 0 && FamilyLines(store, kept_family) != nullptr) {
      MergeFamilies(store, scope, marriage, kept_side);
    } else {
      MoveMarriage(store, scope, gone_family, state.kept(), state.discarded());
    }
  }
}

}  // namespace kinloom::core::merge
