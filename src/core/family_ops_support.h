#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "store/line_node.h"
#include "store/record_store.h"

namespace kinloom::core::family_ops {

using store::LineNode;
using store::RecordStore;

// The frame of one editing operation. It keeps BusyDepth raised while it lives; at its end it
// files every family it was told about under its new key in the family search list (or drops
// it from the list when the record is gone) and rebuilds the chart texts of those families
// and of the people involved, so each operation only has to name what it touched.
class EditScope {
 public:
  explicit EditScope(RecordStore& store) : store_(store), busy_(store) {}
  ~EditScope();
  EditScope(const EditScope&) = delete;
  EditScope& operator=(const EditScope&) = delete;

  // A family whose lines change; its spouses before and after the change are refreshed too.
  void TouchFamily(int family);
  // A person whose lines or links change.
  void TouchPerson(int individual);

 private:
  void AddSpousesOf(int family);

  RecordStore& store_;
  store::BusyScope busy_;
  std::vector<int> families_;
  std::vector<int> people_;
};

// First lines of records; nullptr for an empty slot or a number outside the table.
LineNode* PersonLines(const RecordStore& store, int individual);
LineNode* FamilyLines(const RecordStore& store, int family);

// "1 FAMS @F000012@" and the other link lines.
std::string LinkLine(std::string_view tag, char letter, int number);

// The numbers of every level-1 line with the tag (whole-tag match), in line order.
std::vector<int> LinkedNumbers(LineNode* first, std::string_view tag);
// Whether a level-1 line with the tag points at `number`.
bool HasLinkTo(LineNode* first, std::string_view tag, int number);

// The line after which a new line goes so that it precedes "1 CHAN" (the record's last line
// when it has none).
LineNode* BeforeChan(LineNode* first);

// Links: each inserts one line, renews the record's stamp and does nothing for an empty slot.
// The spouse's "1 FAMS" goes after the last "1 FAMC"/"1 FAMS" line and its sub-lines, else
// just before "1 CHAN".
void AddFamsLine(RecordStore& store, int individual, int family);
// "1 CHIL" after the family's last "1 CHIL" line and its sub-lines, else before "1 CHAN".
void AddChilLine(RecordStore& store, int family, int child);
// "1 FAMC" at the child's insertion point, with "2 PEDI <value>" below it for kinds other than
// birth.
void AddFamcLine(RecordStore& store, int child, int family, int kind);
// "1 HUSB" directly after the family's level-0 line; "1 WIFE" after the husband's line when
// that follows the level-0 line, else directly after the level-0 line.
void AddSpouseLine(RecordStore& store, int family, std::string_view tag, int individual);
// A bare "1 MARR" after the run of "1 HUSB"/"1 WIFE" lines that follows the level-0 line,
// unless the family already has a "1 MARR".
void AddBareMarriage(RecordStore& store, int family);

// Removes the first level-1 line with the tag that points at `number`, with its sub-lines (a
// sub-line left behind would attach itself to the line before). True when one was removed.
bool RemoveLinkLine(RecordStore& store, LineNode* first, std::string_view tag, int number);
// Removes every such line; returns how many.
int RemoveAllLinkLines(RecordStore& store, LineNode* first, std::string_view tag, int number);
// Removes the first line of each tag, with its sub-lines.
void RemoveFirstOfEach(RecordStore& store, LineNode* first,
                       std::initializer_list<std::string_view> tags);

// The spouse lines of a family: 0 when it has neither "1 HUSB" nor "1 WIFE", 1 or 2.
int SpouseCount(const RecordStore& store, int family);
// "1 HUSB" or "1 WIFE" when the first such line of the family points at the individual; empty
// otherwise.
std::string_view RoleIn(const RecordStore& store, int family, int individual);

// True when some family other than the placeholder family 0 exists.
bool AnyFamilyLeft(const RecordStore& store);
// Files an individual in the individual search list under its present key.
void FileIndividual(RecordStore& store, int individual);

}  // namespace kinloom::core::family_ops
