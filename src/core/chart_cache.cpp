#include "core/chart_cache.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "core/queries.h"
#include "platform/progress.h"
#include "store/line_search.h"

namespace kinloom::core {
namespace {

using store::FamilyRecord;
using store::IndividualRecord;
using store::OwnedText;

// A cached text is drawn (and takes a row) only when it is wider than this.
constexpr int kPresentWidth = 5;
constexpr int kPictureBoxLines = 6;
constexpr int kRecordsPerProgressStep = 100;

uint16_t Measure(RecordStore& store, std::string_view text) {
  const int width = store.ui().TextWidth(text);
  return static_cast<uint16_t>(std::clamp(width, 0, int{std::numeric_limits<uint16_t>::max()}));
}

// The date as a chart shows it: files that align their dates in columns pad a year alone with
// blanks ("       1863"), which would open a wide gap after "b.".
std::string CompactDate(std::string_view date) {
  std::string compact;
  for (char c : date) {
    const bool blank = c == ' ' || c == '\t';
    if (!blank) {
      compact += c;
    } else if (!compact.empty() && compact.back() != ' ') {
      compact += ' ';
    }
  }
  if (!compact.empty() && compact.back() == ' ') compact.pop_back();
  return compact;
}

// Stores "<prefix><date>" and its width; no date leaves no text and width 0.
void SetDatedText(RecordStore& store, std::string_view prefix, const std::string& date,
                  OwnedText* text, uint16_t* width) {
  const std::string shown = CompactDate(date);
  if (shown.empty()) {
    text->Reset();
    *width = 0;
    return;
  }
  const std::string full = std::string(prefix) + shown;
  text->Set(full);
  *width = Measure(store, full);
}

uint16_t BoxLinesOf(const RecordStore& store, const IndividualRecord& person) {
  if (store.show_chart_pictures() && !person.thumbPath.view().empty()) return kPictureBoxLines;
  return static_cast<uint16_t>(1 + (person.birthWidth > kPresentWidth ? 1 : 0) +
                               (person.deathWidth > kPresentWidth ? 1 : 0));
}

// Texts, widths and boxLines of one individual; blockLines is left to the caller.
void BuildPersonTexts(RecordStore& store, int n, IndividualRecord& person) {
  const std::string label = PersonLabel(store, n);
  person.labelText.Set(label);
  person.labelWidth = Measure(store, label);

  const EventDateResult birth = EventDate(person.lines, EventKind::kBirth);
  const std::string_view birth_prefix = birth.letter == 'c' ? "c. " : "b. ";
  SetDatedText(store, birth_prefix, birth.date, &person.birthText, &person.birthWidth);

  const EventDateResult death = EventDate(person.lines, EventKind::kDeath);
  SetDatedText(store, "d. ", death.date, &person.deathText, &person.deathWidth);

  person.boxLines = BoxLinesOf(store, person);
}

// A family with children but no date still gets the bare "m. ", so that the row joining the
// couple to their children is drawn; a childless family without a date gets nothing.
void BuildMarriageText(RecordStore& store, FamilyRecord& family) {
  const EventDateResult marriage = EventDate(family.lines, EventKind::kMarriage);
  const bool has_children = store::FindTagLine(family.lines, "1 CHIL") != nullptr;
  if (marriage.date.empty() && !has_children) {
    family.marriageText.Reset();
    family.marriageWidth = 0;
    return;
  }
  const std::string text = "m. " + CompactDate(marriage.date);
  family.marriageText.Set(text);
  family.marriageWidth = Measure(store, text);
}

// The rows one "1 FAMS" family adds to a person's block: its marriage row and the spouse's box.
int SpouseFamilyRows(const RecordStore& store, int individual, int family_number) {
  const FamilyRecord* family = store.family(family_number);
  if (family == nullptr) return 0;
  int rows = family->marriageWidth > kPresentWidth ? 1 : 0;
  const IndividualRecord* spouse = store.individual(OtherSpouse(store, family_number, individual));
  if (spouse != nullptr) rows += spouse->boxLines;
  return rows;
}

uint16_t BlockLinesOf(const RecordStore& store, int n, const IndividualRecord& person) {
  int rows = person.boxLines;
  for (LineNode* line = store::FindTagLine(person.lines, "1 FAMS"); line != nullptr;
       line = store::FindTagLine(line->next, "1 FAMS")) {
    rows += SpouseFamilyRows(store, n, store::XrefNumber(line->text()));
  }
  return static_cast<uint16_t>(std::min(rows, int{std::numeric_limits<uint16_t>::max()}));
}

// Refreshes the block rows of everyone married to `individual`.
void RefreshSpouseBlocks(RecordStore& store, int individual) {
  const IndividualRecord* person = store.individual(individual);
  if (person == nullptr) return;
  for (LineNode* line = store::FindTagLine(person->lines, "1 FAMS"); line != nullptr;
       line = store::FindTagLine(line->next, "1 FAMS")) {
    const int spouse = OtherSpouse(store, store::XrefNumber(line->text()), individual);
    if (spouse != 0 && spouse != individual) RefreshBlockLines(store, spouse);
  }
}

class ChartProgress {
 public:
  ChartProgress(RecordStore& store, int records)
      : ticker_(store.ui(), records / kRecordsPerProgressStep + 1) {}
  void Record() {
    if (++records_ % kRecordsPerProgressStep == 0) ticker_.Step();
  }

 private:
  platform::ProgressTicker ticker_;
  int records_ = 0;
};

}  // namespace

void InitializeChart(RecordStore& store) {
  store::BusyScope busy(store);
  const int individuals = store.highest_individual() + 1;
  const int families = store.highest_family() + 1;
  store.ui().ProgressShow("Initializing Chart", "");
  ChartProgress progress(store, 2 * individuals + families);
  // Block rows read the spouses' box rows and the marriage widths, so they come last.
  for (int n = 0; n < individuals; ++n, progress.Record()) {
    if (IndividualRecord* person = store.individual(n)) BuildPersonTexts(store, n, *person);
  }
  for (int n = 0; n < families; ++n, progress.Record()) {
    if (FamilyRecord* family = store.family(n)) BuildMarriageText(store, *family);
  }
  for (int n = 0; n < individuals; ++n, progress.Record()) {
    if (IndividualRecord* person = store.individual(n)) {
      person->blockLines = BlockLinesOf(store, n, *person);
    }
  }
  store.ui().ProgressHide();
}

void RefreshPersonTexts(RecordStore& store, int individual) {
  IndividualRecord* person = store.individual(individual);
  if (person == nullptr) return;
  const uint16_t old_box_lines = person->boxLines;
  BuildPersonTexts(store, individual, *person);
  person->blockLines = BlockLinesOf(store, individual, *person);
  // Recomputing the spouses' blocks (rather than adding the difference) also mends a block
  // that an earlier edit left behind.
  if (person->boxLines != old_box_lines) RefreshSpouseBlocks(store, individual);
}

void RefreshMarriageText(RecordStore& store, int family) {
  FamilyRecord* record = store.family(family);
  if (record == nullptr) return;
  const bool was_present = record->marriageWidth > kPresentWidth;
  BuildMarriageText(store, *record);
  if ((record->marriageWidth > kPresentWidth) == was_present) return;
  // The marriage row appeared or vanished: both spouses' blocks change height.
  if (record->lines == nullptr) return;
  for (LineNode* line = record->lines->next; line != nullptr; line = line->next) {
    if (!store::HasTag(line->text(), "1 HUSB") && !store::HasTag(line->text(), "1 WIFE")) continue;
    const int spouse = store::XrefNumber(line->text());
    if (spouse != 0) RefreshBlockLines(store, spouse);
  }
}

void RefreshBlockLines(RecordStore& store, int individual) {
  IndividualRecord* person = store.individual(individual);
  if (person == nullptr) return;
  person->blockLines = BlockLinesOf(store, individual, *person);
}

}  // namespace kinloom::core
