#include "core/merge_state.h"

#include <algorithm>
#include <cstdio>

#include "core/family_ops_support.h"
#include "core/merge_boxes.h"
#include "core/merge_lines.h"
#include "core/queries.h"
#include "store/line_search.h"

namespace kinloom::core {
namespace {

using Kind = MergeRowKind;
using Page = MergePage;
using family_ops::FamilyLines;
using family_ops::PersonLines;

constexpr std::array<MergeRowSpec, kMergeRowCount> kRows = {{
    {"", Kind::kKeep, Page::kBasic},
    {"1 NAME", Kind::kName, Page::kBasic},
    {"1 ALIA", Kind::kValue, Page::kBasic},
    {"1 AFN", Kind::kValue, Page::kBasic},
    {"1 SEX", Kind::kValue, Page::kBasic},
    {"1 TITL", Kind::kValue, Page::kBasic},
    {"1 BIRT", Kind::kEvent, Page::kBasic},
    {"1 BAPM", Kind::kEvent, Page::kBasic},
    {"1 CHR", Kind::kEvent, Page::kBasic},
    {"1 ADOP", Kind::kEvent, Page::kBasic},
    {"1 DEAT", Kind::kEvent, Page::kBasic},
    {"1 BURI", Kind::kEvent, Page::kBasic},
    {"1 CREM", Kind::kEvent, Page::kBasic},
    {"1 RESI", Kind::kEvent, Page::kBasic},
    {"1 OCCU", Kind::kValue, Page::kBasic},
    {"1 PHON", Kind::kValue, Page::kAdditional},
    {"1 FACE", Kind::kValue, Page::kAdditional},
    {"1 MAIL", Kind::kValue, Page::kAdditional},
    {"1 EDUC", Kind::kValue, Page::kAdditional},
    {"1 PROP", Kind::kValue, Page::kAdditional},
    {"1 SSN", Kind::kValue, Page::kAdditional},
    {"1 NATI", Kind::kValue, Page::kAdditional},
    {"1 NATU", Kind::kEvent, Page::kAdditional},
    {"1 EMIG", Kind::kEvent, Page::kAdditional},
    {"1 IMMI", Kind::kEvent, Page::kAdditional},
    {"1 GRAD", Kind::kEvent, Page::kAdditional},
    {"1 RETI", Kind::kEvent, Page::kAdditional},
    {"1 WILL", Kind::kEvent, Page::kAdditional},
    {"1 RELI", Kind::kValue, Page::kReligion},
    {"1 BAPL", Kind::kEvent, Page::kReligion},
    {"1 CHRA", Kind::kEvent, Page::kReligion},
    {"1 BARM", Kind::kEvent, Page::kReligion},
    {"1 SLGC", Kind::kEvent, Page::kReligion},
    {"1 CONF", Kind::kEvent, Page::kReligion},
    {"1 CONL", Kind::kEvent, Page::kReligion},
    {"1 ENDL", Kind::kEvent, Page::kReligion},
    {"1 FCOM", Kind::kEvent, Page::kReligion},
    {"1 ORDN", Kind::kEvent, Page::kReligion},
    {"1 ORDL", Kind::kEvent, Page::kReligion},
    {"1 MARR", Kind::kEvent, Page::kMarriage},
    {"1 ENGA", Kind::kEvent, Page::kMarriage},
    {"1 MARL", Kind::kEvent, Page::kMarriage},
    {"1 MARC", Kind::kEvent, Page::kMarriage},
    {"1 ANUL", Kind::kEvent, Page::kMarriage},
    {"1 DIV", Kind::kEvent, Page::kMarriage},
    {"1 DIVF", Kind::kEvent, Page::kMarriage},
    {"1 SLGS", Kind::kEvent, Page::kMarriage},
}};

// Blanks, carriage returns and line feeds at both ends go.
std::string Trimmed(std::string_view text) {
  const size_t begin = text.find_first_not_of(" \r\n");
  if (begin == std::string_view::npos) return {};
  return std::string(text.substr(begin, text.find_last_not_of(" \r\n") - begin + 1));
}

void ReadName(store::LineNode* line, MergeSide* side) {
  std::string_view value = store::LineValue(line->text(), "1 NAME");
  const size_t slash = value.find('/');
  side->value = Trimmed(value.substr(0, slash));
  if (slash == std::string_view::npos) return;
  std::string_view rest = value.substr(slash + 1);
  side->place = Trimmed(rest.substr(0, rest.find('/')));
}

// Cleared boxes, enabled where the side has what the box stands for.
void EnableBoxes(MergeSide* side, Kind kind) {
  side->value_box.enabled = side->present;
  side->place_box.enabled =
      kind == Kind::kName ? side->present : kind == Kind::kEvent && !side->place.empty();
  side->note_box.enabled = side->present && !side->note.empty();
}

MergeRowState ReadRow(store::LineNode* first1, store::LineNode* first2, std::string_view tag,
                      Kind kind, int kept_side) {
  MergeRowState row;
  row.tag = tag;
  row.sides[0] = ReadMergeSide(first1, tag, kind);
  row.sides[1] = ReadMergeSide(first2, tag, kind);
  SetStartingBoxes(row, kept_side);
  return row;
}

std::string SixDigits(int number) {
  char text[16];
  std::snprintf(text, sizeof text, "%06d", number);
  return text;
}

MergeSummary::Parent ParentSummary(const store::RecordStore& store, int parent) {
  MergeSummary::Parent summary;
  if (parent <= 0 || PersonLines(store, parent) == nullptr) return summary;
  const Vitals vitals = VitalsOf(store, parent);
  summary.individual = parent;
  summary.label = PersonLabel(store, parent);
  summary.birth = {vitals.birth.date, vitals.birth.place};
  summary.death = {vitals.death.date, vitals.death.place};
  return summary;
}

MergeSummary Summarize(const store::RecordStore& store, int individual) {
  MergeSummary summary;
  if (PersonLines(store, individual) == nullptr) return summary;
  const Vitals vitals = VitalsOf(store, individual);
  summary.name = FullName(store, individual);
  summary.number = SixDigits(individual);
  summary.sex = std::string(1, vitals.sex == 'M' || vitals.sex == 'F' ? vitals.sex : 'U');
  summary.birth = {vitals.birth.date, vitals.birth.place};
  summary.death = {vitals.death.date, vitals.death.place};
  const int parents = FindParentFamily(store, individual).family;
  if (FamilyLines(store, parents) != nullptr) {
    summary.father = ParentSummary(store, FamilyMember(store, parents, "1 HUSB"));
    summary.mother = ParentSummary(store, FamilyMember(store, parents, "1 WIFE"));
  }
  return summary;
}

// The pairing table: one row per spouse, a family of each side in it. A spouse of 0 (a family
// without a partner) never pairs, and a side's second family with the same spouse takes a row
// of its own, so that every family of both sides is in the table.
std::vector<MergeMarriage> PairMarriages(const store::RecordStore& store,
                                         const std::array<int, 2>& individuals) {
  std::vector<MergeMarriage> table;
  for (size_t side = 0; side < 2; ++side) {
    const int person = individuals[side];
    for (int family : family_ops::LinkedNumbers(PersonLines(store, person), "1 FAMS")) {
      if (family <= 0 || FamilyLines(store, family) == nullptr) continue;
      const int spouse = OtherSpouse(store, family, person);
      auto row = std::find_if(table.begin(), table.end(), [&](const MergeMarriage& m) {
        return spouse != 0 && m.spouse == spouse && m.family[side] == 0;
      });
      if (row == table.end()) {
        row = table.insert(table.end(), MergeMarriage());
        row->spouse = spouse;
      }
      row->family[side] = family;
    }
  }
  std::stable_partition(table.begin(), table.end(),
                        [](const MergeMarriage& m) { return m.paired(); });
  return table;
}

bool AnyRowPresent(const MergeBoxState& state, int from, int to) {
  for (int row = from; row <= to; ++row) {
    const auto& sides = state.person_rows[static_cast<size_t>(row)].sides;
    if (sides[0].present || sides[1].present) return true;
  }
  return false;
}

}  // namespace

const MergeRowSpec& MergeRowSpecOf(int row) {
  return kRows[static_cast<size_t>(row)];
}

std::array<MergeRowState, kFamilyRowCount> BlankFamilyRows() {
  std::array<MergeRowState, kFamilyRowCount> rows;
  for (int i = 0; i < kFamilyRowCount; ++i) {
    rows[static_cast<size_t>(i)].tag = kRows[static_cast<size_t>(kFirstFamilyRow + i)].tag;
  }
  return rows;
}

MergeRowState& MergeBoxState::Row(int row) {
  if (row < kFirstFamilyRow) return person_rows[static_cast<size_t>(row)];
  const size_t index = static_cast<size_t>(row - kFirstFamilyRow);
  if (paired_marriages <= 0) return no_marriage_rows_[index];
  return marriages[static_cast<size_t>(shown_marriage)].rows[index];
}

const MergeRowState& MergeBoxState::Row(int row) const {
  return const_cast<MergeBoxState*>(this)->Row(row);
}

MergeSide ReadMergeSide(const store::LineNode* first, std::string_view tag, MergeRowKind kind) {
  MergeSide side;
  store::LineNode* line =
      first == nullptr ? nullptr : store::FindTagLine(const_cast<store::LineNode*>(first), tag);
  if (line == nullptr) return side;
  side.present = true;
  if (kind == Kind::kName) {
    ReadName(line, &side);
  } else if (kind == Kind::kValue) {
    side.value = merge::JoinedValue(line);
  } else {
    side.value = merge::SubValue(line, "DATE");
    side.place = merge::SubValue(line, "PLAC");
  }
  side.note = merge::JoinedValue(merge::FindSub(line, "NOTE"));
  EnableBoxes(&side, kind);
  return side;
}

MergeBoxState BuildMergeBoxState(const store::RecordStore& store, int first, int second,
                                 int kept_side) {
  MergeBoxState state;
  state.individuals = {first, second};
  kept_side = kept_side == 1 ? 1 : 0;
  state.keep[0] = {true, kept_side == 0};
  state.keep[1] = {true, kept_side == 1};
  for (size_t side = 0; side < 2; ++side) {
    state.summaries[side] = Summarize(store, state.individuals[side]);
    const MergeSummary& summary = state.summaries[side];
    state.keep_captions[side] = std::string(
        summary.father.individual > 0 || summary.mother.individual > 0 ? kKeepWithParentsCaption
                                                                       : kKeepNumberCaption);
  }
  store::LineNode* lines1 = PersonLines(store, first);
  store::LineNode* lines2 = PersonLines(store, second);
  for (int row = 1; row < kFirstFamilyRow; ++row) {
    const MergeRowSpec& row_layout = kRows[static_cast<size_t>(row)];
    state.person_rows[static_cast<size_t>(row)] =
        ReadRow(lines1, lines2, row_layout.tag, row_layout.kind, kept_side);
  }
  RetargetComingOfAge(state, store);
  state.show_additional = AnyRowPresent(state, 15, 27);
  state.show_religion = AnyRowPresent(state, 28, 38);

  state.marriages = PairMarriages(store, state.individuals);
  for (MergeMarriage& marriage : state.marriages) {
    if (!marriage.paired()) break;
    ++state.paired_marriages;
    for (int i = 0; i < kFamilyRowCount; ++i) {
      const MergeRowSpec& row_layout = kRows[static_cast<size_t>(kFirstFamilyRow + i)];
      marriage.rows[static_cast<size_t>(i)] =
          ReadRow(FamilyLines(store, marriage.family[0]), FamilyLines(store, marriage.family[1]),
                  row_layout.tag, row_layout.kind, kept_side);
    }
  }
  return state;
}

void RetargetComingOfAge(MergeBoxState& state, const store::RecordStore& store) {
  const bool female = SexOf(store, state.kept()) == 2;
  MergeRowState& row = state.person_rows[kComingOfAgeRow];
  row = ReadRow(PersonLines(store, state.individuals[0]), PersonLines(store, state.individuals[1]),
                female ? "1 BASM" : "1 BARM", Kind::kEvent, state.kept_side());
}

}  // namespace kinloom::core
